#pragma once
// Navigation on the sphere: course and distance by great circle or rhumb
// line, dead reckoning, vector sums, arrival time, the current between two
// fixes and the day-number conversions.
//
// The formulas work with pi = 3.141592654 (not the full-precision constant)
// and never reduce longitudes to ±180, so a leg from 179°E to 179°W runs the
// long way round; stored routes and their figures depend on both.
#include <ctime>
#include <string>

#include "core/Angles.h"
#include "core/Position2.h"

namespace marigold {

class CFixRecord;

class CNavigation {
 public:
  static constexpr double pi = kPi;

  // Distance in nM. Great circle: identical or antipodal positions give 0 or
  // half the circumference, never not-a-number.
  double Distance(const CPosition2& from, const CPosition2& to, bool greatCircle) const;
  // Initial course, 0 <= C < 360.
  double Course(const CPosition2& from, const CPosition2& to, bool greatCircle) const;
  // Moves the position along the rhumb line (longitude set first, then latitude).
  void DeadReckoning(CPosition2& position, double distance, double course) const;
  // Copies the source's latitude and longitude into the target and, with
  // rhumbLine set, dead-reckons the target.
  void CopyAndDeadReckon(const CPosition2& source, CPosition2& target, double distance, double course,
                         bool rhumbLine) const;
  // Vector 1 plus (minus) vector 2, written into vector 1. Summed on the
  // sphere at 45°N, not in the plane.
  void AddVectors(double& course1, double& distance1, double course2, double distance2) const;
  void SubtractVectors(double& course1, double& distance1, double course2, double distance2) const;
  // Arrival as a calendar time in the destination's local time; -1 when the
  // speed gives no finite time.
  std::time_t ArrivalTime(const CPosition2& from, const CPosition2& to, bool greatCircle, double speed) const;
  // The current since the earlier fix, written into the later fix's weather;
  // false (and set and rate 0) for an interval under one hour or a rate over
  // 7 knots.
  bool CurrentFromFixes(const CFixRecord& earlier, CFixRecord& later) const;

  double ToDayNumber(std::time_t calendarTime) const;
  std::time_t FromDayNumber(double dayNumber) const;
  // hemisphere 1 is South or West.
  double ToDecimalDegrees(int degrees, double minutes, int hemisphere) const;
  // One of the 16 points; sectors start at the named direction. Empty for a
  // course below -22.5 or from 382.5 on.
  std::string CompassPoint(double course) const;

 private:
  static constexpr double deg = kDegreesPerRadian;
  double MeridionalPartsDifference(double phi1, double phi2) const;
};

}  // namespace marigold
