#include "vessel/SquatTool.h"

#include <cstdlib>
#include <utility>

#include "core/TextFormat.h"

namespace marigold {

CSquatTool::CSquatTool(CVessel2 workingCopy) : vessel_(std::move(workingCopy)) {}

void CSquatTool::OnSpeedSliderReleased(int position) { speed_ = std::abs(position); }
void CSquatTool::OnWaterChosen(bool ocean) { ocean_ = ocean; }
void CSquatTool::OnDraftForwardChanged(double draft) { vessel_.draftForward = draft; }
void CSquatTool::OnDraftAftChanged(double draft) { vessel_.draftAft = draft; }

CSquatView CSquatTool::View() const {
  double aft = vessel_.draftAft;
  double forward = vessel_.draftForward;
  vessel_.Squat(ocean_, speed_, aft, forward);

  CSquatView v;
  v.departureDraftForward = vessel_.draftForward;
  v.departureDraftAft = vessel_.draftAft;
  v.speedSlider = {-30, 0, -speed_};
  v.ocean = ocean_;
  v.speed = FormatFigure("%#2.1f", speed_);
  const int barMaximum = TruncatedFigure(vessel_.maxDraft) + 3;
  v.aft = {FormatFigure("%#2.1f", aft), BarPosition(aft, barMaximum), barMaximum};
  v.forward = {FormatFigure("%#2.1f", forward), BarPosition(forward, barMaximum), barMaximum};
  return v;
}

}  // namespace marigold
