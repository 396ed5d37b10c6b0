// Every printed mode inside the page frame: the header and footer where the
// frame puts them on page 1 and on page 2, one cell of each body where its
// layout puts it, and the page count that grows to hold a long body.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "fakes/DocumentFixture.h"
#include "fakes/RecordingPainter.h"
#include "fakes/SmallVoyage.h"
#include "printing/PrintJob.h"
#include "printing/SinglePages.h"
#include "tools/TideCalculation.h"

namespace marigold {
namespace {

constexpr int kRecords = 15;  // two pages by the record count

class PrintJobTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Fourteen fixes of the day before, then the small voyage's latest fix.
    doc.Fixes().RemoveAll();
    for (int i = 1; i < kRecords; ++i) AddFix(doc.Fixes(), 49.0, kSmallVoyageDay - 1, i);
    doc.Fixes().GetHead()->groundCourse = 123.4;
    AddSmallVoyage(doc);
    for (int i = 0; i < kRecords; ++i) {
      const std::string n = std::to_string(i);
      Placed(doc.ReportingPoints().AddNew(), 50.5, 0, "RP" + n);
      Placed(doc.Warnings().AddNew(), 50.5, 1, "W" + n)->passingDistance = 2;
      Placed(doc.Storms().AddNew(), 20, -60, "Storm" + n);
      doc.Publications().AddNew()->number = "C" + n;
      CPublication* book = doc.Publications().AddNew();
      book->chart = false;
      book->number = "B" + n;
    }
    port = Placed(doc.Ports().AddNew(), 52, 0.5, "Harbour");
    for (CVoyage* traject : {&port->inbound, &port->outbound}) AddWaypoints(*traject, 2);
    options.port = port;
  }

  // The page as drawn, with the frame checked: the header names the page,
  // and the footer stands where it stands on every page.
  CRecordingPainter Page(const CPrintJob& job, int page) {
    CRecordingPainter painter;
    job.DrawPage(painter, page);
    const std::string header = Format("voyage.rtp,   page %d of %d", page, job.PageCount());
    const struct {
      std::string text;
      CPagePoint at;
    } kFrame[] = {{header, {100, -100}},
                  {"mv Marlinspike", {100, -2680}},
                  {"Printed at " + FormatTime("%a %d %b %H:%M ST", LocalFieldsOf(options.printedAt)), {100, -2740}},
                  {"Printed by: ................................ (Name/Signature)", {1000, -2680}},
                  {"Approved by: ............................... (Name/Signature)", {1000, -2740}}};
    for (const auto& expected : kFrame) {
      const bool found = std::any_of(painter.texts.begin(), painter.texts.end(), [&](const auto& text) {
        return text.text == expected.text && text.at == expected.at;
      });
      EXPECT_TRUE(found) << expected.text << " on page " << page;
    }
    return painter;
  }

  CDocumentFixture fixture;
  CMarigoldRouteDoc& doc = *fixture.doc;
  CPortInfo* port = nullptr;
  CPrintOptions options{"voyage.rtp", 1700000000, false, nullptr};
};

TEST_F(PrintJobTest, EveryModePrintsItsBodyInTheFrame) {
  const struct {
    int mode;
    int pages;
    std::string cell;
    CPagePoint at;
  } kModes[] = {
      {0, 1, "Voyage Schedule", {700, -250}},
      {0, 1, "Bravo", {100, -630}},  // after the start block of the fix
      {1, 2, "123.4 deg", {650, -545}},
      {2, 2, "RP0", {100, -530}},
      {3, 3, "Keep at least 2.0 nM clear", {950, -545}},  // seven warnings a page with their CPA blocks
      {4, 1, "Alpha", {100, -530}},
      {5, 1, "6.0 nM", {950, -645}},  // the fix is 6 nM short of Bravo
      {5, 1, "Remaining", {1450, -460}},
      {6, 3, "Storm0", {100, -530}},
      {7, 3, "C0", {100, -530}},  // 30 publications: charts and books count them all
      {8, 3, "B0", {100, -530}},
      {9, 1, "PORT INFO", {100, -420}},
      {10, 1, "Voyage Status Report", {500, -250}},
      {10, 1, "Present Position", {450, -502}},
      {11, 1, "VOYAGE PLAN", {400, -500}},
      {12, 1, "Speed versus Time", {1900, -300}},
      {13, 1, "Plottingsheet", {1350, -210}},
      {14, 1, "STORM ADVISORY", {700, -250}},
      {14, 1, "Ships track relative to Storm", {100, -1550}},
      {15, 1, "Harbour Inbound Traject", {200, -250}},
      {16, 1, "WP1", {100, -630}},
      {17, 1, "12", {1015, -2005}},  // the hour marks of the tide curve
      {18, 1, "Tide Harbour  " + TideDateText(port->tide), {100, -250}},
      {20, 1, "Dashed showing required values", {1625, -1800}},
  };
  for (const auto& c : kModes) {
    SCOPED_TRACE(c.mode);
    const CPrintRequest request = MakePrintJob(doc, c.mode, options);
    ASSERT_TRUE(request.job) << request.refusal;
    EXPECT_EQ(request.job->PageCount(), c.pages);
    const CRecordingPainter first = Page(*request.job, 1);
    EXPECT_EQ(first.At(c.cell), c.at) << c.cell;
    if (c.pages > 1) Page(*request.job, 2);
  }
}

