#pragma once
// JASREP messages: sailing plan, position report and final report. The
// route holds at least two waypoints.
#include <string>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

std::string JasrepSailingPlan(const CVoyage& route, const CVessel2& vessel);
// Looks up the waypoint the ship steers for, which the route remembers.
std::string JasrepPositionReport(CVoyage& route, const CVessel2& vessel, const CFixRecord& fix);
std::string JasrepFinalReport(const CVessel2& vessel, const CFixRecord& fix);

}  // namespace marigold
