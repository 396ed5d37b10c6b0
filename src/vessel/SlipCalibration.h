#pragma once
// "Vessel Performance": the propeller slip of the latest fix, and "Calibrate",
// which changes the hull resistance factor of the document's vessel.
#include <string>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "vessel/Vessel2.h"

namespace marigold {

// A calibration needs a fix to compare with: the engine's own theoretical
// speed as the log speed would set the factor from the model itself.
inline constexpr const char* kNoFixToCalibrate = "No positionfix defined\nCan not calibrate propellor slip";
// "Calibrate" without a log speed in the fix leaves the factor as it was.
inline constexpr const char* kNoLogSpeedToCalibrate =
    "No log speed in the latest positionfix\nHull resistance factor not changed";
inline constexpr const char* kNoEstimateToCalibrate = "No estimated logspeed\nPlease check engine and propellor data";

// What the calibration reads from the latest position fix.
struct CSlipReading {
  double engineRpm = 0;
  double logSpeed = 0;
  double windDirection = 0;
  double windSpeed = 0;
  // Until there is a fix: the engine setting, its theoretical speed, no wind.
  static CSlipReading FromVessel(const CVessel2& vessel);
  // The fix's engine rpm, log speed and present wind.
  static CSlipReading FromFix(const CFixRecord& fix);
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

  // True when the hull resistance factor was changed; otherwise says why
  // through the prompter.
  bool OnCalibrate(CPrompter& prompter);
  // Computed afresh from the vessel each time.
  CSlipCalibrationView View() const;

 private:
  double ResistanceIndex() const;

  CVessel2& vessel_;
  CSlipReading reading_;
};

}  // namespace marigold
