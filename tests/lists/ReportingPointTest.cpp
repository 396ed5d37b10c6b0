// Reporting points: archive form, placing and scheduling, and the sheet.
#include <gtest/gtest.h>

#include "core/Voyage.h"
#include "fakes/Records.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "lists/ReportingPoint.h"
#include "lists/ReportingPointSheet.h"
#include "lists/ReportsPage.h"

namespace marigold {
namespace {

using namespace bytes;

// distance before 1.0, index 0, no action, no notes, no documents.
const std::string kDefaultPoint =
    PositionPart("Reporting Point") + "00 00 00 00 00 00 f0 3f  00 00 00 00  00  00  00 00 00 00";

// 10.0 nM before waypoint 2, "Call captain", notes "Keep clear", two documents.
const std::string kTwoDocuments = PositionPart("Reporting Point") + "00 00 00 00 00 00 24 40  02 00 00 00 " +
                                  ShortString("Call captain") + ShortString("Keep clear") + "02 00 00 00 " +
                                  ShortString("C:\\a.doc") + ShortString("b.doc");

TEST(ReportingPointArchive, DefaultAndTwoDocumentBytes) {
  CReportingPoint fresh;
  EXPECT_EQ(Store(fresh), Hex(kDefaultPoint));

  CReportingPoint point;
  Load(point, Hex(kTwoDocuments));
  EXPECT_EQ(std::tuple(point.distanceBefore, point.waypointIndex, point.requiredAction, point.notes),
            std::tuple(10.0, 2, "Call captain", "Keep clear"));
  EXPECT_EQ(point.documents, (std::vector<std::string>{"C:\\a.doc", "b.doc"}));
}

TEST(ReportingPointArchive, DamagedBytesLeaveThePointAsItWas) {
  CBytes shortened = Hex(kTwoDocuments);
  shortened.pop_back();
  CBytes hugeCount = Hex(kDefaultPoint);
  hugeCount.back() = 0x7f;
  for (const CBytes& bytes : {shortened, hugeCount}) {
    CReportingPoint point;
    point.notes = "mine";
    ExpectLoadFails(point, bytes);
    EXPECT_EQ(point.notes, "mine");
  }
}

// A northbound leg into a waypoint at 10N 20E, due at day 100.5 (12:00 UTC)
// at 12.5 kts, two hours ahead of UTC.
CVoyage Route() {
  CVoyage route;
  route.AddNew();
  CWaypoint* w = Placed(route.AddNew(), 10, 20, "Landfall");
  w->SetTimeA(100.5);
  w->SetUtcDifference(2);
  w->keptGroundspeed = 12.5;
  return route;
}

TEST(ReportingPointPlace, TenMilesBeforeANorthboundWaypoint) {
  const CVoyage route = Route();
  CReportingPoint point;
  point.distanceBefore = 10;
  point.waypointIndex = 1;
  ASSERT_TRUE(point.Place(route));
  ExpectNear({point.GetLatitude(), point.GetLongitude()}, {10 - 10.0 / 60, 20}, 1e-9);
  EXPECT_NEAR((100.5 - point.GetTimeA()) * 24 * 60, 48.0, 1e-6);  // 10 nM at 12.5 kts
  EXPECT_EQ(point.PassingTimeText("%A %d %b %H:%M LT"), "Sunday 09 Apr 13:12 LT");

  point.distanceBefore = 0;
  point.Place(route);
  EXPECT_EQ(point.GetTimeA(), 100.5);
}

TEST(ReportingPointSchedule, FollowsTheScheduleButNotThePosition) {
  CVoyage route = Route();
  CReportingPointList points;
  EXPECT_FALSE(ScheduleReportingPoints(points, route));
  CReportingPoint* point = points.AddNew();
  point->distanceBefore = 10;
  point->waypointIndex = 7;  // outside the route: the last waypoint
  ASSERT_TRUE(ScheduleReportingPoints(points, route));
  EXPECT_NEAR((100.5 - point->GetTimeA()) * 24 * 60, 48.0, 1e-6);
  EXPECT_EQ(std::tuple(point->GetUtcDifference(), point->GetLatitude()), std::tuple(2.0, 45.0));

  // A leg without groundspeed has no passing time, never an infinite one.
  route.GetTail()->keptGroundspeed = 0;
  ScheduleReportingPoints(points, route);
  EXPECT_TRUE(std::isnan(point->GetTimeA()) && point->PassingTimeText("%A %d %b %H:%M LT") == "NA");
}

TEST(ReportingPointSheet, SuggestedActionsAndWaypointChoice) {
  ASSERT_EQ(kSuggestedActions.size(), 11u);
  EXPECT_EQ(std::string(kSuggestedActions[0]) + "|" + kSuggestedActions[2] + "|" + kSuggestedActions[10],
            "Reduce engine rpm|Call captain|Commence post-departure checklist");

  const CVoyage route = Route();
  EXPECT_EQ(WaypointChoices(route), (std::vector<std::string>{"Landfall"}));
  CReportingPoint point;  // index 0: the departure, which is not offered
  point.distanceBefore = 2.345;
  CReportingPointFields fields = ReadReportingPoint(point, route);
  EXPECT_EQ(std::tuple(ReportingPointCaption(point, true), fields.waypointChoice, fields.distanceBefore),
            std::tuple("Reporting Point", -1, 2.35));
  // Left alone, the stored index and distance stay.
  fields.requiredAction = kSuggestedActions[2];
  ApplyReportingPoint(fields, point, route);
  EXPECT_EQ(std::tuple(point.waypointIndex, point.distanceBefore, point.requiredAction),
            std::tuple(0, 2.345, "Call captain"));
  fields.waypointChoice = 0;
  fields.distanceBefore = 10;
  ApplyReportingPoint(fields, point, route);
  EXPECT_EQ(std::tuple(point.waypointIndex, point.distanceBefore), std::tuple(1, 10.0));
  point.SetName("VTS");
  EXPECT_EQ(ReportingPointCaption(point, false), "VTS");
}

TEST(ReportingPointSheet, WaypointIndexAsTheChoiceShowsIt) {
  CVoyage route;
  route.AddNew();
  EXPECT_EQ(ChoiceOfWaypoint(route, 1), -1);  // nothing to choose from
  for (int i = 0; i < 3; ++i) route.AddNew();
  // Choices 0, 1, 2 are route indices 1, 2, 3; the departure is none of
  // them, an index beyond the route is the last waypoint.
  const std::pair<int, int> cases[] = {{0, -1}, {1, 0}, {2, 1}, {3, 2}, {4, 2}, {-1, 2}};
  for (const auto& [index, choice] : cases) EXPECT_EQ(ChoiceOfWaypoint(route, index), choice) << index;
}

TEST(ReportingPointSheet, ANewPointGoesAfterTheSelectedPoint) {
  CReportingPointList points;
  CReportingPoint* first = points.AddNew();
  points.AddNew();
  CReportingPoint* inserted = InsertReportingPoint(points, first);
  EXPECT_EQ(std::tuple(inserted->GetName(), points.GetAt(1)), std::tuple("Reporting Point", inserted));
  const CPosition2 other;  // a record of another list
  for (const CPosition2* selected : {&other, static_cast<const CPosition2*>(nullptr)}) {
    const CReportingPoint* appended = InsertReportingPoint(points, selected);
    EXPECT_EQ(appended, points.GetTail());
  }
  EXPECT_EQ(points.GetCount(), 5);
}

TEST(ReportsPage, DocumentButtonsWithoutSelectionSaySo) {
  const CTempFolder folder("reports");
  const std::string form = folder.File("vts.doc");
  PutFile(form, "form");
  CScriptedPrompter prompter;
  std::vector<std::string> documents;
  prompter.files = {form, std::string("/gone/chart.pdf")};
  EXPECT_TRUE(AddDocument(documents, prompter) && AddDocument(documents, prompter));
  EXPECT_EQ(std::tuple(prompter.fileChoices.at(0).defaultName, prompter.fileChoices.at(0).filter),
            std::tuple("Document", "MS Word document (*.doc)|*.doc|All Files (*.*)|*.*||"));
  EXPECT_FALSE(DocumentToView(documents, -1, prompter));
  EXPECT_FALSE(RemoveDocument(documents, 2, prompter));
  EXPECT_EQ(DocumentToView(documents, 0, prompter), form);
  EXPECT_FALSE(DocumentToView(documents, 1, prompter));
  EXPECT_EQ(Said(prompter), (std::vector<std::string>{"Stop: Please select file to open",
                                                      "Stop: Please select file to remove from list",
                                                      "Stop: Document not found:\n/gone/chart.pdf"}));
  EXPECT_TRUE(RemoveDocument(documents, 0, prompter));
  EXPECT_EQ(documents, (std::vector<std::string>{"/gone/chart.pdf"}));
}

}  // namespace
}  // namespace marigold
