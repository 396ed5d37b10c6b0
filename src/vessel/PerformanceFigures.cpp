#include "vessel/PerformanceFigures.h"

#include <algorithm>
#include <cmath>
#include "core/Quotient.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {


// (1 − speed / theoretical) in percent; NaN without a theoretical speed.
double Slip(double speed, double theoretical) {
  return theoretical > 0 ? (1 - speed / theoretical) * 100 : kNotANumber;
}

}  // namespace

int TruncatedFigure(double value) {
  if (!std::isfinite(value)) return 0;
  // Far beyond any bar or slider, and safe to convert even when scaled by 100.
  return static_cast<int>(std::clamp(value, -1e7, 1e7));
}

int BarPosition(double value, int maximum) {
  return std::clamp(TruncatedFigure(value), 0, std::max(maximum, 0));
}

CSlipReading CSlipReading::FromVessel(const CVessel2& vessel) {
  return {vessel.engineSetting, vessel.TheoreticalSpeed(vessel.engineSetting), 0, 0};
}

double CSlipCalibration::ResistanceIndex() const {
  return vessel_.HullResistance(reading_.engineRpm) +
         vessel_.WindAtReference(reading_.windDirection, reading_.windSpeed);
}

CSlipFigures CSlipCalibration::Figures() const {
  const double t = vessel_.TheoreticalSpeed(reading_.engineRpm);
  const double h = vessel_.HullResistance(reading_.engineRpm);
  const double a = vessel_.WindAtReference(reading_.windDirection, reading_.windSpeed);
  const double e = vessel_.SpeedThroughWater(reading_.engineRpm, h + a);
  // Without a theoretical speed there is no slip to speak of.
  const bool moving = t > 0;
  CSlipFigures f;
  f.theoreticalSpeed = FormatFigure("%3.1f kts", t);
  f.engineSetting = FormatFigure("%4.1f rpm", reading_.engineRpm);
  f.logSpeed = FormatFigure("%3.1f kts", reading_.logSpeed);
  f.windSpeed = FormatFigure("%3.1f kts", reading_.windSpeed);
  f.trueSlip = FormatFigure("%3.1f %%", moving ? Slip(reading_.logSpeed, t) : 1.0);
  f.hullFactor = FormatFigure("%3.3f", h);
  f.airFactor = FormatFigure("%3.3f", a);
  f.estimatedLogSpeed = FormatFigure("%3.1f kts", e);
  f.calculatedSlip = FormatFigure("%3.1f %%", moving ? Slip(e, t) : 1.0);
  return f;
}

bool CSlipCalibration::OnCalibrate() {
  const double divisor = ResistanceIndex() * 0.1 + 1.0;
  const double estimate = divisor != 0 ? vessel_.TheoreticalSpeed(reading_.engineRpm) / divisor : kNotANumber;
  return vessel_.Calibrate(estimate, reading_.logSpeed);
}

void CPerformanceSheet::OnHullSliderMoved(int position) { vessel_.hullResistanceFactor = position * 0.01; }
void CPerformanceSheet::OnAirSliderMoved(int position) { vessel_.airResistanceFactor = position * 0.01; }
void CPerformanceSheet::OnEngineSliderMoved(int position) { vessel_.engineSetting = vessel_.mcrRpm - position; }
void CPerformanceSheet::OnDraftForwardChanged(double draft) { vessel_.draftForward = draft; }
void CPerformanceSheet::OnDraftAftChanged(double draft) { vessel_.draftAft = draft; }
void CPerformanceSheet::OnEngineSettingChanged(double rpm) { vessel_.engineSetting = rpm; }
void CPerformanceSheet::OnWindSpeedChanged(double knots) { windSpeed_ = knots; }
void CPerformanceSheet::OnHeadwindChanged(double knots) { headwind_ = knots; }

CHullPageView CPerformanceSheet::HullPage() const {
  const double r = vessel_.engineSetting;
  CHullPageView v;
  v.slider = {0, 100, TruncatedFigure(vessel_.hullResistanceFactor * 100)};
  v.draftForward = vessel_.draftForward;
  v.draftAft = vessel_.draftAft;
  v.engineSetting = r;
  v.speed = FormatFigure("%3.1f", vessel_.SpeedThroughWater(r, vessel_.HullResistance(r)));
  return v;
}

CWindPageView CPerformanceSheet::WindPage() const {
  const double r = vessel_.engineSetting;
  // Wind from the steered course: a head wind.
  const double x = vessel_.WindAtReference(vessel_.steeredCourse, windSpeed_) + vessel_.HullResistance(r);
  CWindPageView v;
  v.slider = {0, 100, TruncatedFigure(vessel_.airResistanceFactor * 100)};
  v.windSpeed = windSpeed_;
  v.engineSetting = r;
  v.logSpeed = FormatFigure("%3.1f", vessel_.SpeedThroughWater(r, x));
  return v;
}

CDataPageView CPerformanceSheet::DataPage() const {
  const double r = vessel_.engineSetting;
  const double x = vessel_.HullResistance(r) + vessel_.WindAtReference(vessel_.steeredCourse, headwind_);
  const double logSpeed = vessel_.SpeedThroughWater(r, x);
  CDataPageView v;
  v.slider = {0, vessel_.mcrRpm, vessel_.mcrRpm - TruncatedFigure(r)};
  v.draftForward = vessel_.draftForward;
  v.draftAft = vessel_.draftAft;
  v.headwind = headwind_;
  v.engineSetting = r;
  v.logSpeed = FormatFigure("%3.1f", logSpeed);
  v.slip = FormatFigure("%3.1f", Slip(logSpeed, vessel_.TheoreticalSpeed(r)));
  return v;
}

void CPerformanceSheet::ApplyTo(CVessel2& documentVessel) const {
  documentVessel.airResistanceFactor = vessel_.airResistanceFactor;
  documentVessel.hullResistanceFactor = vessel_.hullResistanceFactor;
}

}  // namespace marigold
