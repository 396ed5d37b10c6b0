// The frame of every page: header and footer where the layout puts them,
// and the page count by records.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "fakes/RecordingPainter.h"
#include "printing/PageFrame.h"

namespace marigold {
namespace {

TEST(PageFrame, HeaderAndFooterStandWhereTheLayoutPutsThem) {
  CRecordingPainter painter;
  DrawPageHeader(painter, "rotterdam-newyork.rtp", 2, 3);
  // Tuesday 1 December 2026 18:05 on the computer's clock.
  DrawPageFooter(painter, "mv Marigold Trader", CalendarTimeFromLocal({2026, 12, 1, 18, 5, 0}));

  const struct {
    const char* text;
    CPagePoint at;
  } kTexts[] = {
      {"rotterdam-newyork.rtp,   page 2 of 3", {100, -100}},
      {"mv Marigold Trader", {100, -2680}},
      {"Printed at Tue 01 Dec 18:05 ST", {100, -2740}},
      {"Printed by: ................................ (Name/Signature)", {1000, -2680}},
      {"Approved by: ............................... (Name/Signature)", {1000, -2740}},
  };
  ASSERT_EQ(painter.texts.size(), std::size(kTexts));
  for (const auto& expected : kTexts) {
    const CRecordingPainter::CText* text = painter.Find(expected.text);
    ASSERT_NE(text, nullptr) << expected.text;
    EXPECT_EQ(text->at, expected.at) << expected.text;
    EXPECT_EQ(text->font, (CPrintFont{"Times New Roman", 36, 400, 0})) << expected.text;
  }
  ASSERT_EQ(painter.shapes.size(), 2u);
  EXPECT_EQ(painter.shapes[0].kind, "rectangle");
  EXPECT_EQ(painter.shapes[0].points, (std::vector<CPagePoint>{{50, -2600}, {1950, -2800}}));
  EXPECT_EQ(painter.shapes[1].points, (std::vector<CPagePoint>{{950, -2600}, {950, -2800}}));
  for (const auto& shape : painter.shapes) EXPECT_EQ(shape.pen, (CPen{EPenStyle::Solid, 2, kBlack}));
}

TEST(PageFrame, PagesFollowTheRecordCount) {
  const struct {
    int records;
    bool fromTree;
    int pages;
  } kCases[] = {{0, false, 1}, {14, false, 1}, {15, false, 2}, {30, false, 3}, {21, true, 1}, {22, true, 2}};
  for (const auto& c : kCases) EXPECT_EQ(PageCountByRecords(c.records, c.fromTree), c.pages) << c.records;
}

}  // namespace
}  // namespace marigold