TEST_F(PrintJobTest, ALongTableContinuesUnderItsColumnHeadersAndNeverCutsARecord) {
  const CPrintRequest request = MakePrintJob(doc, static_cast<int>(EListKind::Warnings), options);
  ASSERT_TRUE(request.job);
  const CRecordingPainter second = Page(*request.job, 2);
  for (const auto& [text, at] : std::vector<std::pair<std::string, CPagePoint>>{{"Navigational Warnings", {700, -250}},
                                                                                {"Position", {100, -450}},
                                                                                {"W7", {100, -530}},
                                                                                {"CPA", {100, -630}}}) {
    EXPECT_EQ(second.At(text), at) << text;
  }
  EXPECT_EQ(second.Find("W6"), nullptr);
  EXPECT_NE(Page(*request.job, 3).Find("W14"), nullptr);
}

TEST_F(PrintJobTest, FifteenRecordsPrintTwoPagesTheSecondWithTheFrameOnly) {
  doc.ReportingPoints().RemoveAll();
  for (int i = 0; i < kRecords; ++i) Placed(doc.ReportingPoints().AddNew(), 50.5, 0, "RP" + std::to_string(i));
  const CPrintRequest list = MakePrintJob(doc, static_cast<int>(EListKind::ReportingPoints), options);
  ASSERT_TRUE(list.job);
  EXPECT_EQ(list.job->PageCount(), 2);
  EXPECT_EQ(Page(*list.job, 2).Find("RP14"), nullptr);
  CPrintOptions fromTree = options;
  fromTree.fromTree = true;  // 22 records a page
  EXPECT_EQ(MakePrintJob(doc, static_cast<int>(EListKind::ReportingPoints), fromTree).job->PageCount(), 1);
}

TEST_F(PrintJobTest, TheNotesPageIsTheFrameAlone) {
  const CPrintRequest request = MakePrintJob(doc, static_cast<int>(EPrintMode::NotesPage), options);
  ASSERT_TRUE(request.job);
  const CRecordingPainter page = Page(*request.job, 1);
  EXPECT_EQ(page.texts.size(), 5u);
  EXPECT_EQ(page.shapes.size(), 2u);  // the footer's box and divider
}

TEST_F(PrintJobTest, PortInformationNeedsASelectedPortAndARoute) {
  CPrintOptions none = options;
  none.port = nullptr;
  const CPrintRequest refused = MakePrintJob(doc, static_cast<int>(EListKind::Ports), none);
  EXPECT_EQ(refused.job, nullptr);
  EXPECT_EQ(refused.refusal, "No voyage loaded\nor no port selected\nCan not print port info");
  doc.Voyage().RemoveAll();
  EXPECT_EQ(MakePrintJob(doc, static_cast<int>(EListKind::Ports), options).refusal, refused.refusal);
}

TEST_F(PrintJobTest, ReportsWithoutTheirDataAreRefused) {
  doc.stormAdvisory.storm = kRecords;  // no such storm
  EXPECT_EQ(MakePrintJob(doc, static_cast<int>(EPrintMode::StormAdvisory), options).refusal, "No active storms");
  doc.Fixes().RemoveAll();
  EXPECT_EQ(MakePrintJob(doc, static_cast<int>(EPrintMode::VoyageStatus), options).refusal,
            "No position fixes\nCan not print status report");
}

TEST_F(PrintJobTest, TheWholePlanNumbersItsPagesThroughInTheDialogsOrder) {
  const auto job = MakeVoyagePlanJob(doc, options);
  // Cover, waypoints, charts (3), books (3), meteo, storms (3), warnings
  // (3), reporting points (2), port, schedule, two trajects, two tide
  // curves and the notes page.
  ASSERT_EQ(job->PageCount(), 24);
  const std::pair<int, const char*> kTitles[] = {{1, "VOYAGE PLAN"},
                                                 {2, "Waypoint List"},
                                                 {3, "Required Publications"},
                                                 {6, "Required Publications"},
                                                 {9, "Average Weather"},
                                                 {10, "Active Storms"},
                                                 {13, "Navigational Warnings"},
                                                 {16, "Reporting Points"},
                                                 {18, "Harbour"},
                                                 {19, "Voyage Schedule"},
                                                 {20, "Harbour Inbound Traject"},
                                                 {21, "Harbour Outbound Traject"}};
  for (const auto& [page, title] : kTitles) EXPECT_NE(Page(*job, page).Find(title), nullptr) << page;
  EXPECT_NE(Page(*job, 3).Find("C14"), nullptr);
  EXPECT_EQ(Page(*job, 4).texts.size(), 5u);  // the record count's pages beyond the table
  EXPECT_NE(Page(*job, 6).Find("B14"), nullptr);
  EXPECT_EQ(Page(*job, 24).texts.size(), 5u);
}

TEST(PrintModes, AreNamedAsTheCommandLineNamesThem) {
  const std::pair<const char*, std::optional<int>> kNames[] = {
      {"schedule", 0},        {"history", 1},    {"port", 9},          {"status", 10},
      {"cover", 11},          {"inbound", 15},   {"tide-arrival", 18}, {"notes", 19},
      {"voyage-graph", 20},   {"7", 7},          {"20", 20},           {"21", std::nullopt},
      {"plan", std::nullopt}, {"", std::nullopt}};
  for (const auto& [name, mode] : kNames) EXPECT_EQ(PrintModeNamed(name), mode) << name;
  for (int mode = 0; mode < kPrintModeCount; ++mode) EXPECT_EQ(PrintModeNamed(PrintModeName(mode)), mode);
}

}  // namespace
}  // namespace marigold
