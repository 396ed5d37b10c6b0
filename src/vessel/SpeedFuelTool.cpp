#include "vessel/SpeedFuelTool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "core/Quotient.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

int Signed(int magnitude, bool onStern) { return onStern ? magnitude : -magnitude; }

// Whole hours and the remaining minutes.
std::string HoursAndMinutes(double minutes) {
  if (!std::isfinite(minutes)) return "NA";
  const int hours = TruncatedFigure(minutes / 60);
  return Format("%d : %2.0f", hours, minutes - hours * 60.0);
}

}  // namespace

CSpeedFuelTool::CSpeedFuelTool(CVessel2 workingCopy) : vessel_(std::move(workingCopy)) {}

void CSpeedFuelTool::OnEngineSliderReleased(int position, CPrompter& prompter) {
  vessel_.engineSetting = std::abs(position);
  if (vessel_.engineSetting < vessel_.faRpm * 0.5)
    prompter.Message(
        "Warning:\nLow rpm settings might result in inaccurate data\n on speed, fuel consumption, and stopping "
        "distance",
        EMessageIcon::Exclamation);
}

void CSpeedFuelTool::OnWindSliderReleased(int position) { wind_ = Signed(std::abs(position), windOnStern_); }

void CSpeedFuelTool::OnCurrentSliderReleased(int position) { current_ = Signed(std::abs(position), currentOnStern_); }

void CSpeedFuelTool::OnWindRadio(bool onStern) {
  windOnStern_ = onStern;
  wind_ = Signed(std::abs(wind_), onStern);
}

void CSpeedFuelTool::OnCurrentRadio(bool onStern) {
  currentOnStern_ = onStern;
  current_ = Signed(std::abs(current_), onStern);
}

void CSpeedFuelTool::OnDraftForwardChanged(double draft) { vessel_.draftForward = draft; }
void CSpeedFuelTool::OnDraftAftChanged(double draft) { vessel_.draftAft = draft; }

CSpeedFuelView CSpeedFuelTool::View() const {
  const CVessel2& v = vessel_;
  const double r = v.engineSetting;
  const double c = current_ * 0.01;
  CSpeedFuelView out;
  out.engine = {-v.mcrRpm, 0, -TruncatedFigure(r)};
  out.wind = {-60, 0, -std::abs(wind_)};
  out.current = {-600, 0, -std::abs(current_)};
  out.windOnStern = windOnStern_;
  out.currentOnStern = currentOnStern_;

  out.rpm = FormatFigure("%3.0f", r);
  out.draftForward = v.draftForward;
  out.draftAft = v.draftAft;
  out.displacement = v.Displacement();

  // Below FA the stop time is shown as nil; the bar keeps the raw figure.
  const double stopMinutes = r < v.faRpm ? 0.0 : v.StopTime(r);
  out.stopTime.maximum = TruncatedFigure(v.StopTime(v.mcrRpm));
  out.stopTime.text = HoursAndMinutes(stopMinutes);
  out.stopTime.position = BarPosition(v.StopTime(r), out.stopTime.maximum);

  out.fuelPerDay = FormatFigure("%4.1f", v.FuelConsumption(r, 24.0));
  out.windSpeed = Format("%3d", std::abs(wind_));
  out.currentRate = FormatFigure("%2.1f", std::fabs(c));

  const double windFrom = windOnStern_ ? v.steeredCourse + 180 : v.steeredCourse;
  const double x = v.WindAtReference(windFrom, std::abs(wind_)) + v.HullResistance();

  // Below FA there is no reduction to make: the manoeuvre starts at FA. Taken
  // at r, the reduction's terms turn negative and so would the distance.
  const double stopDistance = v.StopDistanceOverGround(std::max(r, static_cast<double>(v.faRpm)), x, c);
  out.stopDistance.maximum = 100 * TruncatedFigure(v.StopDistanceOverGround(v.mcrRpm, 0, 6.0));
  out.stopDistance.text = FormatFigure("%3.1f", stopDistance);
  out.stopDistance.position = BarPosition(100.0 * TruncatedFigure(stopDistance), out.stopDistance.maximum);

  const double groundSpeed = v.SpeedThroughWater(r, x) + c;
  out.groundSpeed.maximum = TruncatedFigure(v.TheoreticalSpeed(v.mcrRpm)) + 6;
  out.groundSpeed.text = FormatFigure("%3.1f", groundSpeed);
  out.groundSpeed.position = BarPosition(groundSpeed, out.groundSpeed.maximum);

  // A ship that makes no way over the ground burns no figure per mile.
  const double fuelPerMile = groundSpeed > 0 ? v.FuelPerMile(r, x, c) : kNotANumber;
  out.fuelPerMile.maximum = 100 * TruncatedFigure(v.FuelPerMile(v.mcrRpm, 5.0, -6.0));
  out.fuelPerMile.text = FormatFigure("%4.1f", fuelPerMile);
  out.fuelPerMile.position = BarPosition(100.0 * TruncatedFigure(fuelPerMile), out.fuelPerMile.maximum);

  out.figures = {
      r,          v.FuelConsumption(r, 24.0), static_cast<double>(wind_), c, stopMinutes, stopDistance, groundSpeed,
      fuelPerMile};
  return out;
}

}  // namespace marigold
