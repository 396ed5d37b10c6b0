// The one-line voyage status and the figures of the status dialog.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "fakes/Fakes.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

// 2024-03-05 12:00 UTC, a Tuesday.
const double kNoon = DayNumberOf({2024, 3, 5, 12, 0, 0});

CWaypoint* AddWaypoint(CVoyage& route, const char* name, double latitude) {
  CWaypoint* w = route.AddNew();
  w->SetName(name);
  w->SetLatitude(latitude);
  w->SetLongitude(0);
  return w;
}

CFixRecord* AddFix(CFixList& fixes, double latitude, double hour, double logReading = 0) {
  CFixRecord* fix = fixes.AddNew();
  fix->SetLatitude(latitude);
  fix->SetLongitude(0);
  fix->SetTime(kNoon + hour / 24);
  fix->logReading = logReading;
  return fix;
}

TEST(VoyageStatusLine, ComparesExactlyWithTheLegGroundspeed) {
  CVoyage route;
  AddWaypoint(route, "Start", 50);
  CWaypoint* last = AddWaypoint(route, "End", 51);
  last->keptGroundspeed = 12.5;
  CFixRecord fix;
  fix.SetLatitude(50.9);
  fix.SetLongitude(0);

  fix.groundspeed = 12.5;
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts PROCEEDING ON SCHEDULE");
  fix.groundspeed = 12.49;
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts PROCEEDING TOO SLOW");
  fix.groundspeed = 12.51;
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts PROCEEDING AHEAD OF SCHEDULE");

  // A schedule with no time left leaves no figure to keep.
  last->keptGroundspeed = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts PROCEEDING TOO SLOW");

  route.Remove(route.GetHead());
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts NO VOYAGE LOADED");
  EXPECT_EQ(StatusLine(route, nullptr), "Groundspeed 0.0 kts NO VOYAGE LOADED");
}

class VoyageStatusDialog : public ::testing::Test {
 protected:
  CVoyageStatus Status() { return CVoyageStatus(route, vessel, fixes, points, clock); }
  CVoyageStatusView Opened() {
    CVoyageStatus status = Status();
    EXPECT_TRUE(status.Open(prompter));
    return status.View();
  }

  CVoyage route;
  CVessel2 vessel;
  CFixList fixes;
  CReportingPointList points;
  CScriptedPrompter prompter;
  CFixedClock clock{1709640000};
};

TEST_F(VoyageStatusDialog, OpensWithoutWaypointsButNotWithoutAFix) {
  EXPECT_FALSE(Status().Open(prompter));
  AddFix(fixes, 50, 0)->SetUtcDifference(1);
  AddFix(fixes, 50, 13)->SetUtcDifference(-5);
  EXPECT_TRUE(Status().Open(prompter));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, "No positionfix defined\nCan not calculate voyage status");
  EXPECT_EQ(prompter.messages[0].icon, EMessageIcon::Stop);
  EXPECT_EQ(prompter.messages[1].text, "No waypoints defined\nRemaining voyage can not be calculated");
  EXPECT_EQ(prompter.messages[1].icon, EMessageIcon::Exclamation);
  const CVoyageStatusView v = Opened();
  EXPECT_TRUE(v.remaining.distanceToGo.empty());
  EXPECT_EQ(v.fixTexts, (std::vector<std::string>{"Tuesday 05 Mar 13:00 LT", "Tuesday 05 Mar 20:00 LT"}));
  EXPECT_EQ(v.scheduledEta, clock.Now());  // no destination to take it from
}

TEST_F(VoyageStatusDialog, HistoryBetweenTwoFixes) {
  AddFix(fixes, 50, 0, 95);
  AddFix(fixes, 50 + 10.0 / 60, 1, 5);
  AddFix(fixes, 50 + 20.0 / 60, 2, 15);
  CVoyageStatus status = Status();
  ASSERT_TRUE(status.Open(prompter));
  const CHistoryFigures& h = status.View().history;
  // Nothing chosen yet: both lists fall on the first fix.
  EXPECT_EQ(h.distanceMade + "|" + h.groundSpeed + "|" + h.waterSpeed, " 0.00|NA|NA");
  for (const auto& [from, till] : {std::pair{0, 2}, std::pair{2, 0}}) {
    status.OnFromChosen(from);
    status.OnTillChosen(till);
    EXPECT_EQ(h.distanceMade + "|" + h.groundSpeed + "|" + h.waterSpeed, "20.00|10.00|10.00");
  }
  status.OnFromChosen(1);
  status.OnTillChosen(7);  // stale: the last fix
  EXPECT_EQ(h.distanceMade + "|" + h.groundSpeed + "|" + h.waterSpeed, "10.00|10.00|10.00");

  // Fixes listed out of time order give no negative speeds.
  fixes.GetTail()->SetTime(kNoon - 1);
  status.OnFromChosen(0);
  EXPECT_EQ(h.groundSpeed, "NA");
}

TEST_F(VoyageStatusDialog, NextReportingPointAtTheSpeedMadeGood) {
  CFixRecord* fix = AddFix(fixes, 50, 0);
  EXPECT_EQ(Opened().nextReportingPoint.name, "No reporting points defined");

  CReportingPoint* point = points.AddNew();
  point->SetName("VTS Wandelaar");
  point->SetLatitude(50.5);
  point->SetLongitude(0);
  point->SetUtcDifference(1);
  EXPECT_EQ(Opened().nextReportingPoint.name, "VTS Wandelaar");
  EXPECT_EQ(Opened().nextReportingPoint.time, "NA");  // no way made
  fix->groundspeed = 15;
  EXPECT_EQ(Opened().nextReportingPoint.time, "Tuesday 05 Mar 15:00 LT");
}

TEST_F(VoyageStatusDialog, RemainingVoyageAndTheNextWaypoint) {
  CWaypoint* first = AddWaypoint(route, "Hook of Holland", 50);
  CWaypoint* last = AddWaypoint(route, "Humber", 51);
  first->SetTime(kNoon - 1);
  first->SetTimeA(kNoon - 1);
  last->SetUtcDifference(1);
  last->SetTimeB(kNoon + 0.25);  // six hours after the fix
  CFixRecord* fix = AddFix(fixes, 50.6, 0);
  fix->groundspeed = 10;

  CVoyageStatus status = Status();
  ASSERT_TRUE(status.Open(prompter));
  const CRemainingVoyage& r = status.View().remaining;
  EXPECT_EQ(r.waypointName, "Humber");
  EXPECT_EQ(r.waypointDistance, "24.00");
  EXPECT_EQ(r.waypointDirection, "0.0");
  EXPECT_EQ(r.distanceToGo, "24.00");
  EXPECT_EQ(r.hoursToGo, " 6.00");
  EXPECT_EQ(r.waypointEta, "Tuesday 05 Mar 15:24 LT");  // 2.4 hours, at UTC+1

  // Two hours more to the scheduled arrival.
  const std::time_t later = FromDayNumber(kNoon + 0.25 + 1.0 / 24 + 2.0 / 24);
  EXPECT_EQ(status.View().scheduledEta, FromDayNumber(kNoon + 0.25 + 1.0 / 24));
  status.OnScheduledEtaChanged(later);
  EXPECT_EQ(r.hoursToGo, " 8.00");
  EXPECT_EQ(status.View().scheduledEta, later);
}

}  // namespace
}  // namespace marigold
