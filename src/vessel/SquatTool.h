#pragma once
// "Estimated Squat": the drafts while sailing at a speed, in the open ocean
// or in shallow water. Works on a working copy of the vessel.
#include <string>

#include "vessel/ToolFigures.h"
#include "vessel/Vessel2.h"

namespace marigold {

struct CSquatView {
  double departureDraftForward = 0;
  double departureDraftAft = 0;
  CSliderRange speedSlider;  // −30..0 knots
  bool ocean = true;         // "Ocean", else "Shallow water"
  std::string speed;
  CBarFigure aft;      // running draft aft, bar 0..trunc(maxDraft) + 3
  CBarFigure forward;  // running draft forward
};

class CSquatTool {
 public:
  explicit CSquatTool(CVessel2 workingCopy);

  void OnSpeedSliderReleased(int position);
  void OnWaterChosen(bool ocean);
  void OnDraftForwardChanged(double draft);
  void OnDraftAftChanged(double draft);

  CSquatView View() const;
  const CVessel2& Vessel() const { return vessel_; }

 private:
  CVessel2 vessel_;
  int speed_ = 0;  // knots
  bool ocean_ = true;
};

}  // namespace marigold
