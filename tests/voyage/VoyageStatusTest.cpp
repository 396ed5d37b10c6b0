// The one-line voyage status and the figures of the status dialog.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

// 2024-03-05 12:00 UTC, a Tuesday.
const double kNoon = DayNumberOf({2024, 3, 5, 12, 0, 0});

TEST(VoyageStatusLine, ComparesExactlyWithTheLegGroundspeed) {
  CVoyage route;
  Placed(route.AddNew(), 50, 0, "Start");
  CWaypoint* last = Placed(route.AddNew(), 51, 0, "End");
  last->keptGroundspeed = 12.5;
  CFixRecord fix;
  Placed(&fix, 50.9, 0);
  const std::pair<double, const char*> speeds[] = {
      {12.5, "ON SCHEDULE"}, {12.49, "TOO SLOW"}, {12.51, "AHEAD OF SCHEDULE"}};
  for (const auto& [speed, verdict] : speeds) {
    fix.groundspeed = speed;
    EXPECT_EQ(StatusLine(route, &fix), std::string("Groundspeed 12.5 kts PROCEEDING ") + verdict);
  }

  // A schedule with no time left leaves no figure to keep.
  last->keptGroundspeed = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts PROCEEDING TOO SLOW");

  route.Remove(route.GetHead());
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 12.5 kts NO VOYAGE LOADED");
  EXPECT_EQ(StatusLine(route, nullptr), "Groundspeed 0.0 kts NO VOYAGE LOADED");
}

// Past the scheduled arrival no leg speed keeps the schedule: the line says
// by how much the ship is late.
TEST(VoyageStatusLine, PastTheScheduledArrivalSaysHowLate) {
  CVoyage route;
  Placed(route.AddNew(), 50, 0, "Start");
  CWaypoint* last = Placed(route.AddNew(), 51, 0, "End");
  last->keptGroundspeed = 12.5;
  last->SetTimeB(kNoon);
  CFixRecord fix;
  Placed(&fix, 50.9, 0)->SetTime(kNoon + 3.3 / 24);
  fix.groundspeed = 14;
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 14.0 kts LATE BY 3.3 HOURS");
  fix.SetTime(kNoon + 27.5 / 24);
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 14.0 kts LATE BY 27.5 HOURS");
  fix.SetTime(kNoon);  // on the arrival itself: not late yet
  EXPECT_EQ(StatusLine(route, &fix), "Groundspeed 14.0 kts PROCEEDING AHEAD OF SCHEDULE");
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
  AddFix(fixes, 50, kNoon, 0)->SetUtcDifference(1);
  AddFix(fixes, 50, kNoon, 13)->SetUtcDifference(-5);
  EXPECT_TRUE(Status().Open(prompter));
  EXPECT_EQ(Said(prompter),
            (std::vector<std::string>{"Stop: No positionfix defined\nCan not calculate voyage status",
                                      "Exclamation: No waypoints defined\nRemaining voyage can not be calculated"}));
  const CVoyageStatusView v = Opened();
  EXPECT_EQ(v.fixTexts, (std::vector<std::string>{"Tuesday 05 Mar 13:00 LT", "Tuesday 05 Mar 20:00 LT"}));
  // No destination to take the scheduled arrival from.
  EXPECT_TRUE(v.remaining.distanceToGo.empty() && v.scheduledEta == clock.Now());
}

TEST_F(VoyageStatusDialog, HistoryBetweenTwoFixes) {
  AddFix(fixes, 50, kNoon, 0, 95);
  AddFix(fixes, 50 + 10.0 / 60, kNoon, 1, 5);
  AddFix(fixes, 50 + 20.0 / 60, kNoon, 2, 15);
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
  CFixRecord* fix = AddFix(fixes, 50, kNoon, 0);
  EXPECT_EQ(Opened().nextReportingPoint.name, "No reporting points defined");

  Placed(points.AddNew(), 50.5, 0, "VTS Wandelaar")->SetUtcDifference(1);
  const CVoyageStatusView stopped = Opened();  // no way made
  EXPECT_EQ(stopped.nextReportingPoint.name + "|" + stopped.nextReportingPoint.time, "VTS Wandelaar|NA");
  fix->groundspeed = 15;
  EXPECT_EQ(Opened().nextReportingPoint.time, "Tuesday 05 Mar 15:00 LT");
}

