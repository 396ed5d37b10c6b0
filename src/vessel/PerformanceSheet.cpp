#include "vessel/PerformanceSheet.h"

#include "core/TextFormat.h"

namespace marigold {

void CPerformanceSheet::OnHullSliderMoved(int position) { vessel_.hullResistanceFactor = position * 0.01; }
void CPerformanceSheet::OnAirSliderMoved(int position) { vessel_.airResistanceFactor = position * 0.01; }
void CPerformanceSheet::OnEngineSliderMoved(int position) { vessel_.engineSetting = vessel_.mcrRpm - position; }
void CPerformanceSheet::OnDraftForwardChanged(double draft) { vessel_.draftForward = draft; }
void CPerformanceSheet::OnDraftAftChanged(double draft) { vessel_.draftAft = draft; }
void CPerformanceSheet::OnEngineSettingChanged(double rpm) { vessel_.engineSetting = rpm; }
void CPerformanceSheet::OnWindSpeedChanged(double knots) { windSpeed_ = knots; }
void CPerformanceSheet::OnHeadwindChanged(double knots) { headwind_ = knots; }

CPerformanceSheetView CPerformanceSheet::View() const {
  const CVessel2& v = vessel_;
  const double r = v.engineSetting;
  CPerformanceSheetView out;

  CHullPageView& hull = out.hull;
  hull.slider = {0, 100, TruncatedFigure(v.hullResistanceFactor * 100)};
  hull.draftForward = v.draftForward;
  hull.draftAft = v.draftAft;
  hull.engineSetting = r;
  hull.speed = FormatFigure("%3.1f", v.SpeedThroughWater(r, v.HullResistance(r)));

  // Wind from the steered course: a head wind.
  const double windIndex = v.WindAtReference(v.steeredCourse, windSpeed_) + v.HullResistance(r);
  CWindPageView& wind = out.wind;
  wind.slider = {0, 100, TruncatedFigure(v.airResistanceFactor * 100)};
  wind.windSpeed = windSpeed_;
  wind.engineSetting = r;
  wind.logSpeed = FormatFigure("%3.1f", v.SpeedThroughWater(r, windIndex));

  const double logSpeed = v.SpeedThroughWater(r, v.HullResistance(r) + v.WindAtReference(v.steeredCourse, headwind_));
  CDataPageView& data = out.data;
  data.slider = {0, v.mcrRpm, v.mcrRpm - TruncatedFigure(r)};
  data.draftForward = v.draftForward;
  data.draftAft = v.draftAft;
  data.headwind = headwind_;
  data.engineSetting = r;
  data.logSpeed = FormatFigure("%3.1f", logSpeed);
  data.slip = FormatFigure("%3.1f", SlipPercent(logSpeed, v.TheoreticalSpeed(r)));
  return out;
}

void CPerformanceSheet::ApplyTo(CVessel2& documentVessel) const {
  documentVessel.airResistanceFactor = vessel_.airResistanceFactor;
  documentVessel.hullResistanceFactor = vessel_.hullResistanceFactor;
}

}  // namespace marigold
