#pragma once
// The waypoints a report message names: departure, first leg, destination.
// Every message needs a route of at least two waypoints; the report
// procedure refuses shorter routes before a message is built.
#include "core/Voyage.h"
#include "core/Waypoint.h"

namespace marigold {

// The waypoint at an index; an index beyond the last gives the last.
// Throws std::invalid_argument on an empty route.
const CWaypoint& ReportWaypoint(const CVoyage& route, int index);
inline const CWaypoint& Departure(const CVoyage& route) { return ReportWaypoint(route, 0); }
// Course and speed of the first leg are stored on the second waypoint.
inline const CWaypoint& FirstLeg(const CVoyage& route) { return ReportWaypoint(route, 1); }
inline const CWaypoint& Destination(const CVoyage& route) { return ReportWaypoint(route, route.GetCount() - 1); }

}  // namespace marigold
