#pragma once
// The waypoint sheet's pages as their controls show them: "Position" (any
// located record; the port sheet shows the same page), "Route" (the leg
// towards the waypoint) and "Meteo" (the weather expected on that leg).
// Apply writes only what differs from what Read showed (core/SheetFields.h).
#include <array>
#include <optional>
#include <string>

#include "core/Position2.h"
#include "core/PositionFields.h"
#include "core/RangeCheck.h"
#include "core/Waypoint.h"

namespace marigold {

inline constexpr const char* kNewWaypointCaption = "New Waypoint";
inline constexpr std::array<const char*, 2> kProceedViaTexts{"Greatcircle", "Rhumbline"};
inline constexpr std::array<const char*, 2> kWaypointWeatherTexts{"Calculate from previous voyages (Average Weather)",
                                                                  "Use data entered manually below"};

// "Position"
struct CWaypointPositionFields {
  std::string name;
  CPositionFields position;
  double utcDifference = 0;  // "hrs + UTC", -14.0 to 14.0
};

CWaypointPositionFields ReadWaypointPosition(const CPosition2& record);
// The position ("latitudeDegrees" ...), then "utcDifference".
std::optional<CFieldRefusal> Validate(const CWaypointPositionFields& fields);
void ApplyWaypointPosition(const CWaypointPositionFields& fields, CPosition2& record);

// "Route": the distance and the speed count only while their checks are set.
struct CVoyageLegFields {
  int proceedVia = 1;  // 0 great circle, 1 rhumb line
  bool passWithin = false;
  double passWithinDistance = 1.0;  // nM, 0.0 to 999.0
  bool keepGroundspeed = false;
  double keptGroundspeed = 12.0;  // kts, 0.1 to 55.0: the schedule divides by it
};

CVoyageLegFields ReadVoyageLeg(const CWaypoint& waypoint);
std::optional<CFieldRefusal> Validate(const CVoyageLegFields& fields);
void ApplyVoyageLeg(const CVoyageLegFields& fields, CWaypoint& waypoint);

// "Meteo": the four figures count only with the manual choice, within the
// ranges the average weather keeps its observations in.
struct CWaypointWeatherFields {
  int source = 0;               // 0 average weather, 1 entered manually
  double windDirection = 0;     // deg, 0.0 to 360.0
  double windSpeed = 0;         // kts, 0.0 to 150.0
  double currentDirection = 0;  // deg, 0.0 to 360.0
  double currentSpeed = 0;      // kts, 0.0 to 8.0
};

CWaypointWeatherFields ReadWaypointWeather(const CWaypoint& waypoint);
std::optional<CFieldRefusal> Validate(const CWaypointWeatherFields& fields);
// Manual: the figures go into the waypoint's weather and it stops taking
// the average weather; average: only the choice is stored.
void ApplyWaypointWeather(const CWaypointWeatherFields& fields, CWaypoint& waypoint);

}  // namespace marigold
