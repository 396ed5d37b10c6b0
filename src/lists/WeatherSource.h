#pragma once
// Where a waypoint's weather comes from, as the list of waypoint weather
// shows it.
namespace marigold {

class CWaypoint;

inline constexpr const char* kManualData = "Manual data";
inline constexpr const char* kLatestData = "Latest data";
inline constexpr const char* kAverageData = "Average data";

// "Manual data" for weather entered by hand; otherwise "Latest data" when the
// route uses the latest observation only, else "Average data".
const char* WeatherSourceText(const CWaypoint& waypoint, bool latestWeather);

}  // namespace marigold
