#pragma once
// "Vessel Performance": the propeller slip of the latest fix, and "Calibrate",
// which changes the hull resistance factor of the document's vessel.
#include <string>

#include "vessel/Vessel2.h"

namespace marigold {

// What the calibration reads from the latest position fix.
struct CSlipReading {
  double engineRpm = 0;
  double logSpeed = 0;
  double windDirection = 0;
  double windSpeed = 0;
  // Until there is a fix: the engine setting, its theoretical speed, no wind.
  static CSlipReading FromVessel(const CVessel2& vessel);
};

struct CSlipCalibrationView {
  std::string theoreticalSpeed;   // "Theoretical Speed:"
  std::string engineSetting;      // "Engine setting:"
  std::string logSpeed;           // "Log Speed:"
  std::string windSpeed;          // "Windspeed:"
  std::string trueSlip;           // "True propellor slip:"
  std::string hullFactor;         // "Hull resistance factor:"
  std::string airFactor;          // "Air resistance factor:"
  std::string estimatedLogSpeed;  // "Est. Logspeed:"
  std::string calculatedSlip;     // "Calculated propellor slip:"
};

class CSlipCalibration {
 public:
  // Borrows the document's vessel.
  CSlipCalibration(CVessel2& vessel, const CSlipReading& reading) : vessel_(vessel), reading_(reading) {}

  // True when the hull resistance factor was changed.
  bool OnCalibrate();
  // Computed afresh from the vessel each time.
  CSlipCalibrationView View() const;

 private:
  double ResistanceIndex() const;

  CVessel2& vessel_;
  CSlipReading reading_;
};

}  // namespace marigold
