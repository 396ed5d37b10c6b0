// The schedule on worked routes of 60 nM legs along the equator or a
// meridian, where legs and current vectors add up as plain numbers. The
// expected figures come from a separate hand model of the default ship.
#include <gtest/gtest.h>

#include <limits>

#include "core/Voyage.h"
#include "fakes/Records.h"
#include "fakes/TestSupport.h"
#include "vessel/Vessel2.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

constexpr double kStart = 1000.0;  // day number of the start
constexpr double kHour = 1.0 / 24;
constexpr double kTight = 1e-9;

// Waypoints a degree apart eastwards (or northwards) from 0°N 0°E, the last
// one due `hours` after the start.
void BuildRoute(CVoyage& route, int waypoints, double hours, bool northwards = false) {
  for (int i = 0; i < waypoints; ++i) Placed(route.AddNew(), northwards ? i : 0, northwards ? 0 : i);
  route.GetTail()->SetTimeB(kStart + hours * kHour);
}

// At the first waypoint, which lies abeam (its ground course 0 is 90° off):
// the ship heads for the second.
CFixRecord ShipAtFirst(double time = kStart) {
  CFixRecord fix;
  Placed(&fix, 0, 0)->SetTime(time);
  fix.groundCourse = 90;
  return fix;
}

// Calculates the schedule, which never holds an infinite figure, whatever it
// is given.
void Calculated(CVoyage& route, CVessel2& vessel, const CFixRecord& start) {
  Calculate(route, vessel, start);
  for (const auto& record : route) {
    const auto& w = static_cast<const CWaypoint&>(*record);
    for (const double v : {w.gyroCourse, w.logDistance, w.legWeatherLogDistance, w.legRevolutions, w.resistanceIndex,
                           w.engineRpm, w.keptGroundspeed, w.GetTimeA(), w.GetTimeB()})
      EXPECT_FALSE(std::isinf(v));
  }
}

TEST(ScheduleCalculate, TwoWaypointsWithoutCurrentArriveOnTheScheduledTime) {
  CVoyage route;
  BuildRoute(route, 2, 5.0);  // 12 knots
  CVessel2 vessel;
  vessel.engineSetting = 70;
  vessel.steeredCourse = 123;
  const CFixRecord start = ShipAtFirst();
  Calculated(route, vessel, start);

  const CWaypoint& w = *route.GetTail();
  EXPECT_EQ(route.nextWaypointIndex, 1);
  ExpectNear({w.legDistance, w.gyroCourse, w.logDistance, w.resistanceIndex, w.engineRpm, w.keptGroundspeed},
             {60, w.groundCourse, w.legDistance, 0.6509991513165452, 49.499827476848324, 11.894623353173584}, kTight);
  EXPECT_EQ(w.GetTimeB(), kStart + 5 * kHour);
  EXPECT_NEAR(w.GetTimeA(), kStart + 5 * kHour, 1e-12);
  EXPECT_EQ(std::tuple(vessel.engineSetting, vessel.steeredCourse), std::tuple(70.0, 123.0));

  const CScheduleTotals totals = TotalsFrom(route, vessel, start);
  EXPECT_NEAR(totals.revolutions, 14981.506654358154, 1e-6);
  ExpectNear({totals.weatherLogDistance, totals.fuel, totals.averageResistance},
             {63.90599490789927, 3.1823173143208923, 60 / 11.894623353173584 * 0.6509991513165452 / 5}, kTight);
}

TEST(ScheduleCalculate, KeptLegIsLeftOutOfTheFreeTimeDistanceAndRevolutions) {
  CVoyage route;
  BuildRoute(route, 3, 10.0);
  CWaypoint& kept = *route.GetAt(1);
  kept.keepGroundspeed = true;
  kept.keptGroundspeed = 10;
  CVessel2 vessel;
  Calculated(route, vessel, ShipAtFirst());

  EXPECT_EQ(kept.keptGroundspeed, 10);
  ExpectNear({kept.engineRpm, route.GetTail()->engineRpm, route.GetTail()->keptGroundspeed},
             {138.69283874795966, 62.358450420015814, 14.984502339539537}, kTight);
  ExpectNear({kept.GetTimeB(), kept.GetTimeA()}, {kStart + 5 * kHour, kStart + 4.999552730345633 * kHour}, 1e-12);
}

