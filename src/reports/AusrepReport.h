#pragma once
// AUSREP messages: position report and final report (the sailing-plan
// command writes the final report too). The route holds at least two
// waypoints.
#include <string>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

std::string AusrepPositionReport(const CVessel2& vessel, const CFixRecord& fix);
std::string AusrepFinalReport(const CVoyage& route, const CVessel2& vessel);

}  // namespace marigold
