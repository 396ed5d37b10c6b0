#pragma once
// The figures of the voyage sheet's "Voyage" and "Weather" pages.
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
CVoyagePageResults VoyagePageResults(const CVoyage& route);

struct CWeatherPageResults {
  std::string totalFuel;         // "Total fuel consumption:", mT
  std::string logDistance;       // "Estimated log distance:", nM
  std::string requiredLogSpeed;  // "Required log speed:", kts
  std::string averageRpm;        // "Average engine rpm:"
};
// Fills the weather and computes the schedule from the first waypoint.
CWeatherPageResults WeatherPageResults(CVoyage& route, CVessel2& vessel, const CMeteoList& meteo);

// "Average weather" / "Present weather": choosing present weather shows the
// notice first.
void ChooseWeatherSource(CVoyage& route, bool presentWeather, CPrompter& prompter);

}  // namespace marigold
