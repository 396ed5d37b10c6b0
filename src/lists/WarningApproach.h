#pragma once
// How close the ship passes a warning. The route is followed from a start
// record in steps of a few hours at the planned groundspeeds until the
// scheduled arrival: at each step the ship is where it is at that time,
// sailing from the start towards the next waypoint ahead and then leg by leg,
// each leg by its sailing method at its groundspeed (the kept groundspeed as
// the schedule left it), turning at each waypoint and staying at the last.
// The step nearest to the warning's reference position (great circle) is the
// closest approach. The area points themselves are not tested.
#include <memory>
#include <vector>

#include "core/Position2.h"
#include "core/Voyage.h"

namespace marigold {

// A route whose arrival lies years ahead is followed no further than this.
inline constexpr int kMaxApproachSteps = 100000;

// The ship's planned track from a start record. The next waypoint ahead is
// the route's (CVoyage::NextWaypoint): the nearest waypoint, or the one after
// it when the start's course made good (a fix's ground course; 0 for a plain
// position) shows it lies behind.
class CPlannedTrack {
 public:
  // Only reads the route; an empty route has no legs (the ship stays put).
  CPlannedTrack(const CVoyage& route, const CPosition2& start);

  // Latitude and longitude of the ship `hours` after the start. A leg whose
  // groundspeed is not a positive number is never left.
  void PositionAt(double hours, double& latitude, double& longitude) const;

  int GetLegCount() const { return static_cast<int>(legs_.size()); }

 private:
  struct CLeg {
    double fromLatitude;
    double fromLongitude;
    double toLatitude;
    double toLongitude;
    bool greatCircle;
    double course;  // initial course by the leg's sailing method
    double speed;   // knots
    double begins;  // hours after the start
    double ends;    // hours after the start; infinite when the ship cannot sail it
  };
  double startLatitude_;
  double startLongitude_;
  std::vector<CLeg> legs_;
};

// The ship's position at the closest approach, with its time as timeA;
// distance (nM) and bearing (degrees) from it to the warning are written to
// the out arguments. When nothing is computed (start at or after the
// scheduled arrival, an empty route, a step that is not a positive number)
// the result lies at the warning with timeA = the start's time, and distance
// and bearing keep the caller's values. The route is only read. This is the
// definition step by step; CWarningTrack gives the same, faster.
std::unique_ptr<CPosition2> ClosestApproach(const CPosition2& warning, const CVoyage& route, const CPosition2& start,
                                            double stepHours, double& distance, double& bearing);

// The same, for many warnings: the ship's stepped track does not depend on
// the warning, so it is sailed once and each warning is measured against it.
// Results equal ClosestApproach's bit for bit.
class CWarningTrack {
 public:
  // Only reads the route.
  CWarningTrack(const CVoyage& route, const CPosition2& start, double stepHours);

  std::unique_ptr<CPosition2> ClosestApproach(const CPosition2& warning, double& distance, double& bearing) const;

  int GetStepCount() const { return static_cast<int>(steps_.size()); }

  // A point on the sphere as a unit vector: the dot product of two is the
  // cosine of their great-circle distance, cheap enough to rule out most
  // candidates before the exact distance is taken.
  struct CSphereVector {
    double x = 0;
    double y = 0;
    double z = 0;
    bool exactOnly = false;  // too far out in degrees for the vector to be trusted
  };

 private:
  struct CStep {
    double latitude;
    double longitude;
    double time;
    CSphereVector vector;
  };

  double startTime_;
  std::vector<CStep> steps_;
};

}  // namespace marigold
