#include "tools/DriftAngle.h"

#include "core/Navigation.h"

namespace marigold {

std::optional<CFieldRefusal> Validate(const CDriftAngleFields& fields) {
  if (auto refusal = CheckNumberField("steeredCourse", fields.steeredCourse, 0, 360)) return refusal;
  if (auto refusal = CheckNumberField("logSpeed", fields.logSpeed, 0, 60)) return refusal;
  if (auto refusal = CheckNumberField("currentDirection", fields.currentDirection, 0, 360)) return refusal;
  return CheckNumberField("currentVelocity", fields.currentVelocity, 0, 20);
}

void CalculateGroundVector(CDriftAngleFields& fields) {
  const CNavigation nav;
  double course = fields.steeredCourse;
  double speed = fields.logSpeed;
  nav.AddVectors(course, speed, fields.currentDirection, fields.currentVelocity);
  fields.groundCourse = course;
  fields.groundSpeed = speed;
}

CDriftAngleTool::CDriftAngleTool(CVoyage& route, const CFixRecord& presentPosition) {
  if (const CWaypoint* next = route.NextWaypoint(presentPosition)) {
    currentAvailable_ = true;
    currentDirection_ = next->weather.currentSet;
    currentVelocity_ = next->weather.currentRate;
  }
}

void CDriftAngleTool::OnActualWater(const CDriftAngleFields& entered, double steeredCourse, double logSpeed) {
  fields_ = entered;
  fields_.steeredCourse = steeredCourse;
  fields_.logSpeed = logSpeed;
}

bool CDriftAngleTool::OnActualCurrent(const CDriftAngleFields& entered, CPrompter& prompter) {
  fields_ = entered;
  if (!currentAvailable_) {
    prompter.Message(kNoCurrentDataMessage, EMessageIcon::None);
    return false;
  }
  fields_.currentDirection = currentDirection_;
  fields_.currentVelocity = currentVelocity_;
  return true;
}

void CDriftAngleTool::OnCalculate(const CDriftAngleFields& entered) {
  fields_ = entered;
  CalculateGroundVector(fields_);
}

}  // namespace marigold
