// The position (defaults, changed flag, text forms, times) and the owning record list (look-ups and their
// fall-backs, insertion, removal, distances).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <cstdio>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/Position2.h"
#include "core/PositionList.h"
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

// Each position's latitude and longitude in the display and the report forms.
TEST(Position, DisplayAndReportForms) {
  const CNavigation nav{};
  const struct {
    CPosition2 p;
    const char *latitude, *longitude, *reportLatitude, *reportLongitude;
  } cases[] = {
      {At(nav.ToDecimalDegrees(51, 5.3, 0), nav.ToDecimalDegrees(3, 12, 1)), "51 : 5.30 N", "3 : 12.00 W", "5105N/",
       "00312W/"},
      // Below one degree the sign lives in the letter alone.
      {At(-0.5, -0.25), "0 : 30.00 S", "0 : 15.00 W", "0030S/", "00015W/"},
      {At(-1.0 / 12, 5), "0 : 5.00 S", "5 : 0.00 E", "0005S/", "00500E/"},
      // Minutes truncated in the report; longitudes never reduced.
      {At(nav.ToDecimalDegrees(51, 5.99, 0), nav.ToDecimalDegrees(179, 59.99, 0)), "51 : 5.99 N", "179 : 59.99 E",
       "5105N/", "17959E/"},
      {At(0, 181.5), "0 : 0.00 N", "181 : 30.00 E", "0000N/", "18130E/"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(std::make_tuple(c.p.LatitudeText(), c.p.LongitudeText(), c.p.ReportLatitude(), c.p.ReportLongitude()),
              std::make_tuple(c.latitude, c.longitude, c.reportLatitude, c.reportLongitude));
  }
  // A hair under a whole degree is that degree in a report, not 60 minutes.
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
  for (const auto& [hours, days] : {std::pair{5.5, 5.5 / 24}, std::pair{-3.0, -0.125}}) {
    p.SetUtcDifference(hours);
    EXPECT_DOUBLE_EQ(p.GetUtcDifferenceDays(), days);
    EXPECT_DOUBLE_EQ(p.GetUtcDifference(), hours);
  }
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
  EXPECT_EQ((std::vector<double>{p.GetTime(), p.GetTimeA(), p.GetTimeB()}), (std::vector<double>{0, 7.25, 0}));
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
  EXPECT_EQ(std::make_tuple(p.ReportDateTimeGroup(), p.ReportDateTimeGroupWithMonth(),
                            p.ReportDateTimeGroup(ETimeSlot::TimeA), p.ReportDateTimeGroupWithMonth(ETimeSlot::TimeA)),
            std::make_tuple("051230Z/", "051230ZDec03/", "090005Z/", "090005ZJan04/"));
}

// A time that could not be computed is shown "NA" and never stored: the
// archive keeps the last time that was a number, 0 when there was none.
TEST(Position, TimesThatAreNotNumbersAreShownNaAndStoredAsTheLastValidOnes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CPosition2 p;
  p.SetTime(1097.5);
  p.SetTimeA(1098.25);
  p.SetTimeA(nan);
  p.SetDayNumber(ETimeSlot::TimeB, std::numeric_limits<double>::infinity());
  EXPECT_TRUE(std::isnan(p.GetTimeA()));
  EXPECT_EQ(std::pair(p.ReportDateTimeGroup(ETimeSlot::TimeA), p.ReportDateTimeGroupWithMonth(ETimeSlot::TimeB)),
            std::pair(std::string("NA/"), std::string("NA/")));
  CPosition2 back;
  Load(back, Store(p));
  EXPECT_EQ(std::tuple(back.GetTime(), back.GetTimeA(), back.GetTimeB()), std::tuple(1097.5, 1098.25, 0.0));

  // Loaded values count as valid ones; a NaN read from an older file is not.
  CPosition2 loaded = back;
  loaded.SetTime(nan);
  CPosition2 again;
  Load(again, Store(loaded));
  EXPECT_EQ(again.GetTime(), 1097.5);
}

std::unique_ptr<CPosition2> Owned(double lat, double lon, const char* name = "P") {
  auto p = std::make_unique<CPosition2>();
  p->SetLatitude(lat);
  p->SetLongitude(lon);
  p->SetName(name);
  return p;
}

// The names of the records a list handed out, "none" for no record.
std::vector<std::string> Names(std::initializer_list<const CPosition2*> records) {
  std::vector<std::string> names;
  for (const CPosition2* p : records) names.push_back(p ? p->GetName() : "none");
  return names;
}

// Counts live instances, to see that the list deletes what it owns.
struct CCounted : CPosition2 {
  static inline int alive = 0;
  CCounted() { ++alive; }
  CCounted(const CCounted&) = delete;
  ~CCounted() override { --alive; }
};

TEST(PositionList, EmptyListHasNothingToReturn) {
  CRecordList<CPosition2> list;
  CPosition2 elsewhere;
  EXPECT_EQ(Names({list.GetAt(0), list.GetHead(), list.GetTail(), list.GetNext(&elsewhere), list.GetPrev(&elsewhere),
                   list.FindNearest(elsewhere)}),
            std::vector<std::string>(6, "none"));
  EXPECT_EQ(list.IndexOf(&elsewhere), -1);
  EXPECT_FALSE(list.Remove(&elsewhere));
  EXPECT_EQ(std::pair(list.DistanceFromTail(elsewhere, true), list.CourseFromTail(elsewhere, false)),
            std::pair(0.0, 0.0));
}

TEST(PositionList, LookUpsAndTheirFallBacks) {
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(Owned(0, 0, "A"));
  list.Add(Owned(0, 1, "B"));
  CPosition2* c = list.Add(Owned(0, 2, "C"));
  CPosition2 foreign;
  // Positions out of range and records from elsewhere fall back to an end.
  EXPECT_EQ(Names({list.GetAt(1), list.GetAt(-1), list.GetAt(3), list.GetHead(), list.GetNext(a), list.GetNext(c),
                   list.GetNext(&foreign), list.GetPrev(c), list.GetPrev(a), list.GetPrev(&foreign)}),
            (std::vector<std::string>{"B", "C", "C", "A", "B", "none", "C", "B", "A", "A"}));
  EXPECT_EQ((std::vector<int>{list.IndexOf(a), list.IndexOf(c), list.IndexOf(&foreign), list.IndexOf(nullptr)}),
            (std::vector<int>{0, 2, 2, 2}));
}

TEST(PositionList, InsertAfterAndRemove) {
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(Owned(0, 0, "A"));
  CPosition2* c = list.Add(Owned(0, 2, "C"));
  CPosition2* b = list.InsertAfter(a, Owned(0, 1, "B"));
  CPosition2* d = list.InsertAfter(c, Owned(0, 3, "D"));
  CPosition2 foreign;
  CPosition2* e = list.InsertAfter(&foreign, Owned(0, 4, "E"));
  CPosition2* f = list.InsertAfter(nullptr, Owned(0, 5, "F"));
  EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"A", "B", "C", "D", "E", "F"}));

  EXPECT_FALSE(list.Remove(&foreign));
  EXPECT_TRUE(list.Remove(c));
  EXPECT_FALSE(list.Remove(c));
  EXPECT_TRUE(list.Remove(f));
  EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"A", "B", "D", "E"}));
  EXPECT_EQ(list.GetNext(b), d);
  EXPECT_EQ(list.GetTail(), e);
}

