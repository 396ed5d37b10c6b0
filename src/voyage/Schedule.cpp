#include "voyage/Schedule.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "core/Navigation.h"
#include "voyage/ScheduleMath.h"

namespace marigold {

using schedule::kNaN;
using schedule::LegHours;
using schedule::PerHour;
using schedule::Ratio;

namespace {

// A vector sum shorter than this share of its parts is what rounding (and
// the navigation's 3.141592654) leave of vectors that cancel: no way made.
constexpr double kStandstill = 1e-6;

// The legs to go: from the start to waypoint `first`, then on to the last.
struct CLegs {
  const CFixRecord& start;
  std::vector<CWaypoint*> waypoints;
  std::size_t first;

  std::size_t Count() const { return waypoints.size(); }
  const CPosition2& From(std::size_t k) const {
    return k == first ? static_cast<const CPosition2&>(start) : *waypoints[k - 1];
  }
};

// Course over the ground and distance of each leg to go; the distance to go.
double GroundLegs(const CLegs& legs, const CNavigation& nav) {
  double distanceToGo = 0;
  for (std::size_t k = legs.first; k < legs.Count(); ++k) {
    CWaypoint& w = *legs.waypoints[k];
    w.legDistance = nav.Distance(legs.From(k), w, w.greatCircle);
    w.groundCourse = nav.Course(legs.From(k), w, w.greatCircle);
    distanceToGo += w.legDistance;
  }
  return distanceToGo;
}

// Course to steer and distance through the water at the average speed: the
// ground vector plus the current.
void WaterLegs(const CLegs& legs, double averageSpeed, const CNavigation& nav) {
  for (std::size_t k = legs.first; k < legs.Count(); ++k) {
    CWaypoint& w = *legs.waypoints[k];
    double course = w.groundCourse;
    double speed = averageSpeed;
    nav.SubtractVectors(course, speed, w.weather.currentSet + 180, w.weather.currentRate);
    if (speed > kStandstill * (std::fabs(averageSpeed) + std::fabs(w.weather.currentRate))) {
      w.gyroCourse = course;
      w.logDistance = Ratio(averageSpeed, speed) * w.legDistance;
    } else {
      w.gyroCourse = kNaN;
      w.logDistance = kNaN;
    }
  }
}

// Resistance index of every leg of the route, passed ones too, at the rpm
// of the average speed (or of the kept speed).
void ResistanceIndices(const CLegs& legs, double averageSpeed, CVessel2& vessel, const CNavigation& nav) {
  const double savedSetting = vessel.engineSetting;
  const double savedCourse = vessel.steeredCourse;
  const double rpm0 = vessel.RpmForTheoreticalSpeed(averageSpeed);
  vessel.engineSetting = rpm0;
  for (std::size_t i = 1; i < legs.Count(); ++i) {
    CWaypoint& w = *legs.waypoints[i];
    w.engineRpm = w.keepGroundspeed ? vessel.RpmForTheoreticalSpeed(w.keptGroundspeed) : rpm0;
    // The legs to go after the first already hold this course.
    vessel.steeredCourse = i > legs.first ? w.groundCourse : nav.Course(*legs.waypoints[i - 1], w, w.greatCircle);
    w.resistanceIndex =
        vessel.HullResistance(w.engineRpm) +
        vessel.WindResistance(w.engineRpm, vessel.steeredCourse, w.weather.windDirection, w.weather.windSpeed);
  }
  vessel.engineSetting = savedSetting;
  vessel.steeredCourse = savedCourse;
}

// The groundspeed of a leg without a kept speed. One that cannot be computed
// (no time left, a current that stops the ship) leaves the last planned one:
// the field is archived, and other readers of the route document take it as
// a speed to use, so it never holds not-a-number.
void SetLegGroundspeed(CWaypoint& w, double speed) {
  if (std::isfinite(speed)) w.keptGroundspeed = speed;
}

void KeepRpmConstant(const CLegs& legs, double rpm, const CVessel2& vessel, const CNavigation& nav) {
  for (CWaypoint* w : legs.waypoints)
    if (!w->keepGroundspeed) w->engineRpm = rpm;
  for (CWaypoint* w : legs.waypoints) {
    double course = w->groundCourse;
    if (w->keepGroundspeed) {
      double speed = w->keptGroundspeed;
      nav.SubtractVectors(course, speed, w->weather.currentSet, w->weather.currentRate);
      w->engineRpm = vessel.RpmForSpeed(speed, w->resistanceIndex);
    } else {
      double speed = vessel.SpeedThroughWater(w->engineRpm, w->resistanceIndex);
      nav.AddVectors(course, speed, w->weather.currentSet, w->weather.currentRate);
      SetLegGroundspeed(*w, speed);
    }
  }
}

void KeepSpeedConstant(const CLegs& legs, double speed, const CVessel2& vessel, const CNavigation& nav) {
  for (CWaypoint* w : legs.waypoints) {
    if (!w->keepGroundspeed) SetLegGroundspeed(*w, speed);
    double course = w->groundCourse;
    double water = w->keepGroundspeed ? w->keptGroundspeed : speed;
    nav.SubtractVectors(course, water, w->weather.currentSet, w->weather.currentRate);
    w->engineRpm = vessel.RpmForSpeed(water, w->resistanceIndex);
  }
}

// With no time left there is nothing to spread: the estimated times are those
// of the legs to go sailed at their planned groundspeeds from the start, so
// that the next run has an arrival to sail for. A leg without a positive
// speed leaves it and every later waypoint without an estimate.
void EstimateAtPlannedSpeeds(const CLegs& legs) {
  double t = legs.start.GetTime();
  for (std::size_t k = legs.first; k < legs.Count(); ++k) {
    CWaypoint& w = *legs.waypoints[k];
    const double speed = w.keptGroundspeed;
    t += (speed > 0 ? LegHours(w.legDistance, speed) : kNaN) / 24;
    w.SetTimeA(t);
  }
}

// The remaining hours spread over the legs to go by the share of each leg
// in `total`; the running time is written through `set`.
template <class Share, class Set>
void SpreadTimes(const CLegs& legs, double hours, Share share, Set set) {
  double total = 0;
  for (std::size_t k = legs.first; k < legs.Count(); ++k) total += share(*legs.waypoints[k]);
  double t = legs.start.GetTime();
  for (std::size_t k = legs.first; k < legs.Count(); ++k) {
    CWaypoint& w = *legs.waypoints[k];
    t += (hours > 0 ? Ratio(share(w), total) * hours : kNaN) / 24;
    set(w, t);
  }
}

}  // namespace

double HoursToGo(const CVoyage& route, const CFixRecord& start) {
  const CWaypoint* last = route.GetTail();
  return last ? (last->GetTimeB() - start.GetTime()) * 24 : 0;
}

void Calculate(CVoyage& route, CVessel2& vessel, const CFixRecord& start) {
  if (route.IsEmpty()) return;
  const CNavigation nav;
  route.NextWaypoint(start);
  const CLegs legs{start, schedule::WaypointsOf(route), static_cast<std::size_t>(route.nextWaypointIndex)};

  CWaypoint& last = *legs.waypoints.back();

  // A start after the scheduled arrival: the estimated arrival (when there
  // is one) becomes the scheduled one before anything is computed, so that
  // this run sails for it (replaced only for the scheduled times, the
  // figures would be those of no time at all). When the estimate has passed
  // as well there is no time left: the figures are not numbers, and the run
  // leaves a new estimate at the planned speeds (below) for the next run to
  // sail for, so a late ship is never stuck.
  if (start.GetTime() > last.GetTimeB() && std::isfinite(last.GetTimeA())) last.SetTimeB(last.GetTimeA());

  // The average groundspeed that brings the ship in at the scheduled time.
  const double distanceToGo = GroundLegs(legs, nav);
  const double hours = HoursToGo(route, start);
  const double averageSpeed = PerHour(distanceToGo, hours);

  WaterLegs(legs, averageSpeed, nav);
  ResistanceIndices(legs, averageSpeed, vessel, nav);
  for (std::size_t k = legs.first; k < legs.Count(); ++k) {
    CWaypoint& w = *legs.waypoints[k];
    w.legWeatherLogDistance = (1 + 0.1 * w.resistanceIndex) * w.logDistance;
    w.legRevolutions = vessel.RevolutionsForDistance(w.logDistance, w.resistanceIndex);
  }

  // What is left for the legs without a kept speed, less the manoeuvre at
  // the end of the passage.
  double freeHours = hours;
  double freeDistance = 0;
  double freeRevolutions = 0;
  for (std::size_t k = legs.first; k < legs.Count(); ++k) {
    const CWaypoint& w = *legs.waypoints[k];
    if (w.keepGroundspeed) {
      freeHours -= LegHours(w.legDistance, w.keptGroundspeed);
    } else {
      freeDistance += w.legDistance;
      freeRevolutions += w.legRevolutions;
    }
  }
  const double rpm1 = freeHours > 0 ? Ratio(freeRevolutions, freeHours * 60) : kNaN;
  const double runHours = freeHours - vessel.StopTime(rpm1) / 60;
  const double runRevolutions = freeRevolutions - vessel.RevolutionsWhileStopping(rpm1);
  const double runDistance = freeDistance - vessel.StopDistance(rpm1, 0);

  if (route.keepRpmConstant)
    KeepRpmConstant(legs, runHours > 0 ? Ratio(runRevolutions, runHours * 60) : kNaN, vessel, nav);
  else
    KeepSpeedConstant(legs, PerHour(runDistance, runHours), vessel, nav);

  const double arrival = last.GetTimeB();

  // Scheduled times by log distance.
  SpreadTimes(
      legs, hours, [](const CWaypoint& w) { return w.logDistance; }, [](CWaypoint& w, double t) { w.SetTimeB(t); });
  last.SetTimeB(arrival);

  // Estimated times by weather log distance.
  if (hours > 0)
    SpreadTimes(
        legs, hours, [](const CWaypoint& w) { return w.legWeatherLogDistance; },
        [](CWaypoint& w, double t) { w.SetTimeA(t); });
  else
    EstimateAtPlannedSpeeds(legs);
}

const CFixRecord& RebuildDeparture(CFixRecord& departure, const CVoyage& route, const CFixRecord* latestFix) {
  const CPosition2* source = latestFix;
  if (route.GetCount() >= 2) {
    const CWaypoint& second = *route.GetAt(1);
    departure.groundCourse = second.groundCourse;
    departure.groundspeed = second.keptGroundspeed;
    departure.engineRpm = second.engineRpm;
    source = route.GetHead();
  }
  if (!source) return departure;
  departure.SetName(source->GetName());
  departure.SetLatitude(source->GetLatitude());
  departure.SetLongitude(source->GetLongitude());
  departure.SetUtcDifferenceDays(source->GetUtcDifferenceDays());
  departure.SetTime(source->GetTime());
  departure.SetTimeA(source->GetTimeA());
  departure.SetTimeB(source->GetTimeB());
  return departure;
}

}  // namespace marigold
