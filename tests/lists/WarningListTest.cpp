// The warnings list: the clean-up of expired warnings and the cells the list
// view shows.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "lists/WarningRows.h"

namespace marigold {
namespace {

CNavWarning* AddWarning(CWarningList& list, const char* number, double validTill) {
  CNavWarning* w = list.AddNew();
  w->number = number;
  w->SetName(number);
  w->validTill = validTill;
  return w;
}

TEST(WarningCleanUp, ExpiredWarningsGoButTheLastOneStays) {
  CWarningList list;
  AddWarning(list, "old 1", 100);
  CNavWarning* current = AddWarning(list, "current", 300);
  AddWarning(list, "old 2", 100);
  CNavWarning* last = AddWarning(list, "old last", 100);
  EXPECT_EQ(list.RemoveExpired(200.0), 2);
  EXPECT_EQ(std::tuple(list.GetCount(), list.GetHead(), list.GetTail()), std::tuple(2, current, last));

  EXPECT_EQ(list.RemoveExpired(1000.0), 1);
  EXPECT_EQ(list.GetHead(), last);
  EXPECT_EQ(list.RemoveExpired(1000.0), 0);

  EXPECT_EQ(CWarningList().RemoveExpired(1000.0), 0);
}

// 12:00 UTC: a warning valid till 11:30 UTC has expired, one till 12:30 UTC
// has not, whatever the computer's zone.
TEST(WarningCleanUp, NowIsTheClocksUtcTime) {
  CWarningList list;
  AddWarning(list, "expired", DayNumberOf({2004, 1, 10, 11, 30, 0}));
  AddWarning(list, "valid", DayNumberOf({2004, 1, 10, 12, 30, 0}));
  AddWarning(list, "last", 0);
  EXPECT_EQ(list.RemoveExpired(CFixedClock(CalendarTimeFromUtc({2004, 1, 10, 12, 0, 0}))), 1);
  EXPECT_EQ(list.GetHead()->number, "valid");
}

TEST(WarningRows, CellsWithAndWithoutAClosestApproach) {
  CPosition2 fix = At(50, 0);
  fix.SetTime(DayNumberOf({2004, 1, 10, 6, 0, 0}));
  CWarningList warnings;
  CNavWarning* w = Placed(AddWarning(warnings, "NW 12", DayNumberOf({2004, 1, 12, 18, 5, 0})), 51, 0);
  w->passingDistance = 2.5;

  // One waypoint: no closest approach.
  CVoyage route;
  CWaypoint* a = route.AddNew();
  const CWarningRow expected = {"NW 12", "0.0 deg", "60.0 nM", "NA", "NA", "NW 12", "2.50 nM", "12 Jan 18:05 UTC"};
  EXPECT_EQ(WarningRows(warnings, route, fix), std::vector<CWarningRow>{expected});

  // Northbound at 10 knots from the fix: on top of the warning, 60 nM ahead,
  // after six hours.
  CWaypoint* b = Placed(route.AddNew(), 52, 0);
  Placed(a, 50, 0);
  for (CWaypoint* p : {a, b}) p->groundCourse = 0, p->keptGroundspeed = 10;
  b->SetTimeB(fix.GetTime() + 0.5);
  auto rows = WarningRows(warnings, route, fix);
  EXPECT_EQ(rows[0][3] + "|" + rows[0][4], "     0.0 nM|10 Jan 12:00 UTC");

  // Arrival already past: distance 0 at the start time.
  b->SetTimeB(fix.GetTime() - 1);
  w->SetLatitude(50.5);
  rows = WarningRows(warnings, route, fix);
  EXPECT_EQ(rows[0][3] + "|" + rows[0][4], "     0.0 nM|10 Jan 06:00 UTC");
  EXPECT_EQ(WarningTimeText(std::numeric_limits<double>::infinity()), "NA");
}

}  // namespace
}  // namespace marigold
