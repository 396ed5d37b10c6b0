// The pages of the performance sheet on the sheet's own vessel.
#include <gtest/gtest.h>

#include "vessel/PerformanceSheet.h"

namespace marigold {
namespace {

TEST(PerformanceSheet, PagesWorkOnTheSheetVessel) {
  CPerformanceSheet sheet{CVessel2{}};
  CPerformanceSheetView v = sheet.View();
  EXPECT_EQ(v.hull.slider.position, 30);
  EXPECT_EQ(v.wind.slider.position, 3);
  EXPECT_EQ(v.data.slider.maximum, 106);
  EXPECT_EQ(v.data.slider.position, 43);  // 106 − 63
  EXPECT_EQ(v.hull.speed, "15.2");
  EXPECT_EQ(v.wind.logSpeed, "14.9");  // 16 knots on the head
  EXPECT_EQ(v.data.logSpeed, "14.9");
  EXPECT_EQ(v.data.slip, "7.8");

  sheet.OnWindSpeedChanged(40);  // the wind page's own wind
  v = sheet.View();
  EXPECT_EQ(v.wind.logSpeed, "13.6");
  EXPECT_EQ(v.data.logSpeed, "14.9");
  sheet.OnEngineSliderMoved(26);
  EXPECT_DOUBLE_EQ(sheet.View().hull.engineSetting, 80.0);
  sheet.OnEngineSliderMoved(106);  // 0 rpm
  v = sheet.View();
  EXPECT_EQ(v.data.logSpeed, "NA");
  EXPECT_EQ(v.data.slip, "NA");
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
  EXPECT_DOUBLE_EQ(document.draftForward, 12.75);
  EXPECT_DOUBLE_EQ(document.engineSetting, 63.0);
}

}  // namespace
}  // namespace marigold
