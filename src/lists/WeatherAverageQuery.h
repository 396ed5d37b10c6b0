#pragma once
// The figures of the "Average Weather" dialog: where to look (a waypoint of
// the route or an entered position), what to show (the season of a date or
// the latest observation), and the result texts.
#include <ctime>
#include <string>
#include <vector>

#include "core/Position2.h"
#include "core/Voyage.h"
#include "core/WeatherData.h"
#include "lists/MeteoList.h"

namespace marigold {

struct CAverageWeatherQuery {
  bool enterPosition = false;  // "Enter position:" rather than "Select waypoint"
  int waypointIndex = 0;       // in route order
  int latitudeDegrees = 0;
  double latitudeMinutes = 0;
  int latitudeHemisphere = 0;  // 0 "N", 1 "S"
  int longitudeDegrees = 0;
  double longitudeMinutes = 0;
  int longitudeHemisphere = 0;  // 0 "E", 1 "W"
  bool latestOnly = false;      // "Show latest observation only" rather than "Show average weather on:"
  std::time_t date = 0;         // the picked date; its month in local time chooses the season
};

struct CAverageWeatherTexts {
  std::string windDirection;     // "%3.0f deg"
  std::string windSpeed;         // "%#2.1f kts"
  std::string currentDirection;  // "%3.0f deg"
  std::string currentSpeed;      // "%#2.1f kts"
  std::string airTemperature;    // "%#2.1f deg"
  std::string airPressure;       // "%#4.1f mb"
  std::string seaTemperature;    // "%#2.1f deg"
  std::string observations;      // "%d"
};

// The choices when the dialog opens: an entered position for a route of
// fewer than two waypoints, else the first waypoint; the season of the date.
CAverageWeatherQuery InitialAverageWeatherQuery(const CVoyage& route);

// The names offered in the waypoint choice, in route order; none unless the
// route has more than one waypoint.
std::vector<std::string> AverageWeatherWaypointNames(const CVoyage& route);

// The position to look up: the chosen waypoint (its name, position and UTC
// difference; the degree, minute and hemisphere fields are rewritten from
// it), or the entered fields when no waypoint of the route is chosen.
CPosition2 AverageWeatherPosition(const CVoyage& route, CAverageWeatherQuery& query);

CWeatherData AverageWeatherData(const CMeteoList& meteo, const CPosition2& position,
                                const CAverageWeatherQuery& query);

CAverageWeatherTexts AverageWeatherTexts(const CWeatherData& data);

// One recalculation of the dialog: reads the query (rewriting the fields of a
// chosen waypoint) and gives the texts to show.
CAverageWeatherTexts CalculateAverageWeather(const CVoyage& route, const CMeteoList& meteo,
                                             CAverageWeatherQuery& query);

}  // namespace marigold