TEST(ScheduleCalculate, KeepRpmAgainstKeepSpeedWithAHeadWindOnTheSecondLeg) {
  for (const bool keepRpm : {true, false}) {
    CVoyage route;
    BuildRoute(route, 3, 10.0);
    route.keepRpmConstant = keepRpm;
    route.GetTail()->weather.windDirection = 90;
    route.GetTail()->weather.windSpeed = 30;
    CVessel2 vessel;
    Calculated(route, vessel, ShipAtFirst());

    const CWaypoint& a = *route.GetAt(1);
    const CWaypoint& b = *route.GetAt(2);
    SCOPED_TRACE(keepRpm ? "keep rpm" : "keep speed");
    ExpectNear({a.engineRpm, b.engineRpm},
               {keepRpm ? 52.49654777938978 : 164.87138886314244, keepRpm ? 52.49654777938978 : 183.2043805311206},
               1e-8);
    ExpectNear({a.keptGroundspeed, b.keptGroundspeed},
               {keepRpm ? 12.614724030498378 : 11.885393377334008, keepRpm ? 11.35238723552373 : 11.885393377334008},
               kTight);
    EXPECT_NEAR(a.GetTimeA(), kStart + 4.736652285508383 * kHour, 1e-12);
  }
}

TEST(ScheduleNoTimeLeft, StartAfterTheArrivalTakesTheEstimateOrGivesNoFigures) {
  CVoyage route;
  BuildRoute(route, 3, 5.0);
  CWaypoint& last = *route.GetTail();
  last.SetTimeA(kStart + 16 * kHour);  // the estimate of an earlier run
  CVessel2 vessel;
  // Past the arrival: the estimate becomes the arrival, and the run sails
  // for it at once: 10 hours for 120 nM.
  Calculated(route, vessel, ShipAtFirst(kStart + 6 * kHour));
  EXPECT_EQ(last.GetTimeB(), kStart + 16 * kHour);
  EXPECT_NEAR(route.GetAt(1)->GetTimeB(), kStart + 11 * kHour, 1e-12);
  EXPECT_TRUE(std::isfinite(route.GetAt(1)->logDistance) && std::isfinite(last.engineRpm));

  last.SetTimeA(kStart + 17 * kHour);  // an estimate that has passed as well
  const CFixRecord late = ShipAtFirst(kStart + 18 * kHour);
  Calculated(route, vessel, late);
  EXPECT_TRUE(last.GetTimeB() == kStart + 17 * kHour && std::isnan(route.GetAt(1)->GetTimeB()));
  for (const CWaypoint* w : {route.GetAt(1), &last})
    EXPECT_TRUE(std::isnan(w->logDistance) && std::isnan(w->engineRpm));
  EXPECT_TRUE(std::isnan(TotalsFrom(route, vessel, late).fuel));
  // Exactly at the arrival there is no time left either, and the scheduled
  // arrival stays.
  Calculated(route, vessel, ShipAtFirst(kStart + 17 * kHour));
  EXPECT_TRUE(last.GetTimeB() == kStart + 17 * kHour && std::isnan(last.engineRpm));
}

