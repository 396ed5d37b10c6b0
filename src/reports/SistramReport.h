#pragma once
// SISTRAM messages 1 (sailing plan), 2 (position report) and 4 (final
// report). The route holds at least two waypoints.
#include <string>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

std::string Sistram1(const CVoyage& route, const CVessel2& vessel);
std::string Sistram2(const CVessel2& vessel, const CFixRecord& fix);
std::string Sistram4(const CVoyage& route, const CVessel2& vessel);

}  // namespace marigold
