#pragma once
// Messages of the Ecuador system ("EQUADOR") and of Peru ("ShipRep"): each
// is a single line of fields with no line break at all. The route holds at
// least two waypoints.
#include <string>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

std::string EcuadorSailingPlan(const CVoyage& route, const CVessel2& vessel);
std::string EcuadorPositionReport(const CVessel2& vessel, const CFixRecord& fix);
std::string EcuadorFinalReport(const CVoyage& route, const CVessel2& vessel);
std::string PeruPositionReport(const CVoyage& route, const CVessel2& vessel, const CFixRecord& fix);

}  // namespace marigold