// A run with no time left estimates the arrival at the legs' planned
// groundspeeds (which it keeps), and the next run sails for that estimate
// with every figure again: a late ship is never stuck with "NA", whatever
// estimate an earlier run left.
TEST(ScheduleNoTimeLeft, ARunWithNoTimeLeftLeavesAnEstimateThatTheNextRunSailsFor) {
  for (const double earlier : {std::numeric_limits<double>::quiet_NaN(), kStart + 17 * kHour}) {
    SCOPED_TRACE(earlier);
    CVoyage route;
    BuildRoute(route, 3, 10.0);
    CWaypoint& last = *route.GetTail();
    CVessel2 vessel;
    Calculated(route, vessel, ShipAtFirst());  // 120 nM in 10 hours
    const double planned1 = route.GetAt(1)->keptGroundspeed;
    const double planned2 = last.keptGroundspeed;
    last.SetTimeA(earlier);  // no estimate, or one that has passed
    const CFixRecord late = ShipAtFirst(kStart + 18 * kHour);

    Calculated(route, vessel, late);
    EXPECT_TRUE(std::isnan(route.GetAt(1)->engineRpm) && std::isnan(route.GetAt(1)->GetTimeB()));
    EXPECT_EQ(std::pair(route.GetAt(1)->keptGroundspeed, last.keptGroundspeed), std::pair(planned1, planned2));
    const double estimate1 = kStart + 18 * kHour + route.GetAt(1)->legDistance / planned1 * kHour;
    const double estimate2 = estimate1 + last.legDistance / planned2 * kHour;
    ExpectNear({route.GetAt(1)->GetTimeA(), last.GetTimeA()}, {estimate1, estimate2}, 1e-12);

    Calculated(route, vessel, late);
    EXPECT_EQ(last.GetTimeB(), estimate2);
    for (const CWaypoint* w : {route.GetAt(1), &last})
      EXPECT_TRUE(std::isfinite(w->engineRpm) && std::isfinite(w->logDistance) && std::isfinite(w->GetTimeA()) &&
                  std::isfinite(w->GetTimeB()));
    EXPECT_NEAR(last.keptGroundspeed, planned2, 0.1);  // the same ten hours, less the end manoeuvre
  }
}

TEST(ScheduleCurrent, AlongTheCourseShortensTheLogDistanceAndAgainstItStopsTheShip) {
  CVoyage route;
  BuildRoute(route, 2, 5.0, true);
  CWaypoint& w = *route.GetTail();
  w.weather.currentSet = 0;
  w.weather.currentRate = 2;
  CVessel2 vessel;
  Calculated(route, vessel, ShipAtFirst());
  ExpectNear({w.logDistance, w.engineRpm, w.keptGroundspeed},
             {60 * 12.0 / 14.0, 42.646761082720644, 12.247857137461708}, kTight);

  w.weather.currentSet = 180;  // against the 12 knots needed, at 12 knots
  w.weather.currentRate = 12;
  Calculated(route, vessel, ShipAtFirst());
  EXPECT_TRUE(std::isnan(w.logDistance) && std::isnan(w.gyroCourse));

  w.weather.currentRate = 0;
  CFixRecord there = ShipAtFirst();  // already at the last waypoint: no speed
  there.SetLatitude(1);
  Calculated(route, vessel, there);
  EXPECT_TRUE(std::isnan(w.engineRpm));
}

TEST(ScheduleSmallRoutes, EmptyAndSingleWaypointRoutes) {
  CVoyage route;
  CVessel2 vessel;
  const CFixRecord start = ShipAtFirst();
  Calculated(route, vessel, start);
  EXPECT_EQ(std::tuple(HoursToGo(route, start), TotalsFrom(route, vessel, start).averageResistance,
                       TotalFuelFrom(route, vessel, start)),
            std::tuple(0.0, 0.0, 0.0));

  BuildRoute(route, 2, 5.0);
  route.Remove(route.GetHead());
  Calculated(route, vessel, start);
  const CWaypoint& only = *route.GetHead();
  ExpectNear({only.legDistance, only.GetTimeA()}, {60, kStart + 5 * kHour}, 1e-12);
  EXPECT_TRUE(std::isfinite(TotalFuelFrom(route, vessel, start)));
}

}  // namespace
}  // namespace marigold
