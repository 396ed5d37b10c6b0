#pragma once
// "Drift angle": the current added to the water vector (steered course and
// log speed) gives the ground vector (ground course and ground speed).
// Borrows the document's route only while it opens.
#include <optional>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/RangeCheck.h"
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

// The checks of the four entered values, in the dialog's order. The ground
// vector is the result and is not checked: log speed and current together
// reach 80 kts, which a 0 to 60 check would refuse on the next "Calculate".
std::optional<CFieldRefusal> Validate(const CDriftAngleFields& fields);

// The ground vector is the sum of the water vector and the current (worked
// on the sphere at 45°N); the water vector stays as it was.
void CalculateGroundVector(CDriftAngleFields& fields);

class CDriftAngleTool {
 public:
  // Looks up the current of the route's next waypoint from the present
  // position now, which also stores that waypoint's index as the route's
  // next waypoint index.
  CDriftAngleTool(CVoyage& route, const CFixRecord& presentPosition);

  // "Actual Data" of the water vector: the ship's steered course and log
  // speed as the vessel record holds them.
  void OnActualWater(const CDriftAngleFields& entered, double steeredCourse, double logSpeed);
  // "Actual Data" of the current: direction and velocity of the waypoint
  // ahead; without a voyage the message is shown and nothing changes (false).
  bool OnActualCurrent(const CDriftAngleFields& entered, CPrompter& prompter);
  // "Calculate", on fields that Validate accepted.
  void OnCalculate(const CDriftAngleFields& entered);

  const CDriftAngleFields& View() const { return fields_; }

 private:
  bool currentAvailable_ = false;  // the route has a waypoint
  double currentDirection_ = 0;
  double currentVelocity_ = 0;
  CDriftAngleFields fields_;
};

}  // namespace marigold
