#pragma once
// Every record as a JSON object: the record's fields by their names, values
// as stored (day numbers, degrees, knots, days of UTC difference).
#include <string>

#include "cli/Json.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Voyage.h"
#include "lists/Hurricane.h"
#include "lists/MeteoRecord.h"
#include "lists/NavWarning.h"
#include "lists/PortInfo.h"
#include "lists/Publication.h"
#include "lists/ReportingPoint.h"
#include "vessel/Vessel2.h"

namespace marigold {

CJsonObject ToJson(const CWeatherData& weather);
CJsonObject ToJson(const CPosition2& position);  // dispatches on the record's type
CJsonObject ToJson(const CVoyage& route);
CJsonObject ToJson(const CVessel2& vessel);
std::string ToJson(const CPositionList& list);

}  // namespace marigold
