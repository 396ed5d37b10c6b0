#include "tools/DriftAngle.h"

#include "core/Navigation.h"
#include "tools/Calculator.h"

namespace marigold {

std::optional<CDriftAngleRefusal> ValidateDriftAngleFields(const CDriftAngleFields& fields) {
  if (auto message = CheckToolRange(fields.steeredCourse, 0, 360))
    return CDriftAngleRefusal{EDriftAngleField::SteeredCourse, *message};
  if (auto message = CheckToolRange(fields.logSpeed, 0, 60))
    return CDriftAngleRefusal{EDriftAngleField::LogSpeed, *message};
  if (auto message = CheckToolRange(fields.currentDirection, 0, 360))
    return CDriftAngleRefusal{EDriftAngleField::CurrentDirection, *message};
  if (auto message = CheckToolRange(fields.currentVelocity, 0, 20))
    return CDriftAngleRefusal{EDriftAngleField::CurrentVelocity, *message};
  return std::nullopt;
}

void CalculateGroundVector(CDriftAngleFields& fields) {
  const CNavigation nav;
  double course = fields.steeredCourse;
  double speed = fields.logSpeed;
  nav.AddVectors(course, speed, fields.currentDirection, fields.currentVelocity);
  fields.groundCourse = course;
  fields.groundSpeed = speed;
}

CPresentCurrent FindPresentCurrent(CVoyage& route, const CFixRecord& presentPosition) {
  const CWaypoint* next = route.NextWaypoint(presentPosition);
  if (!next) return {};
  return {true, next->weather.currentSet, next->weather.currentRate};
}

bool TakePresentCurrent(const CPresentCurrent& current, CDriftAngleFields& fields, CPrompter& prompter) {
  if (!current.available) {
    prompter.Message(kNoCurrentDataMessage, EMessageIcon::None);
    return false;
  }
  fields.currentDirection = current.direction;
  fields.currentVelocity = current.velocity;
  return true;
}

}  // namespace marigold
