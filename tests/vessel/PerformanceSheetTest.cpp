// The pages of the performance sheet on the sheet's own vessel.
#include <gtest/gtest.h>

#include <tuple>

#include "vessel/PerformanceSheet.h"

namespace marigold {
namespace {

TEST(PerformanceSheet, PagesWorkOnTheSheetVessel) {
  CPerformanceSheet sheet{CVessel2{}};
  CPerformanceSheetView v = sheet.View();
  // The data page's engine slider stands at 106 − 63; the wind page has 16 knots on the head.
  EXPECT_EQ(std::tie(v.hull.slider.position, v.wind.slider.position, v.data.slider.maximum, v.data.slider.position),
            std::make_tuple(30, 3, 106, 43));
  EXPECT_EQ(std::tie(v.hull.speed, v.wind.logSpeed, v.data.logSpeed, v.data.slip),
            std::make_tuple("15.2", "14.9", "14.9", "7.8"));

  sheet.OnWindSpeedChanged(40);  // the wind page's own wind
  v = sheet.View();
  EXPECT_EQ(std::tie(v.wind.logSpeed, v.data.logSpeed), std::make_tuple("13.6", "14.9"));
  sheet.OnEngineSliderMoved(26);
  EXPECT_DOUBLE_EQ(sheet.View().hull.engineSetting, 80.0);
  sheet.OnEngineSliderMoved(106);  // 0 rpm
  v = sheet.View();
  EXPECT_EQ(std::tie(v.data.logSpeed, v.data.slip), std::make_tuple("NA", "NA"));
}

TEST(PerformanceSheet, OkCopiesOnlyTheTwoFactors) {
  CPerformanceSheet sheet{CVessel2{}};
  sheet.OnHullSliderMoved(80);
  sheet.OnAirSliderMoved(10);
  sheet.OnDraftForwardChanged(9.0);
  sheet.OnEngineSettingChanged(90);
  CVessel2 document;
  sheet.ApplyTo(document);
  EXPECT_DOUBLE_EQ(document.hullResistanceFactor, 0.8);
  EXPECT_DOUBLE_EQ(document.airResistanceFactor, 0.1);
  EXPECT_EQ(std::pair(document.draftForward, document.engineSetting), std::pair(12.75, 63.0));  // untouched
}

}  // namespace
}  // namespace marigold
