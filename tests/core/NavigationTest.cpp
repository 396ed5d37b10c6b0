// Day numbers and civil time on the local clock, time formats, and navigation on the sphere.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

constexpr double kSecond = 1.0 / 86400;

TEST(DayNumber, KnownDates) {
  EXPECT_DOUBLE_EQ(DayNumberOf({1999, 12, 31, 0, 0, 0}), 0.0);
  EXPECT_DOUBLE_EQ(DayNumberOf({2000, 1, 1, 0, 0, 0}), 1.0);
  EXPECT_DOUBLE_EQ(DayNumberOf({2000, 1, 1, 12, 0, 0}), 1.5);
  EXPECT_DOUBLE_EQ(DayNumberOf({2000, 3, 1, 0, 0, 0}), 61.0);  // 2000-02-29 exists
  EXPECT_DOUBLE_EQ(DayNumberOf({2003, 1, 1, 0, 0, 0}), 1097.0);
  EXPECT_DOUBLE_EQ(DayNumberOf({2003, 12, 5, 12, 30, 36}), 1435.0 + 45036 * kSecond);
  // Before day zero the value is mirrored, not negative.
  EXPECT_DOUBLE_EQ(DayNumberOf({1999, 12, 30, 12, 0, 0}), 0.5);
}

bool IsLeap(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

// Walks every day of 2000-2099 by day number and checks that the fields are
// the next calendar day each time and convert back to the same day number.
TEST(DayNumber, CivilFieldsRoundTripEveryDayOf2000To2099) {
  static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const double timeOfDay = (13 * 3600 + 14 * 60 + 15) * kSecond;
  CCivilTime previous{1999, 12, 31, 13, 14, 15};
  int leapDays = 0;
  for (int n = 1; n <= 36525; ++n) {
    const CCivilTime t = CivilTimeOf(n + timeOfDay);
    ASSERT_NEAR(DayNumberOf(t), n + timeOfDay, 1e-9) << t.year << '-' << t.month << '-' << t.day;
    ASSERT_EQ(std::tie(t.hour, t.minute, t.second), std::make_tuple(13, 14, 15));
    if (t.day == 1) {
      const int length = kMonthDays[previous.month - 1] + (previous.month == 2 && IsLeap(previous.year) ? 1 : 0);
      ASSERT_EQ(previous.day, length) << previous.year << '-' << previous.month;
      ASSERT_EQ(std::tie(t.month, t.year),
                std::make_tuple(previous.month % 12 + 1, previous.year + (previous.month == 12 ? 1 : 0)));
    } else {
      ASSERT_EQ(std::tie(t.day, t.month, t.year), std::make_tuple(previous.day + 1, previous.month, previous.year));
    }
    if (t.month == 2 && t.day == 29) ++leapDays;
    previous = t;
  }
  EXPECT_EQ(previous, (CCivilTime{2099, 12, 31, 13, 14, 15}));
  EXPECT_EQ(leapDays, 25);
}

TEST(DayNumber, CivilTimeRoundsToTheNearestSecond) {
  const CCivilTime noon{2003, 12, 5, 12, 30, 0};
  EXPECT_EQ(CivilTimeOf(DayNumberOf(noon) - 0.4 * kSecond), noon);
  EXPECT_EQ(CivilTimeOf(DayNumberOf(noon) + 0.4 * kSecond), noon);
  EXPECT_EQ(CivilTimeOf(1.0 - 1e-12), (CCivilTime{2000, 1, 1, 0, 0, 0}));
  // Rounding up carries through minute, hour, day, month and year.
  EXPECT_EQ(CivilTimeOf(DayNumberOf({2003, 12, 31, 23, 59, 59}) + 0.6 * kSecond), (CCivilTime{2004, 1, 1, 0, 0, 0}));
  EXPECT_EQ(CivilTimeOf(-0.5), (CCivilTime{1999, 12, 30, 12, 0, 0}));
  EXPECT_EQ(CivilTimeOf(std::numeric_limits<double>::quiet_NaN()), CCivilTime{});
  EXPECT_EQ(CivilTimeOf(std::numeric_limits<double>::infinity()), CCivilTime{});
  EXPECT_EQ(CivilTimeOf(1e300), CCivilTime{});
}

TEST(DayNumber, Weekday) {
  // Saturday, Friday, Thursday, and a Sunday before 1970.
  EXPECT_EQ((std::vector<int>{WeekdayOf({2000, 1, 1, 0, 0, 0}), WeekdayOf({2003, 12, 5, 0, 0, 0}),
                              WeekdayOf({2024, 2, 29, 0, 0, 0}), WeekdayOf({1969, 12, 28, 0, 0, 0})}),
            (std::vector<int>{6, 5, 4, 0}));
}

TEST(FormatTime, Codes) {
  const CCivilTime t{2003, 12, 5, 7, 3, 9};
  EXPECT_EQ(FormatTime("%A %d %b %H:%M LT", t), "Friday 05 Dec 07:03 LT");
  EXPECT_EQ(FormatTime("%d%H%MZ%b%y/", t), "050703ZDec03/");
  EXPECT_EQ(FormatTime("%a %B %Y-%m-%d %S", t), "Fri December 2003-12-05 09");
  const std::tuple<const char*, CCivilTime, const char*> cases[] = {{"%I%p", t, "07AM"},
                                                                    {"%I%p", {2003, 12, 5, 0, 0, 0}, "12AM"},
                                                                    {"%I%p", {2003, 12, 5, 12, 0, 0}, "12PM"},
                                                                    {"%j", {2008, 12, 31, 0, 0, 0}, "366"},
                                                                    {"%j", {2003, 1, 1, 0, 0, 0}, "001"},
                                                                    {"%y", {2000, 1, 1, 0, 0, 0}, "00"}};
  for (const auto& [format, time, text] : cases) EXPECT_EQ(FormatTime(format, time), text) << format;
  // Unknown codes and a trailing % pass through.
  EXPECT_EQ(FormatTime("100%% %Q %", t), "100% %Q %");
}

TEST(Format, LongerThanTheFirstBuffer) {
  const std::string text(300, 'x');
  EXPECT_EQ(Format("<%s>", text.c_str()), "<" + text + ">");
  EXPECT_EQ(Format("%d : %#2.2f %s", 51, 5.3, "N"), "51 : 5.30 N");
}

TEST(LocalClock, UtcFields) {
  EXPECT_EQ(CalendarTimeFromUtc({1970, 1, 1, 0, 0, 0}), 0);
  EXPECT_EQ(CalendarTimeFromUtc({2000, 1, 1, 0, 0, 0}), 946684800);
  EXPECT_EQ(UtcFieldsOf(946684800 + 86399), (CCivilTime{2000, 1, 1, 23, 59, 59}));
}

TEST(LocalClock, LocalFieldsRoundTripInSummerAndWinter) {
  for (const CCivilTime f : {CCivilTime{2003, 1, 15, 12, 0, 0}, CCivilTime{2003, 7, 15, 12, 0, 0},
                             CCivilTime{2024, 2, 29, 23, 59, 59}, CCivilTime{2024, 6, 30, 0, 0, 0}}) {
    EXPECT_EQ(LocalFieldsOf(CalendarTimeFromLocal(f)), f) << f.year << '-' << f.month << '-' << f.day;
  }
}

TEST(LocalClock, OutOfRangeFieldsRollOver) {
  EXPECT_EQ(CalendarTimeFromLocal({2003, 2, 30, 12, 0, 0}), CalendarTimeFromLocal({2003, 3, 2, 12, 0, 0}));
  EXPECT_EQ(CalendarTimeFromLocal({2003, 7, 1, 10, 90, 0}), CalendarTimeFromLocal({2003, 7, 1, 11, 30, 0}));
  EXPECT_EQ(CalendarTimeFromUtc({2003, 12, 31, 24, 0, 0}), CalendarTimeFromUtc({2004, 1, 1, 0, 0, 0}));
}

const CNavigation nav{};
constexpr bool kGreatCircle = true;
constexpr bool kRhumbLine = false;

TEST(Navigation, CourseAndDistanceOfKnownLegs) {
  const CPosition2 newYork = At(40.7128, -74.0060), london = At(51.5074, -0.1278);
  const struct {
    CPosition2 from, to;
    bool method;
    double distance, distanceTolerance, course, courseTolerance;
  } legs[] = {
      {At(51.5, -3.2), At(51.5, -3.2), kRhumbLine, 0, 0, 0, 0},  // the same place: nothing, north
      // Δλ = -358° across the 180th meridian: longitudes are not reduced.
      {At(10, 179), At(10, -179), kRhumbLine, 21153.67, 0.01, 270, 1e-6},
      {At(10, -179), At(10, 179), kRhumbLine, 21153.67, 0.01, 90, 1e-6},
      {At(10, 5), At(20, 5), kRhumbLine, 600, 1e-6, 0, 1e-6},
      {At(20, 5), At(10, 5), kRhumbLine, 600, 1e-6, 180, 1e-6},
      {At(50, -5), At(40, -20), kRhumbLine, 872.875, 0.01, 226.5767, 1e-3},  // Mercator sailing
      {At(0, 0), At(0, 90), kGreatCircle, 5400, 1e-4, 90, 1e-6},
      {At(0, 10), At(0, -10), kGreatCircle, 1200, 1e-4, 270, 1e-6},
      // New York to London and back: 3005.65 nM, initial courses 051.2 and 288.3.
      {newYork, london, kGreatCircle, 3005.65, 0.01, 51.2126, 1e-3},
      {london, newYork, kGreatCircle, 3005.65, 0.01, 288.3297, 1e-3},
  };
  for (const auto& leg : legs) {
    SCOPED_TRACE(&leg - legs);
    EXPECT_NEAR(nav.Distance(leg.from, leg.to, leg.method), leg.distance, leg.distanceTolerance);
    EXPECT_NEAR(nav.Course(leg.from, leg.to, leg.method), leg.course, leg.courseTolerance);
  }
  EXPECT_NEAR(nav.Distance(At(0, 0), At(90, 0), kGreatCircle), 5400.0, 1e-4);
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

TEST(DeadReckoning, KnownRuns) {
  const double dLon = 1 / std::cos(10 * CNavigation::pi / 180);  // 60 nM of departure at 10°
  const struct {
    CPosition2 start;
    double distance, course, latitude, latitudeTolerance, longitude, longitudeTolerance;
  } runs[] = {
      {At(10, 179), 0, 90, 10, 0, 179, 0},  // no distance: the position stays
      // Due east and west keep the parallel and pass the 180th meridian.
      {At(10, 179), 60, 90, 10, 1e-8, 179 + dLon, 1e-4},
      {At(-10, -179), 60, 270, -10, 1e-8, -179 - dLon, 1e-4},
      // 300 nM south-west from 50N 5W: d.lat 212.1' S, d.long 318.6' W.
      {At(50, -5), 300, 225, 46.464466, 1e-5, -10.310666, 1e-5},
  };
  for (const auto& run : runs) {
    SCOPED_TRACE(&run - runs);
    CPosition2 p = run.start;
    nav.DeadReckoning(p, run.distance, run.course);
    EXPECT_NEAR(p.GetLatitude(), run.latitude, run.latitudeTolerance);
    EXPECT_NEAR(p.GetLongitude(), run.longitude, run.longitudeTolerance);
  }
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
  EXPECT_EQ(std::pair(target.GetLatitude(), target.GetLongitude()), std::pair(50.0, -5.0));
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

  course = 123, distance = 20;  // minus itself: nothing
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
  for (const auto& [minutes, set, rate] : {std::tuple{60.0, 135.0, 7.0}, std::tuple{150.0, 200.0, 2.5}}) {
    FixPair pair(minutes, set, rate);
    EXPECT_TRUE(nav.CurrentFromFixes(pair.earlier, pair.later)) << minutes;
    EXPECT_NEAR(pair.later.weather.currentSet, set, 1e-6);
    EXPECT_NEAR(pair.later.weather.currentRate, rate, 1e-9);
  }
}

TEST(CurrentFromFixes, RefusesShortIntervalsAndStrongRates) {
  for (FixPair pair : {FixPair(59, 135, 2.0), FixPair(60, 135, 7.1), FixPair(0, 135, 2.0), FixPair(-90, 135, 2.0)}) {
    EXPECT_FALSE(nav.CurrentFromFixes(pair.earlier, pair.later));
    EXPECT_EQ(std::pair(pair.later.weather.currentSet, pair.later.weather.currentRate), std::pair(0.0, 0.0));
  }
}

// One hour at 10 kn due north from the equator, then a fix 10' north and 7'
// east of the start: the dead-reckoned latitude and the fix's differ only by
// rounding, and the drift is the 7' of departure at 0°10'N.
TEST(CurrentFromFixes, NearlyEqualLatitudesGiveTheEastWestDrift) {
  const double departure = 7 * std::cos(10.0 / 60 * CNavigation::pi / 180);  // 6.99997 nM
  // The interval is a rounding short of an hour on a day number of 2003,
  // exactly an hour from day 1.
  for (const double start : {DayNumberOf({2003, 6, 10, 8, 0, 0}), 1.0}) {
    CFixRecord earlier, later;
    earlier.SetTime(start);
    earlier.logSpeed = 10;
    earlier.gyroCourse = 0;
    earlier.SetLatitude(0);
    earlier.SetLongitude(0);
    later.SetLatitude(10.0 / 60);
    later.SetLongitude(7.0 / 60);
    later.SetTime(start + 1.0 / 24);
    ASSERT_TRUE(nav.CurrentFromFixes(earlier, later)) << start << ": " << later.weather.currentRate;
    EXPECT_NEAR(later.weather.currentRate, departure, 1e-9);
    EXPECT_NEAR(later.weather.currentSet, 90.0, 1e-6);
  }
}

// Latitudes a rounding apart: the rhumb line is the parallel, whatever the
// noise in the meridional parts; at the same latitude the figures are the
// plain departure.
TEST(RhumbLine, LatitudesThatNearlyAgreeTakeTheEastWestForm) {
  for (const double latitude : {0.0, 10.0 / 60, 50.0, -63.5}) {
    const double cosPhi = std::cos(latitude * CNavigation::pi / 180);
    for (const double apart : {0.0, 1e-14, -1e-12, 1e-9}) {
      SCOPED_TRACE(testing::Message() << latitude << " " << apart);
      const CPosition2 from = At(latitude, 1), east = At(latitude + apart, 1 + 7.0 / 60),
                       west = At(latitude - apart, -1);
      EXPECT_NEAR(nav.Distance(from, east, kRhumbLine), 7 * cosPhi, 1e-6);
      EXPECT_NEAR(nav.Course(from, east, kRhumbLine), 90, 1e-4);
      EXPECT_NEAR(nav.Distance(from, west, kRhumbLine), 120 * cosPhi, 1e-6);
      EXPECT_NEAR(nav.Course(from, west, kRhumbLine), 270, 1e-4);
    }
  }
  // Either side of the switch to the east-west form the figures agree, to
  // the 2e-10 · tan φ by which the meridional parts taken with the
  // navigation's pi differ from the secant.
  const CPosition2 from = At(40, 0);
  for (const double apart : {0.5e-5, 0.99e-5, 1.01e-5, 2e-5}) {  // |Δψ| about apart / cos 40° radians
    const double dLat = apart * std::cos(40 * CNavigation::pi / 180) * 180 / CNavigation::pi;
    const CPosition2 to = At(40 + dLat, 1);
    const double expected = std::hypot(dLat * 60, 60 * std::cos((40 + dLat / 2) * CNavigation::pi / 180));
    EXPECT_NEAR(nav.Distance(from, to, kRhumbLine), expected, 1e-8) << apart;
  }
}

TEST(DeadReckoning, DueEastKeepsTheParallelToTheLastDigits) {
  // The navigation's 90° is not quite east: the latitude moves by 1e-10 of
  // the distance, and the longitude must not take the rounding of that.
  for (const double latitude : {0.0, 10.0, 50.0, -63.5}) {
    CPosition2 p = At(latitude, 5);
    nav.DeadReckoning(p, 60, 90);
    EXPECT_NEAR(p.GetLongitude(), 5 + 1 / std::cos(latitude * CNavigation::pi / 180), 1e-9) << latitude;
    EXPECT_NEAR(nav.Distance(At(latitude, 5), p, kRhumbLine), 60, 1e-9) << latitude;
  }
}

// 90° of latitude is the pole, not a hair beyond it.
TEST(GreatCircle, CourseToThePoleIsNorth) {
  EXPECT_EQ(nav.Course(At(0, 0), At(90, 0), kGreatCircle), 0.0);
  EXPECT_NEAR(nav.Course(At(0, 0), At(90, 10), kGreatCircle), 0.0, 1e-9);
  EXPECT_NEAR(nav.Course(At(20, 30), At(-90, 0), kGreatCircle), 180.0, 1e-7);  // true pi × 180 / 3.141592654
  EXPECT_EQ(nav.Course(At(0, 0), At(90, 0), kRhumbLine), 0.0);
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
  for (const double day : {std::nan(""), HUGE_VAL, -HUGE_VAL}) EXPECT_EQ(nav.FromDayNumber(day), -1) << day;
}

TEST(Conversions, ToDecimalDegrees) {
  ExpectNear({nav.ToDecimalDegrees(45, 30.0, 1), nav.ToDecimalDegrees(45, 30.0, 0), nav.ToDecimalDegrees(0, 6.0, 1)},
             {-45.5, 45.5, -0.1}, 1e-15);
}

TEST(Conversions, CompassPointSectorsStartAtTheNamedDirection) {
  // Negative directions truncate toward zero; outside -22.5 .. 382.5 there is no point.
  const std::pair<double, const char*> cases[] = {
      {0, "N"},   {22.4, "N"},  {22.5, "NNE"}, {90, "E"},   {202.4, "S"}, {202.5, "SSW"},    {359.9, "NNW"},
      {360, "N"}, {382.4, "N"}, {-10, "N"},    {-22.5, ""}, {382.5, ""},  {std::nan(""), ""}};
  for (const auto& [direction, point] : cases) EXPECT_EQ(nav.CompassPoint(direction), point) << direction;
}

}  // namespace
}  // namespace marigold
