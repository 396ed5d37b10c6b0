// "Vessel Performance": the slip figures of a fix and the calibration of the
// hull resistance factor.
#include <gtest/gtest.h>

#include <tuple>

#include "vessel/SlipCalibration.h"

namespace marigold {
namespace {

TEST(SlipCalibration, FiguresOfTheDefaultVessel) {
  CVessel2 vessel;
  const CSlipCalibrationView f = CSlipCalibration(vessel, {63, 14.0, 0, 20}).View();
  // True slip 1 − 14.0 / 16.12; the air factor of 20 knots from dead ahead.
  EXPECT_EQ(std::tie(f.theoreticalSpeed, f.engineSetting, f.windSpeed, f.trueSlip, f.hullFactor, f.airFactor,
                     f.estimatedLogSpeed, f.calculatedSlip),
            std::make_tuple("16.1 kts", "63.0 rpm", "20.0 kts", "13.2 %", "0.628", "0.318", "14.7 kts", "8.6 %"));
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
  EXPECT_EQ(std::tie(f.trueSlip, f.calculatedSlip), std::make_tuple("1.0 %", "1.0 %"));

  vessel.propellerPitch = 0;
  CSlipCalibration noPitch(vessel, {63, 12.0, 0, 0});
  f = noPitch.View();
  EXPECT_EQ(std::tie(f.trueSlip, f.estimatedLogSpeed), std::make_tuple("1.0 %", "NA"));
  EXPECT_FALSE(noPitch.OnCalibrate());
  EXPECT_DOUBLE_EQ(vessel.hullResistanceFactor, 0.3);
}

}  // namespace
}  // namespace marigold
