#pragma once
// AMVER messages: sailing plan, position report and arrival report.
// The route holds at least two waypoints.
#include <string>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

std::string AmverSailingPlan(const CVoyage& route, const CVessel2& vessel);
std::string AmverPositionReport(const CVoyage& route, const CVessel2& vessel, const CFixRecord& fix);
std::string AmverArrivalReport(const CVoyage& route, const CVessel2& vessel);

}  // namespace marigold
