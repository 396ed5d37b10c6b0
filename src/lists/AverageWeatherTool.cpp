#include "lists/AverageWeatherTool.h"

#include "core/LocalClock.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

// The chosen waypoint (its name, position and UTC difference, which the
// fields then show), or the entered position when no waypoint of the route
// is chosen.
CPosition2 LookUpPosition(const CVoyage& route, CAverageWeatherFields& fields) {
  if (fields.enterPosition || fields.waypointIndex < 0 || fields.waypointIndex >= route.GetCount())
    return ReadPosition(fields.position);
  const CWaypoint& w = *route.GetAt(fields.waypointIndex);
  CPosition2 position;
  position.SetLatitude(w.GetLatitude());
  position.SetLongitude(w.GetLongitude());
  position.SetUtcDifference(w.GetUtcDifference());
  position.SetName(w.GetName());
  fields.position = PositionFields(w.GetLatitude(), w.GetLongitude());
  return position;
}

}  // namespace

CAverageWeatherTool::CAverageWeatherTool(const CVoyage& route, const CMeteoList& meteo) : route_(route), meteo_(meteo) {
  if (route.GetCount() >= 2)
    for (const auto& waypoint : route) view_.waypointNames.push_back(waypoint->GetName());
  CAverageWeatherFields fields;
  fields.enterPosition = route.GetCount() < 2;
  fields.position = PositionFields(0, 0);
  OnCalculate(fields);
}

void CAverageWeatherTool::OnCalculate(const CAverageWeatherFields& entered) {
  CAverageWeatherView& v = view_;
  v.fields = entered;
  const CPosition2 position = LookUpPosition(route_, v.fields);
  const CWeatherData data =
      entered.latestOnly ? meteo_.LatestNear(position) : meteo_.Lookup(position, LocalFieldsOf(entered.date).month);
  v.windDirection = FormatFigure("%3.0f deg", data.windDirection);
  v.windSpeed = FormatFigure("%#2.1f kts", data.windSpeed);
  v.currentDirection = FormatFigure("%3.0f deg", data.currentSet);
  v.currentSpeed = FormatFigure("%#2.1f kts", data.currentRate);
  v.airTemperature = FormatFigure("%#2.1f deg", data.airTemperature);
  v.airPressure = FormatFigure("%#4.1f mb", data.airPressure);
  v.seaTemperature = FormatFigure("%#2.1f deg", data.seawaterTemperature);
  v.observations = Format("%d", data.count);
}

}  // namespace marigold
