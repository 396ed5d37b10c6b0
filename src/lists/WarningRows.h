#pragma once
// The cells of the warnings list: name, bearing and distance from the latest
// fix, the closest approach along the route and its time, number, passing
// distance and end of validity.
#include <array>
#include <string>
#include <vector>

#include "core/Position2.h"
#include "core/Voyage.h"
#include "lists/NavWarning.h"
#include "lists/WarningApproach.h"
#include "lists/WarningList.h"

namespace marigold {

using CWarningRow = std::array<std::string, 8>;

// A UTC day number as "%d %b %H:%M UTC"; "NA" when it is not a number.
std::string WarningTimeText(double dayNumber);

// One row. Without a track (a route of fewer than two waypoints) the two
// closest-approach cells read "NA".
CWarningRow WarningRow(const CNavWarning& warning, const CPosition2& latestFix, const CWarningTrack* track);

// Every warning's row, in list order; the route is sailed once from the
// latest fix in steps of one hour.
std::vector<CWarningRow> WarningRows(const CWarningList& warnings, const CVoyage& route, const CPosition2& latestFix);

}  // namespace marigold
