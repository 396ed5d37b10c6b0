#include "vessel/SlipCalibration.h"

#include "core/Quotient.h"
#include "core/TextFormat.h"
#include "vessel/ToolFigures.h"

namespace marigold {

CSlipReading CSlipReading::FromVessel(const CVessel2& vessel) {
  return {vessel.engineSetting, vessel.TheoreticalSpeed(vessel.engineSetting), 0, 0};
}

CSlipReading CSlipReading::FromFix(const CFixRecord& fix) {
  return {fix.engineRpm, fix.logSpeed, fix.weather.windDirection, fix.weather.windSpeed};
}

double CSlipCalibration::ResistanceIndex() const {
  return vessel_.HullResistance(reading_.engineRpm) +
         vessel_.WindAtReference(reading_.windDirection, reading_.windSpeed);
}

CSlipCalibrationView CSlipCalibration::View() const {
  const double t = vessel_.TheoreticalSpeed(reading_.engineRpm);
  const double h = vessel_.HullResistance(reading_.engineRpm);
  const double a = vessel_.WindAtReference(reading_.windDirection, reading_.windSpeed);
  const double e = vessel_.SpeedThroughWater(reading_.engineRpm, h + a);
  // Without a theoretical speed there is no slip to speak of.
  const bool moving = t > 0;
  CSlipCalibrationView v;
  v.theoreticalSpeed = FormatFigure("%3.1f kts", t);
  v.engineSetting = FormatFigure("%4.1f rpm", reading_.engineRpm);
  v.logSpeed = FormatFigure("%3.1f kts", reading_.logSpeed);
  v.windSpeed = FormatFigure("%3.1f kts", reading_.windSpeed);
  v.trueSlip = FormatFigure("%3.1f %%", moving ? SlipPercent(reading_.logSpeed, t) : 1.0);
  v.hullFactor = FormatFigure("%3.3f", h);
  v.airFactor = FormatFigure("%3.3f", a);
  v.estimatedLogSpeed = FormatFigure("%3.1f kts", e);
  v.calculatedSlip = FormatFigure("%3.1f %%", moving ? SlipPercent(e, t) : 1.0);
  return v;
}

bool CSlipCalibration::OnCalibrate(CPrompter& prompter) {
  const double divisor = ResistanceIndex() * 0.1 + 1.0;
  const double estimate = divisor != 0 ? vessel_.TheoreticalSpeed(reading_.engineRpm) / divisor : kNotANumber;
  if (vessel_.Calibrate(estimate, reading_.logSpeed)) return true;
  prompter.Message(reading_.logSpeed > 0 ? kNoEstimateToCalibrate : kNoLogSpeedToCalibrate, EMessageIcon::Exclamation);
  return false;
}

}  // namespace marigold
