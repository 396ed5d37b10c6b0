// The closest approach of the route to a warning: the stepped track, the
// "nothing computed" cases, and the batch track against the step-by-step
// definition.
#include <gtest/gtest.h>

#include "core/Navigation.h"
#include "fakes/Records.h"
#include "lists/WarningApproach.h"

namespace marigold {
namespace {

constexpr double kStart = 1000.0;

// Waypoints with the leg figures the schedule would leave: ground course of
// each leg, a groundspeed, and the arrival as the last waypoint's timeB.
CVoyage Route(const std::vector<CPosition2>& points, double speed, double arrival) {
  CVoyage route;
  const CNavigation nav;
  for (std::size_t i = 0; i < points.size(); ++i) {
    CWaypoint* w = Placed(route.AddNew(), points[i].GetLatitude(), points[i].GetLongitude());
    if (i > 0) w->groundCourse = nav.Course(points[i - 1], points[i], false);
    w->keptGroundspeed = speed + static_cast<double>(i % 3);
  }
  route.GetTail()->SetTimeB(arrival);
  return route;
}

CPosition2 StartAt(double lat, double lon, double time) {
  CPosition2 s = At(lat, lon);
  s.SetTime(time);
  return s;
}

TEST(WarningApproach, NorthboundShipPassesAWarningAbeam) {
  CVoyage route = Route({At(0, 0), At(10, 0)}, 10, kStart + 2.5);
  route.GetHead()->groundCourse = 0;
  route.GetTail()->keptGroundspeed = 10;
  route.nextWaypointIndex = 0;
  const CPosition2 warning = At(5, 1);
  double distance = 0, bearing = 0;
  const auto r = ClosestApproach(warning, route, StartAt(0, 0, kStart), 1.0, distance, bearing);
  // Thirty steps of 10 nM bring the ship to 5°N, 1° of longitude west of it.
  EXPECT_NEAR(r->GetLatitude(), 5.0, 1e-6);
  EXPECT_NEAR(r->GetLongitude(), 0.0, 1e-12);
  EXPECT_NEAR(r->GetTimeA(), kStart + 30.0 / 24, 1e-9);
  EXPECT_NEAR(distance, 59.77, 0.01);
  EXPECT_NEAR(bearing, 90.0, 0.1);
  // Stepping the ship along does not move the route's next waypoint.
  EXPECT_EQ(route.nextWaypointIndex, 0);
}

// A fix at the start, making good the given course.
CFixRecord FixAt(double lat, double lon, double time, double madeGood) {
  CFixRecord f;
  Placed(&f, lat, lon)->SetTime(time);
  f.groundCourse = madeGood;
  return f;
}

// West along the equator for four degrees, then north for two, at 10 kn:
// 36 hours of sailing, and the arrival 50 hours after the start.
CVoyage WestThenNorth() {
  CVoyage route = Route({At(0, 0), At(0, -2), At(0, -4), At(2, -4)}, 10, kStart + 50.0 / 24);
  for (const auto& w : route) static_cast<CWaypoint&>(*w).keptGroundspeed = 10;
  return route;
}

// The stepping ship follows a westbound route leg by leg and turns at each
// waypoint, rather than heading north from the first step.
TEST(WarningApproach, AWestboundShipFollowsTheRouteAndTurnsAtItsWaypoints) {
  const CVoyage route = WestThenNorth();
  const CFixRecord start = FixAt(0, 0, kStart, 270);
  const CPlannedTrack track(route, start);
  const struct {
    double hours, latitude, longitude;
  } along[] = {{0, 0, 0}, {6, 0, -1}, {12, 0, -2}, {18, 0, -3}, {24, 0, -4}, {30, 1, -4}, {36, 2, -4}, {49, 2, -4}};
  for (const auto& a : along) {
    double latitude, longitude;
    track.PositionAt(a.hours, latitude, longitude);
    EXPECT_NEAR(latitude, a.latitude, 1e-9) << a.hours;
    EXPECT_NEAR(longitude, a.longitude, 1e-9) << a.hours;
  }

  const struct {
    CPosition2 warning;
    double hours, distance, bearing;
  } warnings[] = {
      {At(0.5, -3), 18, 30, 0},    // abeam on the first leg west
      {At(1, -4.2), 30, 12, 270},  // abeam on the leg north, after the turn
      {At(3, -4), 36, 60, 0},      // beyond the last waypoint, where the ship stays
  };
  for (const auto& w : warnings) {
    SCOPED_TRACE(w.hours);
    double distance = 0, bearing = 0;
    const auto r = ClosestApproach(w.warning, route, start, 1.0, distance, bearing);
    EXPECT_NEAR(r->GetTimeA(), kStart + w.hours / 24, 1e-9);
    EXPECT_NEAR(distance, w.distance, 0.01);
    EXPECT_NEAR(bearing, w.bearing, 0.01);
  }
}

// A great-circle leg is sailed along the great circle and ends on its
// waypoint at the planned time.
TEST(WarningApproach, AGreatCircleLegEndsOnItsWaypoint) {
  CVoyage route = Route({At(50, -10), At(42, -60)}, 15, kStart + 10);
  route.GetTail()->greatCircle = true;
  route.GetTail()->keptGroundspeed = 15;
  const CNavigation nav;
  const double length = nav.Distance(*route.GetHead(), *route.GetTail(), true);
  const CPlannedTrack track(route, FixAt(50, -10, kStart, 0));
  double latitude, longitude;
  for (const double share : {0.25, 0.5, 0.75}) {
    track.PositionAt(share * length / 15, latitude, longitude);
    const CPosition2 p = At(latitude, longitude);
    EXPECT_NEAR(nav.Distance(*route.GetHead(), p, true), share * length, 1e-6);
    EXPECT_NEAR(nav.Distance(p, *route.GetTail(), true), (1 - share) * length, 1e-6);
  }
  track.PositionAt(length / 15 - 1e-9, latitude, longitude);
  EXPECT_NEAR(nav.Distance(At(latitude, longitude), *route.GetTail(), true), 0, 1e-6);
}

// A leg without a positive groundspeed is never left: the ship stays where
// it is rather than running on without end.
TEST(WarningApproach, ALegWithoutSpeedIsNeverLeft) {
  CVoyage route = WestThenNorth();
  route.GetAt(2)->keptGroundspeed = 0;
  const CPlannedTrack track(route, FixAt(0, 0, kStart, 270));
  double latitude, longitude;
  track.PositionAt(40, latitude, longitude);
  EXPECT_EQ(std::pair(latitude, longitude), std::pair(0.0, -2.0));
}

TEST(WarningApproach, NothingComputedKeepsTheCallersFigures) {
  const CPosition2 warning = At(5, 1);
  CVoyage route = Route({At(0, 0), At(10, 0)}, 10, kStart);
  CVoyage empty;
  const CPosition2 late = StartAt(0, 0, kStart + 0.5);
  const CPosition2 inTime = StartAt(0, 0, kStart - 1);
  const double nan = std::numeric_limits<double>::quiet_NaN();

  using CCase = std::tuple<CVoyage*, const CPosition2*, double>;  // the route, the start, the step
  for (const auto& [voyage, start, step] :
       {CCase{&route, &late, 1.0}, CCase{&route, &inTime, 0.0}, CCase{&route, &inTime, -1.0},
        CCase{&route, &inTime, nan}, CCase{&empty, &inTime, 1.0}}) {
    double distance = -7, bearing = -8;
    const auto r = ClosestApproach(warning, *voyage, *start, step, distance, bearing);
    EXPECT_EQ(std::tuple(r->GetLatitude(), r->GetLongitude(), r->GetTimeA(), distance, bearing),
              std::tuple(5.0, 1.0, start->GetTime(), -7.0, -8.0));

    const CWarningTrack track(*voyage, *start, step);
    EXPECT_EQ(track.GetStepCount(), 0);
    const auto b = track.ClosestApproach(warning, distance, bearing);
    EXPECT_EQ(std::tuple(b->GetTimeA(), distance), std::tuple(start->GetTime(), -7.0));
  }
}

TEST(WarningApproach, AnArrivalYearsAheadIsFollowedOnlySoFar) {
  CVoyage route = Route({At(0, 0), At(10, 0)}, 10, 1.0e9);
  const CWarningTrack track(route, StartAt(0, 0, kStart), 1.0);
  EXPECT_EQ(track.GetStepCount(), kMaxApproachSteps);
}

// A route with legs in every quarter (southbound legs make the ship head for
// the waypoint after the nearest), a waypoint entered twice (equally near:
// the first counts), a start off the route, and warnings near, far, on a
// waypoint, across the track, on a grid over the area and without a position.
TEST(WarningTrack, BatchEqualsTheStepByStepDefinition) {
  CVoyage route = Route({At(48, -5), At(46, -8), At(43, -9.5), At(40, -9.8), At(37, -9), At(36, -6), At(37.5, 0),
                         At(37.5, 0), At(38.5, 5), At(37, 11), At(35, 15)},
                        11, kStart + 6);
  const CPosition2 start = StartAt(48.2, -5.3, kStart + 0.1);
  route.GetHead()->groundCourse = CNavigation().Course(start, *route.GetHead(), false);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::vector<CPosition2> warnings = {At(44, -9),  At(36.5, -5.9), At(37, 11), At(-30, 150),
                                      At(38, 2.5), At(40, -9.8),   At(nan, 3)};
  for (double lat = 34; lat <= 50; lat += 4)
    for (double lon = -12; lon <= 16; lon += 4) warnings.push_back(At(lat, lon));
  const CWarningTrack track(route, start, 1.0);
  EXPECT_GT(track.GetStepCount(), 100);
  for (const CPosition2& warning : warnings) {
    double d1 = -1, b1 = -1, d2 = -1, b2 = -1;
    const auto naive = ClosestApproach(warning, route, start, 1.0, d1, b1);
    const auto batch = track.ClosestApproach(warning, d2, b2);
    // Bit for bit, not merely close; NaN compares as itself.
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    EXPECT_TRUE(same(naive->GetLatitude(), batch->GetLatitude()) && same(naive->GetLongitude(), batch->GetLongitude()))
        << warning.GetLatitude();
    EXPECT_EQ(std::tuple(naive->GetTimeA(), d1, b1), std::tuple(batch->GetTimeA(), d2, b2)) << warning.GetLatitude();
  }
}

}  // namespace
}  // namespace marigold
