// Slip calibration from a fix and the pages of the performance sheet.
#include <gtest/gtest.h>

#include "vessel/PerformanceFigures.h"

namespace marigold {
namespace {

TEST(SlipCalibration, FiguresOfTheDefaultVessel) {
  CVessel2 vessel;
  const CSlipFigures f = CSlipCalibration(vessel, {63, 14.0, 0, 20}).Figures();
  EXPECT_EQ(f.theoreticalSpeed, "16.1 kts");
  EXPECT_EQ(f.engineSetting, "63.0 rpm");
  EXPECT_EQ(f.windSpeed, "20.0 kts");
  EXPECT_EQ(f.trueSlip, "13.2 %");  // 1 − 14.0 / 16.12
  EXPECT_EQ(f.hullFactor, "0.628");
  EXPECT_EQ(f.airFactor, "0.318");  // 20 knots from dead ahead
  EXPECT_EQ(f.estimatedLogSpeed, "14.7 kts");
  EXPECT_EQ(f.calculatedSlip, "8.6 %");
}

TEST(SlipCalibration, CalibrateSetsTheFactorFromLogOverEstimate) {
  CVessel2 vessel;
  const CSlipReading reading = CSlipReading::FromVessel(vessel);
  const double estimate = vessel.SpeedThroughWater(63, vessel.HullResistance(63) + vessel.WindAtReference(0, 0));
  CSlipCalibration calibration(vessel, reading);
  EXPECT_TRUE(calibration.OnCalibrate());
  EXPECT_DOUBLE_EQ(vessel.hullResistanceFactor, reading.logSpeed / estimate);
  EXPECT_EQ(calibration.Figures().hullFactor, "2.230");  // repainted from the changed vessel

  CVessel2 other;
  EXPECT_TRUE(CSlipCalibration(other, {63, estimate, 0, 0}).OnCalibrate());
  EXPECT_DOUBLE_EQ(other.hullResistanceFactor, 1.0);
  EXPECT_FALSE(CSlipCalibration(other, {63, 0, 0, 0}).OnCalibrate());
  EXPECT_DOUBLE_EQ(other.hullResistanceFactor, 1.0);
}

TEST(SlipCalibration, NoTheoreticalSpeedShowsSlipsOfOne) {
  CVessel2 vessel;
  CSlipFigures f = CSlipCalibration(vessel, {0, 5.0, 0, 0}).Figures();
  EXPECT_EQ(f.trueSlip, "1.0 %");
  EXPECT_EQ(f.calculatedSlip, "1.0 %");

  vessel.propellerPitch = 0;
  CSlipCalibration noPitch(vessel, {63, 12.0, 0, 0});
  f = noPitch.Figures();
  EXPECT_EQ(f.trueSlip, "1.0 %");
  EXPECT_EQ(f.estimatedLogSpeed, "NA");
  EXPECT_FALSE(noPitch.OnCalibrate());
  EXPECT_DOUBLE_EQ(vessel.hullResistanceFactor, 0.3);
}

TEST(PerformanceSheet, PagesWorkOnTheSheetVessel) {
  CPerformanceSheet sheet{CVessel2{}};
  EXPECT_EQ(sheet.HullPage().slider.position, 30);
  EXPECT_EQ(sheet.WindPage().slider.position, 3);
  EXPECT_EQ(sheet.DataPage().slider.maximum, 106);
  EXPECT_EQ(sheet.DataPage().slider.position, 43);  // 106 − 63
  EXPECT_EQ(sheet.HullPage().speed, "15.2");
  EXPECT_EQ(sheet.WindPage().logSpeed, "14.9");  // 16 knots on the head
  EXPECT_EQ(sheet.DataPage().logSpeed, "14.9");
  EXPECT_EQ(sheet.DataPage().slip, "7.8");

  sheet.OnWindSpeedChanged(40);  // the wind page's own wind
  EXPECT_EQ(sheet.WindPage().logSpeed, "13.6");
  EXPECT_EQ(sheet.DataPage().logSpeed, "14.9");
  sheet.OnEngineSliderMoved(26);
  EXPECT_DOUBLE_EQ(sheet.HullPage().engineSetting, 80.0);
  sheet.OnEngineSliderMoved(106);  // 0 rpm
  EXPECT_EQ(sheet.DataPage().logSpeed, "NA");
  EXPECT_EQ(sheet.DataPage().slip, "NA");
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
