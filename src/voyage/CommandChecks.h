#pragma once
// What a command needs of the document before it runs. Each check tells the
// user what is missing, through the document's prompter, and returns false;
// the desktop's command table and the command line run the same checks.
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr const char* kNoActiveVoyage = "No active voyage\nPlease load or create voyage first!";
inline constexpr const char* kNoPortForTide =
    "No port in the port list\nPlease insert port information with its tide data first";

using CCommandCheck = bool (*)(CMarigoldRouteDoc& doc);

bool NeedsWaypoint(CMarigoldRouteDoc& doc);       // a route of one waypoint or more (the voyage plan)
bool NeedsStorm(CMarigoldRouteDoc& doc);          // a storm (the storm advisory)
bool NeedsFix(CMarigoldRouteDoc& doc);            // a position fix (the voyage status)
bool NeedsEtaRoute(CMarigoldRouteDoc& doc);       // two waypoints or more (Calculate ETA)
bool NeedsStormAndRoute(CMarigoldRouteDoc& doc);  // a storm and two waypoints (the storm's closest approach)
bool NeedsSlipFix(CMarigoldRouteDoc& doc);        // a position fix to calibrate the slip with
bool NeedsPort(CMarigoldRouteDoc& doc);           // a port (the tide calculation)

}  // namespace marigold
