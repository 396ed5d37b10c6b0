#pragma once
// CHILREP messages: sailing plan, position report and final report. The
// route holds at least two waypoints.
#include <string>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

std::string ChilrepSailingPlan(const CVoyage& route, const CVessel2& vessel);
std::string ChilrepPositionReport(const CVessel2& vessel, const CFixRecord& fix);
std::string ChilrepFinalReport(const CVoyage& route, const CVessel2& vessel);

}  // namespace marigold
