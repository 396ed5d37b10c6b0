#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/Position2.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

TEST(Position, NewPosition) {
  const CPosition2 p;
  EXPECT_EQ(std::make_tuple(p.GetName(), p.LatitudeText(), p.LongitudeText(), p.IsChanged()),
            std::make_tuple("New Position", "45 : 0.00 N", "5 : 0.00 E", false));
  EXPECT_EQ((std::vector<double>{p.GetUtcDifference(), p.GetReserveValue(), p.GetTime(), p.GetTimeA(), p.GetTimeB()}),
            (std::vector<double>{0, 15, 0, 0, 0}));
}

TEST(Position, SettersOfPlaceAndNameSetTheChangedFlag) {
  CPosition2 p;
  p.SetLatitude(1);
  EXPECT_TRUE(p.IsChanged());
  p.SetChanged(false);
  p.SetLongitude(1);
  EXPECT_TRUE(p.IsChanged());
  p.SetChanged(false);
  p.SetName("Lizard");
  EXPECT_TRUE(p.IsChanged());
  p.SetChanged(false);
  p.SetTime(100);  // times are not edits of the place
  EXPECT_FALSE(p.IsChanged());
}

TEST(Position, SplitAccessorsOfNegativeValues) {
  const CPosition2 p = At(-33.5, -70.25);
  EXPECT_EQ(std::make_tuple(p.GetLatitudeDegrees(), p.GetLatitudeMinutes(), p.IsSouth(), p.GetLongitudeDegrees(),
                            p.GetLongitudeMinutes(), p.IsWest()),
            std::make_tuple(33, 30.0, true, 70, 15.0, true));
  const CPosition2 q = At(-0.5, 0);
  EXPECT_EQ(std::make_tuple(q.GetLatitudeDegrees(), q.IsSouth(), q.IsWest()), std::make_tuple(0, true, false));
}

TEST(Position, DisplayForms) {
  const CNavigation nav{};
  const CPosition2 p = At(nav.ToDecimalDegrees(51, 5.3, 0), nav.ToDecimalDegrees(3, 12, 1));
  EXPECT_EQ(p.LatitudeText(), "51 : 5.30 N");
  EXPECT_EQ(p.LongitudeText(), "3 : 12.00 W");
  // Below one degree the sign lives in the letter alone.
  EXPECT_EQ(At(-0.5, -0.25).LatitudeText(), "0 : 30.00 S");
  EXPECT_EQ(At(-0.5, -0.25).LongitudeText(), "0 : 15.00 W");
  EXPECT_EQ(At(0, 181.5).LongitudeText(), "181 : 30.00 E");  // never reduced
}

TEST(Position, ReportFormsPadAndTruncate) {
  const CNavigation nav{};
  EXPECT_EQ(At(nav.ToDecimalDegrees(51, 5.3, 0), 0).ReportLatitude(), "5105N/");
  EXPECT_EQ(At(0, nav.ToDecimalDegrees(3, 12, 1)).ReportLongitude(), "00312W/");
  EXPECT_EQ(At(-1.0 / 12, 5).ReportLatitude(), "0005S/");
  EXPECT_EQ(At(-1.0 / 12, 5).ReportLongitude(), "00500E/");
  EXPECT_EQ(At(nav.ToDecimalDegrees(51, 5.99, 0), 0).ReportLatitude(), "5105N/");
  EXPECT_EQ(At(0, nav.ToDecimalDegrees(179, 59.99, 0)).ReportLongitude(), "17959E/");
  EXPECT_EQ(At(0, 181.5).ReportLongitude(), "18130E/");
  // A hair under a whole degree is that degree, not 60 minutes.
  EXPECT_EQ(At(52 - 1e-14, 0).ReportLatitude(), "5200N/");
}