TEST(PositionList, OwnsItsRecords) {
  {
    CRecordList<CCounted> list;
    CCounted* first = list.AddNew();
    list.AddNew();
    list.AddNew();
    EXPECT_EQ(CCounted::alive, 3);
    list.Remove(first);
    EXPECT_EQ(CCounted::alive, 2);
    list.RemoveAll();
    EXPECT_EQ(CCounted::alive, 0);
    EXPECT_EQ(list.GetCount(), 0);
    list.AddNew();
  }
  EXPECT_EQ(CCounted::alive, 0);
}

TEST(PositionList, FindNearestByGreatCircleFirstOfEqual) {
  CRecordList<CPosition2> list;
  CPosition2* north = list.Add(Owned(1, 0));
  CPosition2* south = list.Add(Owned(-1, 0));
  CPosition2* near = list.Add(Owned(0, 0.5));
  CPosition2 ship = At(0, 0);
  EXPECT_EQ(list.FindNearest(ship), near);
  list.Remove(near);
  EXPECT_EQ(list.FindNearest(ship), north);
  ship.SetLatitude(-0.1);
  EXPECT_EQ(list.FindNearest(ship), south);

  // From 60N: 40 degrees along the parallel is 1200 nM by rhumb line but
  // about 1183 nM by great circle, against 1194 nM down the meridian.
  CRecordList<CPosition2> far;
  far.Add(Owned(40.1, 0));
  CPosition2* east = far.Add(Owned(60, 40));
  ship.SetLatitude(60);
  EXPECT_EQ(far.FindNearest(ship), east);
}

TEST(PositionList, SumDistanceAlongRhumbLines) {
  // On the 60th parallel a rhumb-line degree of longitude is 30 nM; the great
  // circle between the same points is shorter.
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(Owned(60, 0));
  CPosition2* b = list.Add(Owned(60, 10));
  CPosition2* c = list.Add(Owned(60, 30));
  EXPECT_EQ(list.SumDistance(a, a), 0);
  ExpectNear({list.SumDistance(a, b), list.SumDistance(a, c), list.SumDistance(b, c)}, {300, 900, 600}, 1e-6);
}

TEST(PositionList, HoursAndDistanceFromTail) {
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(Owned(0, 0));
  CPosition2* b = list.Add(Owned(0, 0));
  a->SetTime(100.0);
  b->SetTime(101.5);
  ExpectNear({list.HoursBetween(*a, *b), list.HoursBetween(*b, *a)}, {36.0, -36.0}, 1e-12);

  // From the tail to the position, not the other way round.
  const CPosition2 east = At(0, 1);
  ExpectNear({list.DistanceFromTail(east, false), list.DistanceFromTail(east, true), list.CourseFromTail(east, false),
              list.CourseFromTail(east, true)},
             {60, 60, 90, 90}, 1e-6);
  list.Add(Owned(1, 1));
  EXPECT_NEAR(list.CourseFromTail(east, false), 180, 1e-6);
}

TEST(PositionListRemoveIf, DeletesTheAcceptedRecordsAndKeepsTheOrder) {
  CRecordList<CFixRecord> list;
  for (int i = 0; i < 6; ++i) list.AddNew()->SetTime(i);
  const CFixRecord* kept = list.GetAt(3);
  EXPECT_EQ(list.RemoveIf([](const CFixRecord& f) { return static_cast<int>(f.GetTime()) % 2 == 0; }), 3);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetAt(0)->GetTime(), 1);
  EXPECT_EQ(list.GetAt(1), kept);
  EXPECT_EQ(list.GetAt(2)->GetTime(), 5);
}

}  // namespace
}  // namespace marigold
