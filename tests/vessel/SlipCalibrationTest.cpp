// "Vessel Performance": the slip figures of a fix and the calibration of the
// hull resistance factor.
#include <gtest/gtest.h>

#include "vessel/SlipCalibration.h"

namespace marigold {
namespace {

TEST(SlipCalibration, FiguresOfTheDefaultVessel) {
  CVessel2 vessel;
  const CSlipCalibrationView f = CSlipCalibration(vessel, {63, 14.0, 0, 20}).View();
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
  EXPECT_EQ(calibration.View().hullFactor, "2.230");  // repainted from the changed vessel

  CVessel2 other;
  EXPECT_TRUE(CSlipCalibration(other, {63, estimate, 0, 0}).OnCalibrate());
  EXPECT_DOUBLE_EQ(other.hullResistanceFactor, 1.0);
  EXPECT_FALSE(CSlipCalibration(other, {63, 0, 0, 0}).OnCalibrate());
  EXPECT_DOUBLE_EQ(other.hullResistanceFactor, 1.0);
}

TEST(SlipCalibration, NoTheoreticalSpeedShowsSlipsOfOne) {
  CVessel2 vessel;
  CSlipCalibrationView f = CSlipCalibration(vessel, {0, 5.0, 0, 0}).View();
  EXPECT_EQ(f.trueSlip, "1.0 %");
  EXPECT_EQ(f.calculatedSlip, "1.0 %");

  vessel.propellerPitch = 0;
  CSlipCalibration noPitch(vessel, {63, 12.0, 0, 0});
  f = noPitch.View();
  EXPECT_EQ(f.trueSlip, "1.0 %");
  EXPECT_EQ(f.estimatedLogSpeed, "NA");
  EXPECT_FALSE(noPitch.OnCalibrate());
  EXPECT_DOUBLE_EQ(vessel.hullResistanceFactor, 0.3);
}

}  // namespace
}  // namespace marigold
