// The bodies of one page and the table's pages, figure by figure: the cover
// page's totals and titles, the port's pilot texts, the schedule's required
// groundspeed, a traject's legs, the status report's distance made, the
// storm advisory's track, and where a table cuts its pages.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/LocalClock.h"
#include "fakes/DocumentFixture.h"
#include "fakes/RecordingPainter.h"
#include "fakes/SmallVoyage.h"
#include "printing/ListTables.h"
#include "printing/SinglePages.h"
#include "printing/StatusReport.h"
#include "printing/StormAdvisorySheet.h"
#include "printing/TableBody.h"

namespace marigold {
namespace {

using CPlaced = std::pair<std::string, CPagePoint>;

void ExpectTexts(const CRecordingPainter& painter, const std::vector<CPlaced>& expected) {
  for (const auto& [text, at] : expected) EXPECT_EQ(painter.At(text), at) << text;
}

class PagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Fixes().RemoveAll();
    AddSmallVoyage(doc);
  }

  CDocumentFixture fixture;
  CMarigoldRouteDoc& doc = *fixture.doc;
};

TEST_F(PagesTest, TheCoverNamesShipVoyageAndTotalsOnce) {
  doc.Vessel().name = "mv Marigold Trader";
  doc.Voyage().voyageNumber = "MR 7";
  CRecordingPainter painter;
  DrawCoverPage(painter, doc);
  // Alpha to Charlie is 120 nM in 10 hours.
  ExpectTexts(painter, {{"mv Marigold Trader", {1000, -900}},  // the name's own prefix, not "mv mv"
                        {"voyage MR 7", {1000, -1000}},
                        {"BSV Wednesday 15 Nov 2023  01:00 LT", {400, -1250}},
                        {"ETA Wednesday 15 Nov 2023  11:00 LT", {400, -1550}},
                        {"LAT 52 : 0.00 N", {1000, -1600}},
                        {"Total distance", {400, -1950}},
                        {"     120.0 nM", {1000, -1950}},
                        {"      10.0 hrs", {1000, -2000}},
                        {"      12.0 kts", {1000, -2050}}});
  doc.Vessel().name = "Marigold Trader";
  CRecordingPainter plain;
  DrawCoverPage(plain, doc);
  EXPECT_EQ(plain.At("mv Marigold Trader"), (CPagePoint{1000, -900}));
}

TEST_F(PagesTest, ThePortPageSaysHowToMeetThePilot) {
  CPortInfo* port = Placed(doc.Ports().AddNew(), 52, 4, "Rotterdam");
  port->pilotEta = CalendarTimeFromLocal({2026, 12, 1, 6, 45, 0});
  port->ladderHeight = "1.5";
  const struct {
    std::int32_t side;
    std::int32_t unit;
    std::vector<CPlaced> texts;
  } kCases[] = {
      {CPortInfo::kStarboard,
       CPortInfo::kHours,
       {{"PORT INFO", {100, -420}},
        {"06 45 LT", {500, -1120}},  // hours and minutes
        {"Pilotladder SB at 1.5 mtr above water", {1300, -1120}},
        {"Call Pilot 1 hours in advance", {1300, -1170}}}},
      {CPortInfo::kPort,
       CPortInfo::kMiles,
       {{"Pilotladder PS at 1.5 mtr above water", {1300, -1120}},
        {"Call Pilot 1 nM before pilotstation", {1300, -1170}},
        {"AGENT", {100, -1620}}}},
  };
  for (const auto& c : kCases) {
    port->ladderSide = c.side;
    port->callPilotUnit = c.unit;
    CRecordingPainter painter;
    DrawPortPage(painter, *port);
    ExpectTexts(painter, c.texts);
  }
}

TEST_F(PagesTest, TheScheduleAsksTheGroundspeedOfEachLeg) {
  doc.openedFromFile = true;  // from the departure at Alpha
  CRecordingPainter painter;
  ListTable(doc, EListKind::Schedule)->DrawPage(painter, 1);
  // The departure block, Alpha, then Bravo: 60 nM in the first half of
  // ten hours at constant speed.
  ExpectTexts(painter,
              {{"Alpha", {100, -530}}, {"Bravo", {100, -730}}, {"60.0 nM", {650, -745}}, {"12.0 kts", {950, -745}}});
}

TEST_F(PagesTest, ATrajectMeasuresItsOwnLegs) {
  CPortInfo* port = Placed(doc.Ports().AddNew(), 52, 4, "Harbour");
  AddWaypoints(port->inbound, 3);  // a degree apart northwards
  CRecordingPainter painter;
  TrajectTable(*port, true)->DrawPage(painter, 1);
  ExpectTexts(painter, {{"WP0", {100, -530}},
                        {"RL 0.0 deg", {650, -645}},
                        {"60.0 nM", {950, -645}},
                        {"120.0 nM", {1250, -745}},
                        {"0.0 nM", {1450, -745}}});
}

TEST_F(PagesTest, TheStatusReportMeasuresThePastDay) {
  CRecordingPainter alone;
  DrawStatusReport(alone, doc);  // one fix: nothing made yet
  EXPECT_NE(alone.Find("NA (No voyage loaded)"), nullptr);
  // A fix 60 nM south of the latest, five hours before it.
  const double latest = doc.Fixes().GetHead()->GetTime();
  doc.Fixes().RemoveAll();
  AddFix(doc.Fixes(), 49.9, latest, -5);
  AddFix(doc.Fixes(), 50.9, latest, 0);
  CRecordingPainter painter;
  DrawStatusReport(painter, doc);
  ExpectTexts(
      painter,
      {{"    60.0 nM   (average 12.00 kts)", {500, -1440}}, {"Next WP", {1200, -1570}}, {"Bravo", {1500, -1570}}});
}

TEST_F(PagesTest, TheStormAdvisoryFollowsTheRouteOrDeadReckons) {
  Placed(doc.Storms().AddNew(), 45, -20, "Pablo");
  for (const bool keep : {false, true}) {
    doc.stormAdvisory.keepCourseAndSpeed = keep;
    CRecordingPainter painter;
    DrawStormAdvisory(painter, doc);
    EXPECT_EQ(painter.At(keep ? "Position" : "Waypoint"), (CPagePoint{100, -620}));
    const auto rows = std::count_if(painter.texts.begin(), painter.texts.end(),
                                    [](const auto& t) { return t.at.x == 1500 && t.at.y < -670; });
    EXPECT_EQ(rows, keep ? 13 : 3) << keep;  // the fix, Bravo and Charlie, or thirteen reckoned points
  }
}

TEST(TableBody, RecordsFillFifteenRowsAndAreNeverCut) {
  const auto Pages = [](std::vector<int> heights) {
    std::vector<CTableRecord> records;
    for (int h : heights) records.push_back({{}, h, kTableRowHeight});
    return CTableBody({}, std::move(records)).PageStarts();
  };
  using S = std::vector<std::size_t>;
  EXPECT_EQ(Pages({}), S{0});
  EXPECT_EQ(Pages(std::vector<int>(15, 100)), S{0});
  EXPECT_EQ(Pages(std::vector<int>(16, 100)), (S{0, 15}));
  EXPECT_EQ(Pages(std::vector<int>(8, 200)), (S{0, 7}));  // 1400 units, the eighth would cross the foot
  std::vector<int> fourteenAndACpaBlock(14, 100);
  fourteenAndACpaBlock.push_back(200);
  EXPECT_EQ(Pages(fourteenAndACpaBlock), (S{0, 14}));
}

}  // namespace
}  // namespace marigold
