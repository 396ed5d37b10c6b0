#pragma once
// "Speed and Fuel Consumption": speed over the ground, fuel and stopping
// figures for an engine setting, wind, current and drafts. Works on a
// working copy of the vessel; nothing reaches the document or vessel.dat.
#include <string>

#include "core/Prompter.h"
#include "vessel/ToolFigures.h"
#include "vessel/Vessel2.h"

namespace marigold {

struct CSpeedFuelView {
  CSliderRange engine;   // −mcrRpm..0, position −engineSetting
  CSliderRange wind;     // −60..0 knots
  CSliderRange current;  // −600..0 hundredths of a knot
  bool windOnStern = true;
  bool currentOnStern = false;
  std::string rpm;          // beside the engine slider
  std::string fuelPerDay;   // "mT/day"
  std::string windSpeed;    // kts
  std::string currentRate;  // kts
  double draftForward = 0;
  double draftAft = 0;
  double displacement = 0;
  CBarFigure stopTime;      // "Stop Time", hours : minutes
  CBarFigure stopDistance;  // "Stop dist", nM
  CBarFigure groundSpeed;   // "Grnd speed", kts
  CBarFigure fuelPerMile;   // "Fuel cons", kg/nM
  // The figures behind the texts (not a number where a text shows "NA").
  struct CFigures {
    double rpm = 0;
    double fuelPerDay = 0;    // mT
    double wind = 0;          // knots, positive on the stern
    double current = 0;       // knots, positive on the stern
    double stopMinutes = 0;   // 0 below FA, as the text shows it
    double stopDistance = 0;  // nM over the ground
    double groundSpeed = 0;   // knots
    double fuelPerMile = 0;   // kg/nM
  } figures;
};

class CSpeedFuelTool {
 public:
  explicit CSpeedFuelTool(CVessel2 workingCopy);

  // Warns through the prompter when the setting is below half the FA rpm.
  void OnEngineSliderReleased(int position, CPrompter& prompter);
  void OnWindSliderReleased(int position);
  void OnCurrentSliderReleased(int position);
  void OnWindRadio(bool onStern);
  void OnCurrentRadio(bool onStern);
  void OnDraftForwardChanged(double draft);
  void OnDraftAftChanged(double draft);

  CSpeedFuelView View() const;
  const CVessel2& Vessel() const { return vessel_; }

 private:
  CVessel2 vessel_;
  // Signed: positive with the wind or current on the stern.
  int wind_ = 0;     // knots
  int current_ = 0;  // hundredths of a knot
  bool windOnStern_ = true;
  bool currentOnStern_ = false;
};

}  // namespace marigold
