#include "lists/WeatherAverageQuery.h"

#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {

CAverageWeatherQuery InitialAverageWeatherQuery(const CVoyage& route) {
  CAverageWeatherQuery query;
  query.enterPosition = route.GetCount() < 2;
  return query;
}

std::vector<std::string> AverageWeatherWaypointNames(const CVoyage& route) {
  std::vector<std::string> names;
  if (route.GetCount() < 2) return names;
  for (const auto& waypoint : route) names.push_back(waypoint->GetName());
  return names;
}

CPosition2 AverageWeatherPosition(const CVoyage& route, CAverageWeatherQuery& query) {
  CPosition2 position;
  // A waypoint choice left empty has no index; it falls back on the fields.
  if (!query.enterPosition && query.waypointIndex >= 0 && query.waypointIndex < route.GetCount()) {
    const CWaypoint& w = *route.GetAt(query.waypointIndex);
    position.SetLatitude(w.GetLatitude());
    position.SetLongitude(w.GetLongitude());
    position.SetUtcDifference(w.GetUtcDifference());
    position.SetName(w.GetName());
    query.latitudeDegrees = w.GetLatitudeDegrees();
    query.latitudeMinutes = w.GetLatitudeMinutes();
    query.latitudeHemisphere = w.IsSouth() ? 1 : 0;
    query.longitudeDegrees = w.GetLongitudeDegrees();
    query.longitudeMinutes = w.GetLongitudeMinutes();
    query.longitudeHemisphere = w.IsWest() ? 1 : 0;
    return position;
  }
  const CNavigation nav;
  position.SetLatitude(nav.ToDecimalDegrees(query.latitudeDegrees, query.latitudeMinutes, query.latitudeHemisphere));
  position.SetLongitude(
      nav.ToDecimalDegrees(query.longitudeDegrees, query.longitudeMinutes, query.longitudeHemisphere));
  return position;
}

CWeatherData AverageWeatherData(const CMeteoList& meteo, const CPosition2& position,
                                const CAverageWeatherQuery& query) {
  if (query.latestOnly) return meteo.LatestNear(position);
  return meteo.Lookup(position, LocalFieldsOf(query.date).month);
}

CAverageWeatherTexts AverageWeatherTexts(const CWeatherData& data) {
  CAverageWeatherTexts texts;
  texts.windDirection = FormatFigure("%3.0f deg", data.windDirection);
  texts.windSpeed = FormatFigure("%#2.1f kts", data.windSpeed);
  texts.currentDirection = FormatFigure("%3.0f deg", data.currentSet);
  texts.currentSpeed = FormatFigure("%#2.1f kts", data.currentRate);
  texts.airTemperature = FormatFigure("%#2.1f deg", data.airTemperature);
  texts.airPressure = FormatFigure("%#4.1f mb", data.airPressure);
  texts.seaTemperature = FormatFigure("%#2.1f deg", data.seawaterTemperature);
  texts.observations = Format("%d", data.count);
  return texts;
}

CAverageWeatherTexts CalculateAverageWeather(const CVoyage& route, const CMeteoList& meteo,
                                             CAverageWeatherQuery& query) {
  const CPosition2 position = AverageWeatherPosition(route, query);
  return AverageWeatherTexts(AverageWeatherData(meteo, position, query));
}

}  // namespace marigold
