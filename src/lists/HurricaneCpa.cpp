#include "lists/HurricaneCpa.h"

#include <cmath>

#include "core/Angles.h"
#include "core/CivilTime.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

// The along-track distance to the abeam point, kept on the leg. The angle
// is turned into radians with 1/57.3, as the figures always have been.
double AlongTrack(double bearing, double legCourse, double range, double legLength) {
  double a = std::cos((bearing - legCourse) * kRoughRadiansPerDegree) * range;
  if (a > legLength) a = legLength;
  if (a < 0) a = 0;
  return a;
}

void Take(CStormCpa& cpa, const CPosition2& storm, double time, double distance, double bearing) {
  cpa.stormPosition.SetLatitude(storm.GetLatitude());
  cpa.stormPosition.SetLongitude(storm.GetLongitude());
  cpa.stormPosition.SetTimeA(time);
  cpa.distance = distance;
  cpa.bearing = bearing;
}

}  // namespace

bool CStormCpa::IsAvailable() const {
  return std::isfinite(stormPosition.GetTimeA()) && std::isfinite(stormPosition.GetLatitude()) &&
         std::isfinite(stormPosition.GetLongitude()) && std::isfinite(distance) && std::isfinite(bearing);
}

CStormCpa CalculateCPA(const CHurricane& storm, CVoyage& route, const CFixRecord& start) {
  CStormCpa cpa;
  cpa.stormPosition.SetName(storm.GetName());
  cpa.stormPosition.SetLatitude(storm.GetLatitude());
  cpa.stormPosition.SetLongitude(storm.GetLongitude());
  cpa.stormPosition.SetTimeA(kNotANumber);

  const double groundspeed = start.groundspeed;
  const CWaypoint* next = route.NextWaypoint(start);
  if (!next || !(groundspeed > 0) || !std::isfinite(groundspeed)) return cpa;

  const CNavigation nav;
  CPosition2 eye;   // the storm at the time in question
  CPosition2 ship;  // the ship at the abeam point

  // First leg, from the start to the next waypoint: bearing by great circle.
  double legCourse = nav.Course(start, *next, false);
  double legLength = nav.Distance(start, *next, false);
  storm.PositionAt(start.GetTime(), eye);
  double a = AlongTrack(nav.Course(start, eye, true), legCourse, nav.Distance(start, eye, true), legLength);
  double t = start.GetTime() + a / groundspeed / 24;
  nav.CopyAndDeadReckon(start, ship, a, legCourse, true);
  storm.PositionAt(t, eye);
  Take(cpa, eye, t, nav.Distance(ship, eye, true), nav.Course(ship, eye, true));

  // Later legs, from each waypoint's estimated time: bearing by rhumb line.
  for (const CWaypoint *from = next, *to = route.GetNext(next); to; from = to, to = route.GetNext(to)) {
    storm.PositionAt(from->GetTimeA(), eye);
    legLength = nav.Distance(*from, *to, false);
    legCourse = nav.Course(*from, *to, false);
    a = AlongTrack(nav.Course(*from, eye, false), legCourse, nav.Distance(*from, eye, true), legLength);
    t = from->GetTimeA() + a / groundspeed / 24;
    nav.CopyAndDeadReckon(*from, ship, a, legCourse, true);
    storm.PositionAt(t, eye);
    const double d = nav.Distance(ship, eye, true);
    if (d < cpa.distance) Take(cpa, eye, t, d, nav.Course(ship, eye, true));
  }
  return cpa;
}

CStormCpaTexts FormatStormCpa(const CStormCpa& cpa) {
  CStormCpaTexts texts;
  if (!cpa.IsAvailable()) {
    texts.time = texts.latitude = texts.longitude = texts.distance = texts.bearing = "NA";
    return texts;
  }
  texts.time = FormatDayNumber("%A %d %b %H:%M UTC", cpa.stormPosition.GetTimeA());
  texts.latitude = cpa.stormPosition.LatitudeText();
  texts.longitude = cpa.stormPosition.LongitudeText();
  texts.distance = FormatFigure("%#8.1f nM", cpa.distance);
  texts.bearing = FormatFigure("%#3.1f deg", cpa.bearing);
  return texts;
}

}  // namespace marigold
