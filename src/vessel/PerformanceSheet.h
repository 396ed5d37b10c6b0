#pragma once
// The "Performance" sheet (pages "Hull", "Wind" and "Performance") on its own
// vessel read from vessel.dat; OK passes the two resistance factors to the
// document's vessel.
#include <string>
#include <utility>

#include "vessel/ToolFigures.h"
#include "vessel/Vessel2.h"

namespace marigold {

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

struct CPerformanceSheetView {
  CHullPageView hull;
  CWindPageView wind;
  CDataPageView data;
};

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

  // All three pages, computed afresh from the sheet's vessel.
  CPerformanceSheetView View() const;

  // OK: the document's vessel takes the two resistance factors, nothing else.
  void ApplyTo(CVessel2& documentVessel) const;
  const CVessel2& Vessel() const { return vessel_; }

 private:
  CVessel2 vessel_;
  double windSpeed_ = 16.0;
  double headwind_ = 16.0;
};

}  // namespace marigold
