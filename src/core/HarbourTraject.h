#pragma once
// "Harbour Traject": the inbound and outbound pilotage stretches of a port,
// each a route of waypoints, listed with the legs from their first waypoint.
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "core/Voyage.h"

namespace marigold {

inline constexpr const char* kNoWaypointSelected = "No waypoint selected";

struct CTrajectRow {
  std::string name;       // "Waypoint"
  std::string latitude;   // "Latitude"
  std::string longitude;  // "Longitude"
  std::string course;     // "Course", "%3.0f deg"
  std::string distance;   // "Distance", "%3.1f nM"
};

struct CTrajectView {
  std::vector<CTrajectRow> rows;
  std::string totalDistance;  // "Total distance:", nM
};

// Each leg by the sailing method of the waypoint it ends at; the first row
// is the start, of no length.
CTrajectView TrajectView(const CVoyage& traject);

// "Delete": asks "Delete waypoint NAME\nAre you sure?"; Yes removes it.
// Without a waypoint "No waypoint selected". True when removed.
bool DeleteTrajectWaypoint(CVoyage& traject, const CWaypoint* waypoint, CPrompter& prompter);

}  // namespace marigold
