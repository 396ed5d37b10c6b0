#include "lists/StormAdvisory.h"

#include "core/Navigation.h"

namespace marigold {
namespace {

CStormTrackPoint PointAt(const CHurricane& storm, const CPosition2& where, double time, bool deadReckoned) {
  const CNavigation nav;
  CStormTrackPoint point;
  point.ship.SetName(where.GetName());
  point.ship.SetLatitude(where.GetLatitude());
  point.ship.SetLongitude(where.GetLongitude());
  point.ship.SetUtcDifference(where.GetUtcDifference());
  point.ship.SetTime(time);
  point.deadReckoned = deadReckoned;
  point.storm.SetName(storm.GetName());
  storm.PositionAt(time, point.storm);
  point.storm.SetTime(time);
  point.distance = nav.Distance(point.ship, point.storm, true);
  point.bearing = nav.Course(point.ship, point.storm, true);
  return point;
}

}  // namespace

CStormAdvisory ComputeStormAdvisory(const CHurricane& storm, CVoyage& route, const CFixRecord& start,
                                    bool keepCourseAndSpeed) {
  CStormAdvisory advisory;
  advisory.cpa = CalculateCPA(storm, route, start);

  if (keepCourseAndSpeed) {
    const CNavigation nav;
    CPosition2 ship = start;
    for (int i = 0; i < kDeadReckonedPoints; ++i) {
      const double days = 0.25 * i;
      nav.CopyAndDeadReckon(start, ship, days * 24 * start.groundspeed, start.groundCourse, true);
      advisory.track.push_back(PointAt(storm, ship, start.GetTime() + days, true));
    }
    return advisory;
  }

  advisory.track.push_back(PointAt(storm, start, start.GetTime(), false));
  for (const CWaypoint* w = route.NextWaypoint(start); w; w = route.GetNext(w))
    advisory.track.push_back(PointAt(storm, *w, w->GetTimeA(), false));
  return advisory;
}

}  // namespace marigold
