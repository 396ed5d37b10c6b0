#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/TextFormat.h"

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
    ASSERT_EQ(t.hour, 13);
    ASSERT_EQ(t.minute, 14);
    ASSERT_EQ(t.second, 15);
    if (t.day == 1) {
      const int length = kMonthDays[previous.month - 1] + (previous.month == 2 && IsLeap(previous.year) ? 1 : 0);
      ASSERT_EQ(previous.day, length) << previous.year << '-' << previous.month;
      ASSERT_EQ(t.month, previous.month % 12 + 1);
      ASSERT_EQ(t.year, previous.year + (t.month == 1 ? 1 : 0));
    } else {
      ASSERT_EQ(t.day, previous.day + 1);
      ASSERT_EQ(t.month, previous.month);
      ASSERT_EQ(t.year, previous.year);
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
  EXPECT_EQ(WeekdayOf({2000, 1, 1, 0, 0, 0}), 6);  // Saturday
  EXPECT_EQ(WeekdayOf({2003, 12, 5, 0, 0, 0}), 5);  // Friday
  EXPECT_EQ(WeekdayOf({2024, 2, 29, 0, 0, 0}), 4);  // Thursday
  EXPECT_EQ(WeekdayOf({1969, 12, 28, 0, 0, 0}), 0);  // Sunday, before 1970
}

TEST(FormatTime, Codes) {
  const CCivilTime t{2003, 12, 5, 7, 3, 9};
  EXPECT_EQ(FormatTime("%A %d %b %H:%M LT", t), "Friday 05 Dec 07:03 LT");
  EXPECT_EQ(FormatTime("%d%H%MZ%b%y/", t), "050703ZDec03/");
  EXPECT_EQ(FormatTime("%a %B %Y-%m-%d %S", t), "Fri December 2003-12-05 09");
  EXPECT_EQ(FormatTime("%I%p", t), "07AM");
  EXPECT_EQ(FormatTime("%I%p", {2003, 12, 5, 0, 0, 0}), "12AM");
  EXPECT_EQ(FormatTime("%I%p", {2003, 12, 5, 12, 0, 0}), "12PM");
  EXPECT_EQ(FormatTime("%j", {2008, 12, 31, 0, 0, 0}), "366");
  EXPECT_EQ(FormatTime("%j", {2003, 1, 1, 0, 0, 0}), "001");
  EXPECT_EQ(FormatTime("%y", {2000, 1, 1, 0, 0, 0}), "00");
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

}  // namespace
}  // namespace marigold
