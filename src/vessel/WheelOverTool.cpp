#include "vessel/WheelOverTool.h"

#include <cmath>
#include "core/Angles.h"
#include "core/Navigation.h"
#include "core/Quotient.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

constexpr int kRateSliderMaximum = 40;

}  // namespace

CWheelOverFields SituationAtWaypoint(const CVoyage& voyage, int index) {
  CWheelOverFields in;
  const CWaypoint* w = voyage.GetAt(index);
  if (!w) return in;
  in.originalCourse = w->groundCourse;
  in.originalSpeed = w->keptGroundspeed;
  in.currentDirection = w->weather.currentSet;
  in.currentSpeed = w->weather.currentRate;
  if (const CWaypoint* next = voyage.GetNext(w)) in.intendedCourse = next->groundCourse;
  return in;
}

CWheelOverFigures ComputeWheelOver(const CWheelOverFields& in, int rateOfTurn) {
  const CNavigation nav;
  CWheelOverFigures f;
  f.originalSteered = in.originalCourse;
  f.originalLogSpeed = in.originalSpeed;
  nav.SubtractVectors(f.originalSteered, f.originalLogSpeed, in.currentDirection, in.currentSpeed);
  f.finalSteered = in.intendedCourse;
  f.finalLogSpeed = in.originalSpeed;
  nav.SubtractVectors(f.finalSteered, f.finalLogSpeed, in.currentDirection, in.currentSpeed);

  // 350° to 010° is a change of 20°, not 340°.
  f.courseChange = std::fabs(f.originalSteered - f.finalSteered);
  if (f.courseChange > 180) f.courseChange = 360 - f.courseChange;

  if (rateOfTurn == 0) {
    f.duration = f.wheelOverDistance = f.radius = f.crossTrackError = kNotANumber;
    return f;
  }
  const double halfAngle = f.courseChange * 0.5 * kRoughRadiansPerDegree;
  f.duration = f.courseChange / rateOfTurn;
  // 0.95 × speed / rate of turn is the turning radius in nM.
  f.wheelOverDistance = std::tan(halfAngle) * 0.95 * in.originalSpeed / rateOfTurn;
  f.radius = f.wheelOverDistance * std::sin(halfAngle) / std::cos(halfAngle);
  f.crossTrackError = f.wheelOverDistance / std::cos(halfAngle) - f.radius;
  return f;
}

CWheelOverTool::CWheelOverTool(const CVoyage& voyage) : voyage_(voyage) {
  if (voyage_.GetCount() >= 2) {
    // The stored index as the route looks it up: out of range means the last.
    const int index = voyage_.nextWaypointIndex;
    selected_ = index >= 0 && index < voyage_.GetCount() ? index : voyage_.GetCount() - 1;
    atWaypoint_ = true;
    fields_ = SituationAtWaypoint(voyage_, selected_);
  }
}

void CWheelOverTool::OnWaypointSelected(int index) {
  selected_ = index;
  if (atWaypoint_ && index >= 0 && index < voyage_.GetCount()) fields_ = SituationAtWaypoint(voyage_, index);
}

void CWheelOverTool::OnModeChosen(bool atWaypoint) { atWaypoint_ = atWaypoint; }
void CWheelOverTool::OnRateSliderReleased(int position) { ratePosition_ = position; }
void CWheelOverTool::OnFieldsEdited(const CWheelOverFields& entered) { fields_ = entered; }

CWheelOverView CWheelOverTool::View() const {
  CWheelOverView v;
  for (const CWaypoint* w = voyage_.GetHead(); w; w = voyage_.GetNext(w)) v.waypointNames.push_back(w->GetName());
  v.selectedWaypoint = selected_;
  v.atWaypoint = atWaypoint_;
  v.fields = fields_;
  v.rateSlider = {0, kRateSliderMaximum, ratePosition_};
  const int rate = kRateSliderMaximum - ratePosition_;
  v.rateOfTurn = FormatFigure("%#2.1f", rate);

  const CWheelOverFigures f = ComputeWheelOver(fields_, rate);
  v.originalSteered = FormatFigure("%#3.1f deg", f.originalSteered);
  v.originalLogSpeed = FormatFigure("%#2.1f kts", f.originalLogSpeed);
  v.finalSteered = FormatFigure("%#3.1f deg", f.finalSteered);
  v.finalLogSpeed = FormatFigure("%#2.1f kts", f.finalLogSpeed);
  v.duration = FormatFigure("%#4.1f min", f.duration);
  v.wheelOverDistance = FormatFigure("%#2.1f nM", f.wheelOverDistance);
  v.radius = FormatFigure("%#2.1f nM", f.radius);
  v.crossTrackError = FormatFigure("%#3.1f nM", f.crossTrackError);
  return v;
}

}  // namespace marigold
