#pragma once
// "Drift angle": the current added to the water vector (steered course and
// log speed) gives the ground vector (ground course and ground speed).
#include <optional>
#include <string>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/Voyage.h"

namespace marigold {

inline constexpr const char* kDriftAngleCaption = "Drift angle";
inline constexpr const char* kNoCurrentDataMessage = "No active voyage\nNo present current data available";

// All six start at 0.
struct CDriftAngleFields {
  double steeredCourse = 0;     // "Steered Course:", 0 to 360
  double logSpeed = 0;          // "Log speed:", 0 to 60 kts
  double currentDirection = 0;  // "Direction:", 0 to 360, where the current sets to
  double currentVelocity = 0;   // "Velocity:", 0 to 20 kts
  double groundCourse = 0;      // "Ground course:"
  double groundSpeed = 0;       // "Ground speed:"
};

enum class EDriftAngleField { SteeredCourse, LogSpeed, CurrentDirection, CurrentVelocity };

struct CDriftAngleRefusal {
  EDriftAngleField field;
  std::string message;
};

// The checks of the four entered values, in the dialog's order. The ground
// vector is the result and is not checked: log speed and current together
// reach 80 kts, which a 0 to 60 check would refuse on the next "Calculate".
std::optional<CDriftAngleRefusal> ValidateDriftAngleFields(const CDriftAngleFields& fields);

// "Calculate": the ground vector is the sum of the water vector and the
// current (worked on the sphere at 45°N); the water vector stays as it was.
void CalculateGroundVector(CDriftAngleFields& fields);

// The current at the waypoint ahead, found when the dialog opens.
struct CPresentCurrent {
  bool available = false;  // the route has a waypoint
  double direction = 0;
  double velocity = 0;
};

// Takes the weather of the route's next waypoint from the present position
// (and stores that waypoint's index as the route's next waypoint index).
CPresentCurrent FindPresentCurrent(CVoyage& route, const CFixRecord& presentPosition);

// "Actual Data" of the current: fills direction and velocity, or, without a
// voyage, shows kNoCurrentDataMessage and changes nothing (false).
bool TakePresentCurrent(const CPresentCurrent& current, CDriftAngleFields& fields, CPrompter& prompter);

}  // namespace marigold
