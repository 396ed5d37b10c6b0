#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

const CNavigation nav{};
constexpr bool kGreatCircle = true;
constexpr bool kRhumbLine = false;

TEST(RhumbLine, IdenticalPositionsGiveZeroAndNorth) {
  const CPosition2 p = At(51.5, -3.2);
  EXPECT_EQ(nav.Distance(p, p, kRhumbLine), 0.0);
  EXPECT_EQ(nav.Course(p, p, kRhumbLine), 0.0);
}

TEST(RhumbLine, SameParallelAcrossThe180thMeridianGoesTheLongWay) {
  const CPosition2 east = At(10, 179), west = At(10, -179);
  // Δλ = -358°: longitudes are not reduced.
  EXPECT_NEAR(nav.Distance(east, west, kRhumbLine), 21153.67, 0.01);
  EXPECT_NEAR(nav.Course(east, west, kRhumbLine), 270.0, 1e-6);
  EXPECT_NEAR(nav.Distance(west, east, kRhumbLine), 21153.67, 0.01);
  EXPECT_NEAR(nav.Course(west, east, kRhumbLine), 90.0, 1e-6);
}

TEST(RhumbLine, KnownLegs) {
  EXPECT_NEAR(nav.Distance(At(10, 5), At(20, 5), kRhumbLine), 600.0, 1e-6);
  EXPECT_NEAR(nav.Course(At(10, 5), At(20, 5), kRhumbLine), 0.0, 1e-6);
  EXPECT_NEAR(nav.Course(At(20, 5), At(10, 5), kRhumbLine), 180.0, 1e-6);
  // Mercator sailing, 50N 5W to 40N 20W.
  EXPECT_NEAR(nav.Distance(At(50, -5), At(40, -20), kRhumbLine), 872.875, 0.01);
  EXPECT_NEAR(nav.Course(At(50, -5), At(40, -20), kRhumbLine), 226.5767, 1e-3);
}

TEST(GreatCircle, KnownLegs) {
  EXPECT_NEAR(nav.Distance(At(0, 0), At(90, 0), kGreatCircle), 5400.0, 1e-4);
  EXPECT_NEAR(nav.Distance(At(0, 0), At(0, 90), kGreatCircle), 5400.0, 1e-4);
  EXPECT_NEAR(nav.Course(At(0, 0), At(0, 90), kGreatCircle), 90.0, 1e-6);
  EXPECT_NEAR(nav.Distance(At(0, 10), At(0, -10), kGreatCircle), 1200.0, 1e-4);
  EXPECT_NEAR(nav.Course(At(0, 10), At(0, -10), kGreatCircle), 270.0, 1e-6);
  // New York to London and back: 3005.65 nM, initial courses 051.2 and 288.3.
  const CPosition2 newYork = At(40.7128, -74.0060), london = At(51.5074, -0.1278);
  EXPECT_NEAR(nav.Distance(newYork, london, kGreatCircle), 3005.65, 0.01);
  EXPECT_NEAR(nav.Course(newYork, london, kGreatCircle), 51.2126, 1e-3);
  EXPECT_NEAR(nav.Course(london, newYork, kGreatCircle), 288.3297, 1e-3);
}

TEST(GreatCircle, DegenerateDistancesAreNeverNaN) {
  const CPosition2 p = At(37.123456789, -122.987654321);
  EXPECT_EQ(nav.Distance(p, p, kGreatCircle), 0.0);
  const double near = nav.Distance(p, At(37.123456789, -122.987654322), kGreatCircle);
  EXPECT_GE(near, 0.0);
  EXPECT_LT(near, 1e-3);
  EXPECT_NEAR(nav.Distance(At(10, 20), At(-10, -160), kGreatCircle), 10800.0, 1e-4);
  EXPECT_NEAR(nav.Distance(At(90, 0), At(-90, 0), kGreatCircle), 10800.0, 1e-4);
}

TEST(Course, AHairWestOfNorthStaysBelow360) {
  const CPosition2 from = At(0, 5), to = At(10, std::nextafter(5.0, 0.0));
  for (const bool method : {kGreatCircle, kRhumbLine}) {
    const double c = nav.Course(from, to, method);
    EXPECT_GE(c, 0.0);
    EXPECT_LT(c, 360.0);
  }
}

TEST(DeadReckoning, ZeroDistanceLeavesThePosition) {
  CPosition2 p = At(10, 179);
  nav.DeadReckoning(p, 0, 90);
  EXPECT_EQ(p.GetLatitude(), 10.0);
  EXPECT_EQ(p.GetLongitude(), 179.0);
}