// Whole minutes come back from decimal degrees a hair short; the report must
// still show the minute that was entered.
TEST(Position, ReportFormsKeepEveryWholeMinuteEntered) {
  const CNavigation nav{};
  char expected[16];
  for (int degrees = 0; degrees < 180; ++degrees) {
    for (int minutes = 0; minutes < 60; ++minutes) {
      if (degrees == 0 && minutes == 0) continue;  // -0.0 is north and east
      const double value = nav.ToDecimalDegrees(degrees, minutes, 1);
      std::snprintf(expected, sizeof expected, "%03d%02dW/", degrees, minutes);
      ASSERT_EQ(At(0, value).ReportLongitude(), expected);
      if (degrees >= 90) continue;
      std::snprintf(expected, sizeof expected, "%02d%02dS/", degrees, minutes);
      ASSERT_EQ(At(value, 0).ReportLatitude(), expected);
      ASSERT_EQ(At(-value, 0).ReportLatitude().substr(0, 4), std::string(expected, 4));
    }
  }
}

TEST(Position, UtcDifferenceInHoursKeptInDays) {
  CPosition2 p;
  p.SetUtcDifference(5.5);
  EXPECT_DOUBLE_EQ(p.GetUtcDifferenceDays(), 5.5 / 24);
  EXPECT_DOUBLE_EQ(p.GetUtcDifference(), 5.5);
  p.SetUtcDifference(-3);
  EXPECT_DOUBLE_EQ(p.GetUtcDifferenceDays(), -0.125);
  EXPECT_DOUBLE_EQ(p.GetUtcDifference(), -3.0);
}

TEST(Position, TimesEnteredAndShownInLocalTime) {
  for (const ETimeSlot slot : {ETimeSlot::Time, ETimeSlot::TimeA, ETimeSlot::TimeB}) {
    CPosition2 p;
    p.SetUtcDifference(-5);
    p.SetFromLocalTime(slot, CalendarTimeFromLocal({2003, 7, 1, 22, 0, 0}));
    EXPECT_DOUBLE_EQ(p.GetDayNumber(slot), DayNumberOf({2003, 7, 2, 3, 0, 0}));
    EXPECT_EQ(p.GetCalendarTimeUtc(slot), CalendarTimeFromLocal({2003, 7, 2, 3, 0, 0}));
    EXPECT_EQ(p.GetCalendarTimeLocal(slot), CalendarTimeFromLocal({2003, 7, 1, 22, 0, 0}));
  }
  CPosition2 p;
  p.SetDayNumber(ETimeSlot::TimeA, 7.25);
  EXPECT_EQ(p.GetTimeA(), 7.25);
  EXPECT_EQ(p.GetTime(), 0.0);
  EXPECT_EQ(p.GetTimeB(), 0.0);
}

TEST(Position, TimeBWithTheUtcFlag) {
  CPosition2 p;
  p.SetUtcDifference(2);
  const std::time_t t = CalendarTimeFromLocal({2003, 12, 5, 12, 30, 0});
  p.SetTimeB(t, true);
  EXPECT_DOUBLE_EQ(p.GetTimeB(), DayNumberOf({2003, 12, 5, 12, 30, 0}));
  p.SetTimeB(t, false);
  EXPECT_DOUBLE_EQ(p.GetTimeB(), DayNumberOf({2003, 12, 5, 10, 30, 0}));
  EXPECT_EQ(p.GetTime(), 0.0);
}

TEST(Position, ReportDateTimeGroupsOfUtcTime) {
  CPosition2 p;
  p.SetUtcDifference(9);  // the groups are UTC whatever the position's zone
  p.SetTime(DayNumberOf({2003, 12, 5, 12, 30, 0}) - 1e-9);
  p.SetTimeA(DayNumberOf({2004, 1, 9, 0, 5, 0}));
  EXPECT_EQ(p.ReportDateTimeGroup(), "051230Z/");
  EXPECT_EQ(p.ReportDateTimeGroupWithMonth(), "051230ZDec03/");
  EXPECT_EQ(p.ReportDateTimeGroup(ETimeSlot::TimeA), "090005Z/");
  EXPECT_EQ(p.ReportDateTimeGroupWithMonth(ETimeSlot::TimeA), "090005ZJan04/");
}

}  // namespace
}  // namespace marigold