TEST_F(VoyageStatusDialog, RemainingVoyageAndTheNextWaypoint) {
  CWaypoint* first = Placed(route.AddNew(), 50, 0, "Hook of Holland");
  CWaypoint* last = Placed(route.AddNew(), 51, 0, "Humber");
  first->SetTime(kNoon - 1);
  first->SetTimeA(kNoon - 1);
  last->SetUtcDifference(1);
  last->SetTimeB(kNoon + 0.25);  // six hours after the fix
  AddFix(fixes, 50.6, kNoon, 0)->groundspeed = 10;

  CVoyageStatus status = Status();
  ASSERT_TRUE(status.Open(prompter));
  const CRemainingVoyage& r = status.View().remaining;
  // The waypoint 2.4 hours away, at UTC+1.
  EXPECT_EQ((std::vector{r.waypointName, r.waypointDistance, r.waypointDirection, r.distanceToGo, r.hoursToGo,
                         r.waypointEta}),
            (std::vector<std::string>{"Humber", "24.00", "0.0", "24.00", " 6.00", "Tuesday 05 Mar 15:24 LT"}));

  // Two hours more to the scheduled arrival.
  const std::time_t later = FromDayNumber(kNoon + 0.25 + 1.0 / 24 + 2.0 / 24);
  EXPECT_EQ(status.View().scheduledEta, FromDayNumber(kNoon + 0.25 + 1.0 / 24));
  status.OnScheduledEtaChanged(later);
  EXPECT_EQ(std::tuple(r.hoursToGo, status.View().scheduledEta), std::tuple(" 8.00", later));
}

// A fix after the scheduled arrival moves it to the estimated arrival; the
// dialog shows the arrival the schedule has left, not the one before it.
TEST_F(VoyageStatusDialog, ScheduledEtaIsTheOneTheScheduleLeft) {
  Placed(route.AddNew(), 50, 0, "Hook of Holland")->SetTime(kNoon - 1);
  CWaypoint* last = Placed(route.AddNew(), 51, 0, "Humber");
  last->SetTimeB(kNoon - 0.5);
  last->SetTimeA(kNoon + 0.25);
  AddFix(fixes, 50.6, kNoon, 0)->groundspeed = 10;
  const CVoyageStatusView v = Opened();
  EXPECT_EQ(last->GetTimeB(), kNoon + 0.25);
  EXPECT_EQ(v.scheduledEta, FromDayNumber(kNoon + 0.25));
}

// The voyage number, the notes and the departure go into the route at once;
// only a route of two waypoints takes a departure. Nothing is changed by
// entries that only repeat what the route holds.
TEST_F(VoyageStatusDialog, RouteEntriesGoIntoTheRoute) {
  route.voyageNumber = "V-6";
  route.notes = "Ballast";
  Placed(route.AddNew(), 50, 0, "Hook of Holland")->SetTime(kNoon - 1);
  AddFix(fixes, 50.6, kNoon, 0);  // past the first waypoint
  {
    CVoyageStatus single = Status();
    ASSERT_TRUE(single.Open(prompter));
    EXPECT_FALSE(single.View().departureEditable);
    single.OnDepartureChanged({2024, 3, 4, 6, 0, 0});
    single.OnVoyageNumberChanged("V-6");
    single.OnNotesChanged("Ballast");
    EXPECT_FALSE(single.RouteChanged());
    EXPECT_EQ(route.GetHead()->GetTime(), kNoon - 1);
  }
  Placed(route.AddNew(), 51, 0, "Humber")->SetTimeB(kNoon + 1);
  CVoyageStatus status = Status();
  ASSERT_TRUE(status.Open(prompter));
  const CVoyageStatusView& v = status.View();
  EXPECT_EQ(std::tuple(v.voyageNumber, v.notes, v.departureEditable, v.departure),
            std::tuple(std::string("V-6"), std::string("Ballast"), true, CCivilTime{2024, 3, 4, 12, 0, 0}));
  status.OnDepartureChanged({2024, 3, 4, 6, 30, 0});
  const double departure = DayNumberOf({2024, 3, 4, 6, 30, 0});
  EXPECT_EQ(std::tuple(route.GetHead()->GetTime(), route.GetHead()->GetTimeA()), std::tuple(departure, departure));
  EXPECT_EQ(v.departure, (CCivilTime{2024, 3, 4, 6, 30, 0}));
  status.OnVoyageNumberChanged("V-7");
  status.OnNotesChanged("Loaded\nDraft 12.1 m");
  EXPECT_EQ(std::tuple(route.voyageNumber, route.notes, status.RouteChanged()),
            std::tuple(std::string("V-7"), std::string("Loaded\nDraft 12.1 m"), true));
}

}  // namespace
}  // namespace marigold
