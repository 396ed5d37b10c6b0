#pragma once
// A waypoint of a route. Its settings describe the leg TOWARDS it; the leg
// figures are written by the schedule calculation and are not archived.
#include "core/Position2.h"
#include "core/WeatherData.h"

namespace marigold {

class CWaypoint : public CPosition2 {
 public:
  // The position's eight items, the weather, then keep groundspeed, great
  // circle, kept groundspeed, pass-within distance, pass within and use
  // average weather.
  void Serialize(CArchive& ar) override;

  // Leg figures (computed).
  double legRevolutions = 0;
  double legWeatherLogDistance = 0;  // log distance × (1 + 0.1 × resistance index)
  bool waypointFlag = false;         // carried by the CSV row only
  double legDistance = 0;            // nM from the previous waypoint or present position
  double groundCourse = 0;
  double gyroCourse = 0;
  double logDistance = 0;
  double resistanceIndex = 0;
  double engineRpm = 0;

  // Leg settings (archived).
  CWeatherData weather;
  bool useAverageWeather = true;
  bool passWithin = false;
  double passWithinDistance = 1.0;  // nM
  double keptGroundspeed = 12.0;    // knots
  bool keepGroundspeed = false;
  bool greatCircle = false;  // sailing method of the leg: great circle or rhumb line
};

}  // namespace marigold
