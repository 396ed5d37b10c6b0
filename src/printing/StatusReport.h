#pragma once
// The Voyage Status Report (mode 10): the present position from the latest
// fix, a graph of the past 24 hours' fixes, the remaining voyage scheduled
// from the latest fix and the expected weather at the next waypoint.
#include <optional>
#include <string>

#include "core/Painter.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr const char* kNoFixForStatus = "No position fixes\nCan not print status report";

std::optional<std::string> CheckStatusReport(CMarigoldRouteDoc& doc);
// Schedules the route from the latest fix.
void DrawStatusReport(CPainter& painter, CMarigoldRouteDoc& doc);

}  // namespace marigold
