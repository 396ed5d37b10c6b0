#pragma once
// Figures behind the "Vessel Performance" calibration dialog and the
// "Performance" sheet, and the small helpers the vessel tools share to turn
// model figures into slider, bar and text values.
#include <string>
#include <utility>

#include "vessel/Vessel2.h"

namespace marigold {

// A track bar: sliders that run upward to larger values hold −value.
struct CSliderRange {
  int minimum = 0;
  int maximum = 0;
  int position = 0;
};

// A read-only figure with its progress bar (the range always starts at 0).
struct CBarFigure {
  std::string text;
  int position = 0;
  int maximum = 0;
};

// Truncated toward zero; 0 for a figure that cannot be computed.
int TruncatedFigure(double value);
// A progress bar shows a figure outside its range at the nearest end.
int BarPosition(double value, int maximum);

// What the calibration reads from the latest position fix.
struct CSlipReading {
  double engineRpm = 0;
  double logSpeed = 0;
  double windDirection = 0;
  double windSpeed = 0;
  // Until there is a fix: the engine setting, its theoretical speed, no wind.
  static CSlipReading FromVessel(const CVessel2& vessel);
};

struct CSlipFigures {
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

// "Vessel Performance": works on the document's vessel, so "Calibrate"
// changes its hull resistance factor.
class CSlipCalibration {
 public:
  CSlipCalibration(CVessel2& vessel, const CSlipReading& reading) : vessel_(vessel), reading_(reading) {}

  CSlipFigures Figures() const;
  // True when the hull resistance factor was changed.
  bool OnCalibrate();

 private:
  double ResistanceIndex() const;

  CVessel2& vessel_;
  CSlipReading reading_;
};

struct CHullPageView {
  CSliderRange slider;  // 0..100, hull resistance factor × 100
  double draftForward = 0;
  double draftAft = 0;
  double engineSetting = 0;
  std::string speed;
};

struct CWindPageView {
  CSliderRange slider;  // 0..100, air resistance factor × 100
  double windSpeed = 0;
  double engineSetting = 0;
  std::string logSpeed;
};

struct CDataPageView {
  CSliderRange slider;  // 0..mcrRpm, engine setting = mcrRpm − position
  double draftForward = 0;
  double draftAft = 0;
  double headwind = 0;
  double engineSetting = 0;
  std::string logSpeed;
  std::string slip;  // %
};

// The "Performance" sheet with its pages "Hull", "Wind" and "Performance",
// all on the sheet's own vessel.
class CPerformanceSheet {
 public:
  explicit CPerformanceSheet(CVessel2 sheetVessel) : vessel_(std::move(sheetVessel)) {}

  void OnHullSliderMoved(int position);
  void OnAirSliderMoved(int position);
  void OnEngineSliderMoved(int position);
  void OnDraftForwardChanged(double draft);
  void OnDraftAftChanged(double draft);
  void OnEngineSettingChanged(double rpm);
  void OnWindSpeedChanged(double knots);  // "Wind" page
  void OnHeadwindChanged(double knots);   // "Performance" page

  CHullPageView HullPage() const;
  CWindPageView WindPage() const;
  CDataPageView DataPage() const;

  // OK: the document's vessel takes the two resistance factors, nothing else.
  void ApplyTo(CVessel2& documentVessel) const;
  const CVessel2& Vessel() const { return vessel_; }

 private:
  CVessel2 vessel_;
  double windSpeed_ = 16.0;
  double headwind_ = 16.0;
};

}  // namespace marigold
