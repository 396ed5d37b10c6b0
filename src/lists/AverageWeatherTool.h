#pragma once
// "Average Weather": the weather the meteo records hold for a waypoint of the
// route or an entered position, for the season of a date or as last observed.
// Borrows the document's route and meteo records.
#include <ctime>
#include <string>
#include <vector>

#include "core/PositionFields.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"

namespace marigold {

struct CAverageWeatherFields {
  bool enterPosition = false;  // "Enter position:" rather than "Select waypoint"
  int waypointIndex = 0;       // in route order; -1 nothing chosen
  CPositionFields position;
  bool latestOnly = false;  // "Show latest observation only" rather than "Show average weather on:"
  std::time_t date = 0;     // the picked date; its month in local time chooses the season
};

struct CAverageWeatherView {
  std::vector<std::string> waypointNames;  // none unless the route has two waypoints or more
  // As entered, but a chosen waypoint's position shows in the position fields.
  CAverageWeatherFields fields;
  std::string windDirection;     // "%3.0f deg"
  std::string windSpeed;         // "%#2.1f kts"
  std::string currentDirection;  // "%3.0f deg"
  std::string currentSpeed;      // "%#2.1f kts"
  std::string airTemperature;    // "%#2.1f deg"
  std::string airPressure;       // "%#4.1f mb"
  std::string seaTemperature;    // "%#2.1f deg"
  std::string observations;      // "%d"
};

class CAverageWeatherTool {
 public:
  // Opens on an entered position (0°N 0°E) for a route of fewer than two
  // waypoints, else on the first waypoint, with the season of the date; the
  // figures are there at once.
  CAverageWeatherTool(const CVoyage& route, const CMeteoList& meteo);

  // "Calculate", and also each radio button, leaving the waypoint or a
  // hemisphere choice, a degree or minute field or the date picker: the
  // chosen waypoint when one of the route is chosen, else the entered
  // position, is looked up in the meteo records.
  void OnCalculate(const CAverageWeatherFields& entered);

  const CAverageWeatherView& View() const { return view_; }

 private:
  const CVoyage& route_;
  const CMeteoList& meteo_;
  CAverageWeatherView view_;
};

}  // namespace marigold
