#pragma once
// The figures of the voyage sheet's "Voyage" and "Weather" pages over the
// document's route and vessel. The weather choices take effect on the route
// at once, since the page recomputes the schedule with them.
#include <string>

#include "core/Prompter.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"
#include "vessel/Vessel2.h"

namespace marigold {

inline constexpr const char* kPresentWeatherNotice =
    "By selecting present weather the voyageplanning\nwill use only the latest weather observation for each "
    "waypoint\nThis might result in less accurate data for wind and current calculations";

struct CVoyagePageResults {
  std::string totalDistance;  // "Total distance:", nM
  std::string totalDuration;  // "Total duration:", hours
  std::string averageSpeed;   // "Average speed:", knots
};

struct CWeatherPageResults {
  std::string totalFuel;         // "Total fuel consumption:", mT
  std::string logDistance;       // "Estimated log distance:", nM
  std::string requiredLogSpeed;  // "Required log speed:", kts
  std::string averageRpm;        // "Average engine rpm:"
};

struct CVoyageSheetView {
  CVoyagePageResults voyage;
  CWeatherPageResults weather;  // empty until the page is shown
};

class CVoyageSheet {
 public:
  // The "Voyage" page's results are those of the route as the sheet opens.
  CVoyageSheet(CVoyage& route, CVessel2& vessel, const CMeteoList& meteo);

  // The "Weather" page computes when it is shown and on every change of its
  // choices: it fills the weather and computes the schedule from the first
  // waypoint.
  void OnWeatherPageShown();
  // "Average weather" / "Present weather": present weather shows the notice
  // first.
  void OnWeatherSourceChosen(bool presentWeather, CPrompter& prompter);
  // "Keep rpm constant" / "Keep speed constant".
  void OnKeepRpmChosen(bool keepRpm);

  const CVoyageSheetView& View() const { return view_; }

 private:
  CVoyage& route_;
  CVessel2& vessel_;
  const CMeteoList& meteo_;
  CVoyageSheetView view_;
};

}  // namespace marigold
