// The schedule on worked routes of 60 nM legs along the equator or a
// meridian, where legs and current vectors add up as plain numbers. The
// expected figures come from a separate hand model of the default ship.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "core/Voyage.h"
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
  for (int i = 0; i < waypoints; ++i) {
    CWaypoint* w = route.AddNew();
    w->SetLatitude(northwards ? i : 0);
    w->SetLongitude(northwards ? 0 : i);
  }
  route.GetTail()->SetTimeB(kStart + hours * kHour);
}

// At the first waypoint, which lies abeam (its ground course 0 is 90° off):
// the ship heads for the second.
CFixRecord ShipAtFirst(double time = kStart) {
  CFixRecord fix;
  fix.SetLatitude(0);
  fix.SetLongitude(0);
  fix.groundCourse = 90;
  fix.SetTime(time);
  return fix;
}

void ExpectNoInfinity(const CVoyage& route) {
  for (const auto& record : route) {
    const auto& w = static_cast<const CWaypoint&>(*record);
    for (const double v : {w.gyroCourse, w.logDistance, w.legWeatherLogDistance, w.legRevolutions,
                           w.resistanceIndex, w.engineRpm, w.keptGroundspeed, w.GetTimeA(), w.GetTimeB()})
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
  Calculate(route, vessel, start);

  const CWaypoint& w = *route.GetTail();
  EXPECT_EQ(route.nextWaypointIndex, 1);
  EXPECT_NEAR(w.legDistance, 60, kTight);
  EXPECT_NEAR(w.gyroCourse, w.groundCourse, kTight);
  EXPECT_NEAR(w.logDistance, w.legDistance, kTight);
  EXPECT_NEAR(w.resistanceIndex, 0.6509991513165452, kTight);
  EXPECT_NEAR(w.engineRpm, 49.499827476848324, kTight);
  EXPECT_NEAR(w.keptGroundspeed, 11.894623353173584, kTight);
  EXPECT_EQ(w.GetTimeB(), kStart + 5 * kHour);
  EXPECT_NEAR(w.GetTimeA(), kStart + 5 * kHour, 1e-12);
  EXPECT_EQ(vessel.engineSetting, 70);
  EXPECT_EQ(vessel.steeredCourse, 123);

  const CScheduleTotals totals = TotalsFrom(route, vessel, start);
  EXPECT_NEAR(totals.revolutions, 14981.506654358154, 1e-6);
  EXPECT_NEAR(totals.weatherLogDistance, 63.90599490789927, kTight);
  EXPECT_NEAR(totals.fuel, 3.1823173143208923, kTight);
  EXPECT_NEAR(totals.averageResistance, 60 / 11.894623353173584 * 0.6509991513165452 / 5, kTight);
}

TEST(ScheduleCalculate, KeptLegIsLeftOutOfTheFreeTimeDistanceAndRevolutions) {
  CVoyage route;
  BuildRoute(route, 3, 10.0);
  CWaypoint& kept = *route.GetAt(1);
  kept.keepGroundspeed = true;
  kept.keptGroundspeed = 10;
  CVessel2 vessel;
  Calculate(route, vessel, ShipAtFirst());

  EXPECT_EQ(kept.keptGroundspeed, 10);
  EXPECT_NEAR(kept.engineRpm, 138.69283874795966, kTight);
  EXPECT_NEAR(route.GetTail()->engineRpm, 62.358450420015814, kTight);
  EXPECT_NEAR(route.GetTail()->keptGroundspeed, 14.984502339539537, kTight);
  EXPECT_NEAR(kept.GetTimeB(), kStart + 5 * kHour, 1e-12);
  EXPECT_NEAR(kept.GetTimeA(), kStart + 4.999552730345633 * kHour, 1e-12);
}

TEST(ScheduleCalculate, KeepRpmAgainstKeepSpeedWithAHeadWindOnTheSecondLeg) {
  for (const bool keepRpm : {true, false}) {
    CVoyage route;
    BuildRoute(route, 3, 10.0);
    route.keepRpmConstant = keepRpm;
    route.GetTail()->weather.windDirection = 90;
    route.GetTail()->weather.windSpeed = 30;
    CVessel2 vessel;
    Calculate(route, vessel, ShipAtFirst());

    const CWaypoint& a = *route.GetAt(1);
    const CWaypoint& b = *route.GetAt(2);
    EXPECT_NEAR(a.engineRpm, keepRpm ? 52.49654777938978 : 164.87138886314244, 1e-8);
    EXPECT_NEAR(b.engineRpm, keepRpm ? 52.49654777938978 : 183.2043805311206, 1e-8);
    EXPECT_NEAR(a.keptGroundspeed, keepRpm ? 12.614724030498378 : 11.885393377334008, kTight);
    EXPECT_NEAR(b.keptGroundspeed, keepRpm ? 11.35238723552373 : 11.885393377334008, kTight);
    EXPECT_NEAR(a.GetTimeA(), kStart + 4.736652285508383 * kHour, 1e-12);
  }
}

TEST(ScheduleNoTimeLeft, StartAfterTheArrivalTakesTheEstimateOrGivesNoFigures) {
  CVoyage route;
  BuildRoute(route, 3, 5.0);
  CWaypoint& last = *route.GetTail();
  last.SetTimeA(kStart + 16 * kHour);  // the estimate of an earlier run
  CVessel2 vessel;
  // No time left: no figures, and the estimate becomes the arrival.
  Calculate(route, vessel, ShipAtFirst(kStart + 6 * kHour));
  EXPECT_EQ(last.GetTimeB(), kStart + 16 * kHour);
  EXPECT_TRUE(std::isnan(route.GetAt(1)->logDistance));
  ExpectNoInfinity(route);
  // The next run sails for it: 10 hours for 120 nM.
  Calculate(route, vessel, ShipAtFirst(kStart + 6 * kHour));
  EXPECT_EQ(last.GetTimeB(), kStart + 16 * kHour);
  EXPECT_NEAR(route.GetAt(1)->GetTimeB(), kStart + 11 * kHour, 1e-12);

  last.SetTimeA(kStart + 17 * kHour);  // an estimate that has passed as well
  const CFixRecord late = ShipAtFirst(kStart + 18 * kHour);
  Calculate(route, vessel, late);
  EXPECT_EQ(last.GetTimeB(), kStart + 17 * kHour);
  EXPECT_TRUE(std::isnan(route.GetAt(1)->GetTimeB()));
  for (const CWaypoint* w : {route.GetAt(1), &last})
    EXPECT_TRUE(std::isnan(w->logDistance) && std::isnan(w->engineRpm) && std::isnan(w->GetTimeA()));
  EXPECT_TRUE(std::isnan(TotalsFrom(route, vessel, late).fuel));
  ExpectNoInfinity(route);
  // Again, now without an estimate, and from exactly the arrival: the
  // scheduled arrival stays.
  Calculate(route, vessel, late);
  Calculate(route, vessel, ShipAtFirst(kStart + 17 * kHour));
  EXPECT_EQ(last.GetTimeB(), kStart + 17 * kHour);
  EXPECT_TRUE(std::isnan(last.engineRpm));
  ExpectNoInfinity(route);
}

TEST(ScheduleCurrent, AlongTheCourseShortensTheLogDistanceAndAgainstItStopsTheShip) {
  CVoyage route;
  BuildRoute(route, 2, 5.0, true);
  CWaypoint& w = *route.GetTail();
  w.weather.currentSet = 0;
  w.weather.currentRate = 2;
  CVessel2 vessel;
  Calculate(route, vessel, ShipAtFirst());
  EXPECT_NEAR(w.logDistance, 60 * 12.0 / 14.0, kTight);
  EXPECT_NEAR(w.engineRpm, 42.646761082720644, kTight);
  EXPECT_NEAR(w.keptGroundspeed, 12.247857137461708, kTight);

  w.weather.currentSet = 180;  // against the 12 knots needed, at 12 knots
  w.weather.currentRate = 12;
  Calculate(route, vessel, ShipAtFirst());
  EXPECT_TRUE(std::isnan(w.logDistance) && std::isnan(w.gyroCourse));
  ExpectNoInfinity(route);

  w.weather.currentRate = 0;
  CFixRecord there = ShipAtFirst();  // already at the last waypoint: no speed
  there.SetLatitude(1);
  Calculate(route, vessel, there);
  EXPECT_TRUE(std::isnan(w.engineRpm));
  ExpectNoInfinity(route);
}

TEST(ScheduleSmallRoutes, EmptyAndSingleWaypointRoutes) {
  CVoyage route;
  CVessel2 vessel;
  const CFixRecord start = ShipAtFirst();
  Calculate(route, vessel, start);
  EXPECT_EQ(HoursToGo(route, start), 0);
  EXPECT_EQ(TotalsFrom(route, vessel, start).averageResistance, 0);
  EXPECT_EQ(TotalFuelFrom(route, vessel, start), 0);

  BuildRoute(route, 2, 5.0);
  route.Remove(route.GetHead());
  Calculate(route, vessel, start);
  const CWaypoint& only = *route.GetHead();
  EXPECT_NEAR(only.legDistance, 60, kTight);
  EXPECT_NEAR(only.GetTimeA(), kStart + 5 * kHour, 1e-12);
  EXPECT_TRUE(std::isfinite(TotalFuelFrom(route, vessel, start)));
}

}  // namespace
}  // namespace marigold
