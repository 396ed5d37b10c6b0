#include "lists/WeatherSource.h"

#include "core/Waypoint.h"

namespace marigold {

const char* WeatherSourceText(const CWaypoint& waypoint, bool latestWeather) {
  if (!waypoint.useAverageWeather) return kManualData;
  return latestWeather ? kLatestData : kAverageData;
}

}  // namespace marigold
