#pragma once
// Small helpers shared by the schedule's files: divisions that give
// not-a-number instead of infinite figures, and indexed access to the
// waypoints (walking the list record by record is quadratic).
#include <cmath>
#include <limits>
#include <vector>

#include "core/Quotient.h"
#include "core/Voyage.h"

namespace marigold::schedule {

inline constexpr double kNaN = kNotANumber;

inline double Ratio(double numerator, double divisor) { return Quotient(numerator, divisor); }

// A figure spread over a duration, which must be positive.
inline double PerHour(double value, double hours) { return hours > 0 ? Ratio(value, hours) : kNaN; }

// Hours to sail a leg: a leg of no length takes none, whatever the speed.
inline double LegHours(double distance, double speed) { return distance == 0 ? 0 : Ratio(distance, speed); }

inline std::vector<CWaypoint*> WaypointsOf(const CVoyage& route) {
  std::vector<CWaypoint*> waypoints;
  waypoints.reserve(static_cast<std::size_t>(route.GetCount()));
  for (const auto& record : route) waypoints.push_back(static_cast<CWaypoint*>(record.get()));
  return waypoints;
}

}  // namespace marigold::schedule
