// The speed graphs: where a fix's figures land, the turned texts, and the
// ranges that make no graph.
#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/DocumentFixture.h"
#include "fakes/RecordingPainter.h"
#include "fakes/SmallVoyage.h"
#include "printing/Graphs.h"
#include "printing/PrintJob.h"

namespace marigold {
namespace {

class GraphsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.Fixes().RemoveAll();
    // Three fixes five hours apart: 0, 10 and 20 knots over the ground.
    for (int i = 0; i < 3; ++i) {
      CFixRecord* fix = AddFix(doc.Fixes(), 50.0 + i, kSmallVoyageDay, 5.0 * i);
      fix->groundspeed = 10.0 * i;
      fix->logSpeed = 12;
      fix->engineRpm = 80;
    }
  }

  CDocumentFixture fixture;
  CMarigoldRouteDoc& doc = *fixture.doc;
};

TEST_F(GraphsTest, SpeedVersusTimePlotsEachFixAlongTheTurnedAxes) {
  CRecordingPainter painter;
  DrawSpeedGraph(painter, doc, 0, 2);
  // Ten hours over 2350 units; 50 units a knot and 10 an rpm from x 200.
  const auto& curves = painter.shapes;
  const auto groundspeed = std::find_if(curves.begin(), curves.end(),
                                        [](const auto& s) { return s.kind == "polyline" && s.pen.colour == kRed; });
  ASSERT_NE(groundspeed, curves.end());
  EXPECT_EQ(groundspeed->points, (std::vector<CPagePoint>{{200, -200}, {700, -1375}, {1200, -2550}}));
  const auto rpm = std::find_if(curves.begin(), curves.end(),
                                [](const auto& s) { return s.kind == "polyline" && s.pen.colour == kBlue; });
  ASSERT_NE(rpm, curves.end());
  EXPECT_EQ(rpm->points.front(), (CPagePoint{1000, -200}));

  const CRecordingPainter::CText* title = painter.Find("Speed versus Time");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->at, (CPagePoint{1900, -300}));
  EXPECT_EQ(title->font, (CPrintFont{kPrintFace, 48, 400, 2700}));
  for (const auto& [text, at] : std::vector<std::pair<std::string, CPagePoint>>{{"Groundspeed", {1925, -2120}},
                                                                                {"LogSpeed", {1825, -2120}},
                                                                                {"Engine rpm", {1725, -2120}},
                                                                                {"35 kts", {1974, -215}}}) {
    EXPECT_EQ(painter.At(text), at) << text;
  }
}

TEST_F(GraphsTest, ARangeThatSpansNoTimeOrNoFixesIsRefused) {
  const struct {
    int from;
    std::optional<int> to;
    const char* refusal;
  } kRanges[] = {
      {0, std::nullopt, ""},  {1, 2, ""}, {1, 1, kGraphNoTime}, {2, 0, kGraphNoTime}, {0, 3, kGraphNoFixes},
      {-1, 2, kGraphNoFixes},
  };
  for (const auto& c : kRanges) {
    doc.graphRange = {c.from, c.to};
    const CPrintRequest request = MakePrintJob(doc, static_cast<int>(EPrintMode::SpeedGraph), {});
    EXPECT_EQ(request.refusal, c.refusal) << c.from;
    EXPECT_EQ(request.job != nullptr, *c.refusal == '\0') << c.from;
  }
}

TEST_F(GraphsTest, TheVoyageGraphNeedsARouteThatTakesTime) {
  EXPECT_EQ(CheckVoyageGraph(doc), std::optional<std::string>("No voyage loaded\nCan not print graph"));
  AddSmallVoyage(doc);
  EXPECT_EQ(CheckVoyageGraph(doc), std::nullopt);
  CRecordingPainter painter;
  DrawVoyageGraph(painter, doc);
  EXPECT_NE(painter.Find("Dashed showing required values"), nullptr);
  EXPECT_NE(painter.Find("Voyage " + doc.Voyage().voyageNumber), nullptr);
  const bool dashed = std::any_of(painter.shapes.begin(), painter.shapes.end(), [](const auto& s) {
    return s.pen == CPen{EPenStyle::Dashed, 1, kRed};
  });
  EXPECT_TRUE(dashed);
  doc.Voyage().GetTail()->SetTimeB(kSmallVoyageDay - 1);  // arrival before departure
  EXPECT_EQ(CheckVoyageGraph(doc), std::optional<std::string>(kGraphNoTime));
}

}  // namespace
}  // namespace marigold