TEST(DeadReckoning, DueEastAndWestKeepTheParallelAndPassThe180thMeridian) {
  const double dLon = 1 / std::cos(10 * CNavigation::pi / 180);  // 60 nM of departure at 10°
  CPosition2 p = At(10, 179);
  nav.DeadReckoning(p, 60, 90);
  EXPECT_NEAR(p.GetLatitude(), 10.0, 1e-8);
  EXPECT_NEAR(p.GetLongitude(), 179 + dLon, 1e-4);
  p = At(-10, -179);
  nav.DeadReckoning(p, 60, 270);
  EXPECT_NEAR(p.GetLatitude(), -10.0, 1e-8);
  EXPECT_NEAR(p.GetLongitude(), -179 - dLon, 1e-4);
}

TEST(DeadReckoning, GeneralCourse) {
  // 300 nM south-west from 50N 5W: d.lat 212.1' S, d.long 318.6' W.
  CPosition2 p = At(50, -5);
  nav.DeadReckoning(p, 300, 225);
  EXPECT_NEAR(p.GetLatitude(), 46.464466, 1e-5);
  EXPECT_NEAR(p.GetLongitude(), -10.310666, 1e-5);
}

TEST(DeadReckoning, RhumbLineBackGivesCourseAndDistance) {
  for (const double course : {10.0, 135.0, 200.0, 315.0}) {
    const CPosition2 start = At(-33.9, 18.4);
    CPosition2 p = start;
    nav.DeadReckoning(p, 450, course);
    EXPECT_NEAR(nav.Course(start, p, kRhumbLine), course, 1e-6);
    EXPECT_NEAR(nav.Distance(start, p, kRhumbLine), 450, 1e-6);
  }
}

TEST(DeadReckoning, CopyAndDeadReckon) {
  const CPosition2 source = At(50, -5);
  CPosition2 target = At(0, 0);
  nav.CopyAndDeadReckon(source, target, 300, 225, true);
  EXPECT_NEAR(target.GetLatitude(), 46.464466, 1e-5);
  nav.CopyAndDeadReckon(source, target, 300, 225, false);
  EXPECT_EQ(target.GetLatitude(), 50.0);
  EXPECT_EQ(target.GetLongitude(), -5.0);
}

// Summed on the sphere at 45N: within about 0.1 % of the plane sum.
TEST(Vectors, SmallVectorsSumNearlyAsInThePlane) {
  double course = 0, distance = 10;
  nav.AddVectors(course, distance, 90, 10);
  EXPECT_NEAR(course, 45.0, 0.1);
  EXPECT_NEAR(distance, std::sqrt(200.0), 0.02);

  course = 90, distance = 10;
  nav.SubtractVectors(course, distance, 0, 10);
  EXPECT_NEAR(course, 135.0, 0.1);
  EXPECT_NEAR(distance, std::sqrt(200.0), 0.02);

  course = 30, distance = 3;
  nav.AddVectors(course, distance, 30, 4);
  EXPECT_NEAR(course, 30.0, 1e-6);
  EXPECT_NEAR(distance, 7.0, 1e-6);
}

TEST(Vectors, AVectorMinusItselfIsZero) {
  double course = 123, distance = 20;
  nav.SubtractVectors(course, distance, 123, 20);
  EXPECT_NEAR(distance, 0.0, 1e-6);
}

TEST(ArrivalTime, AddsSailingTimeAndTheDestinationsUtcDifference) {
  CPosition2 from = At(0, 0), to = At(0, 2);  // 120 nM
  from.SetTime(DayNumberOf({2003, 6, 10, 8, 0, 0}));
  to.SetUtcDifference(2);
  EXPECT_EQ(nav.ArrivalTime(from, to, kGreatCircle, 10), CalendarTimeFromLocal({2003, 6, 10, 22, 0, 0}));
  to.SetUtcDifference(-5);
  EXPECT_EQ(nav.ArrivalTime(from, to, kRhumbLine, 20), CalendarTimeFromLocal({2003, 6, 10, 9, 0, 0}));
  EXPECT_EQ(nav.ArrivalTime(from, to, kGreatCircle, 0), -1);
}

// Fixes at 50N 5W and an interval later, where the ship logged 12 kn on 060
// and a current of the given set and rate carried it further.
struct FixPair {
  CFixRecord earlier, later;
  FixPair(double minutes, double set, double rate) {
    earlier.SetLatitude(50);
    earlier.SetLongitude(-5);
    earlier.SetTime(DayNumberOf({2003, 6, 10, 8, 0, 0}));
    earlier.logSpeed = 12;
    earlier.gyroCourse = 60;
    const double hours = minutes / 60;
    nav.CopyAndDeadReckon(earlier, later, 12 * hours, 60, true);
    nav.DeadReckoning(later, rate * hours, set);
    later.SetTime(earlier.GetTime() + minutes / 1440);
    later.weather.currentSet = 99;  // stale values to be overwritten
    later.weather.currentRate = 9;
  }
};

