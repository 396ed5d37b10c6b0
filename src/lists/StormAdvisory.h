#pragma once
// The figures behind the printed storm advisory: the closest point of
// approach, and the storm seen from each point of the ship's track, either
// the waypoints still to sail or, keeping present course and speed, dead
// reckoned positions every six hours for three days.
#include <vector>

#include "core/FixRecord.h"
#include "core/Position2.h"
#include "core/Voyage.h"
#include "lists/Hurricane.h"
#include "lists/HurricaneCpa.h"

namespace marigold {

inline constexpr const char* kNoActiveStorms = "No active storms";
inline constexpr const char* kKeepCourseAndSpeed = "Keep present course and speed (no waypoints)";

struct CStormTrackPoint {
  // The ship: name and UTC difference of the start or the waypoint; time is
  // the UTC day number at which the ship is there.
  CPosition2 ship;
  bool deadReckoned = false;
  CPosition2 storm;     // where the storm is at that time
  double distance = 0;  // nM, great circle from the ship to the storm
  double bearing = 0;   // degrees, great circle from the ship to the storm
};

struct CStormAdvisory {
  CStormCpa cpa;
  std::vector<CStormTrackPoint> track;
};

inline constexpr int kDeadReckonedPoints = 13;  // every 0.25 day up to 3.0 days

// Without keepCourseAndSpeed the track is the start, then each waypoint from
// the next one to the last at its estimated time.
CStormAdvisory ComputeStormAdvisory(const CHurricane& storm, CVoyage& route, const CFixRecord& start,
                                    bool keepCourseAndSpeed);

}  // namespace marigold