TEST(CurrentFromFixes, AcceptsAtLeastOneHourAndAtMostSevenKnots) {
  FixPair oneHour(60, 135, 7.0);
  EXPECT_TRUE(nav.CurrentFromFixes(oneHour.earlier, oneHour.later));
  EXPECT_NEAR(oneHour.later.weather.currentSet, 135.0, 1e-6);
  EXPECT_NEAR(oneHour.later.weather.currentRate, 7.0, 1e-9);

  FixPair longer(150, 200, 2.5);
  EXPECT_TRUE(nav.CurrentFromFixes(longer.earlier, longer.later));
  EXPECT_NEAR(longer.later.weather.currentSet, 200.0, 1e-6);
  EXPECT_NEAR(longer.later.weather.currentRate, 2.5, 1e-9);
}

TEST(CurrentFromFixes, RefusesShortIntervalsAndStrongRates) {
  for (FixPair pair : {FixPair(59, 135, 2.0), FixPair(60, 135, 7.1), FixPair(0, 135, 2.0), FixPair(-90, 135, 2.0)}) {
    EXPECT_FALSE(nav.CurrentFromFixes(pair.earlier, pair.later));
    EXPECT_EQ(pair.later.weather.currentSet, 0.0);
    EXPECT_EQ(pair.later.weather.currentRate, 0.0);
  }
}

TEST(DayNumbers, OfCalendarTimesInLocalClock) {
  EXPECT_DOUBLE_EQ(nav.ToDayNumber(CalendarTimeFromLocal({2000, 1, 1, 12, 0, 0})), 1.5);
  EXPECT_DOUBLE_EQ(nav.ToDayNumber(CalendarTimeFromLocal({2003, 1, 1, 0, 0, 0})), 1097.0);
  // Summer time is decided by the date, so local noon stays noon.
  const CCivilTime summer{2003, 7, 1, 12, 0, 0};
  EXPECT_DOUBLE_EQ(nav.ToDayNumber(CalendarTimeFromLocal(summer)), DayNumberOf(summer));
  EXPECT_EQ(nav.FromDayNumber(DayNumberOf(summer)), CalendarTimeFromLocal(summer));
  EXPECT_EQ(nav.FromDayNumber(DayNumberOf(summer) + 0.4 / 86400), CalendarTimeFromLocal(summer));
}

TEST(DayNumbers, RoundTripToTheSecond) {
  const std::time_t start = CalendarTimeFromLocal({2000, 1, 1, 0, 0, 0});
  for (std::time_t t = start; t < start + 40LL * 365 * 86400; t += 100003) {
    const CCivilTime f = LocalFieldsOf(t);
    if (f.month == 10 && f.hour == 2) continue;  // the repeated hour when summer time ends
    ASSERT_EQ(nav.FromDayNumber(nav.ToDayNumber(t)), t) << f.year << '-' << f.month << '-' << f.day;
  }
}

TEST(DayNumbers, NotFiniteGivesMinusOne) {
  EXPECT_EQ(nav.FromDayNumber(std::numeric_limits<double>::quiet_NaN()), -1);
  EXPECT_EQ(nav.FromDayNumber(std::numeric_limits<double>::infinity()), -1);
  EXPECT_EQ(nav.FromDayNumber(-std::numeric_limits<double>::infinity()), -1);
}

TEST(Conversions, ToDecimalDegrees) {
  EXPECT_DOUBLE_EQ(nav.ToDecimalDegrees(45, 30.0, 1), -45.5);
  EXPECT_DOUBLE_EQ(nav.ToDecimalDegrees(45, 30.0, 0), 45.5);
  EXPECT_DOUBLE_EQ(nav.ToDecimalDegrees(0, 6.0, 1), -0.1);
}

TEST(Conversions, CompassPointSectorsStartAtTheNamedDirection) {
  EXPECT_EQ(nav.CompassPoint(0), "N");
  EXPECT_EQ(nav.CompassPoint(22.4), "N");
  EXPECT_EQ(nav.CompassPoint(22.5), "NNE");
  EXPECT_EQ(nav.CompassPoint(90), "E");
  EXPECT_EQ(nav.CompassPoint(202.4), "S");
  EXPECT_EQ(nav.CompassPoint(202.5), "SSW");
  EXPECT_EQ(nav.CompassPoint(359.9), "NNW");
  EXPECT_EQ(nav.CompassPoint(360), "N");
  EXPECT_EQ(nav.CompassPoint(382.4), "N");
  EXPECT_EQ(nav.CompassPoint(-10), "N");  // truncation toward zero
  EXPECT_EQ(nav.CompassPoint(-22.5), "");
  EXPECT_EQ(nav.CompassPoint(382.5), "");
  EXPECT_EQ(nav.CompassPoint(std::numeric_limits<double>::quiet_NaN()), "");
}

}  // namespace
}  // namespace marigold
