#pragma once
// The record type of each of the document's lists, for code that works on
// typed records (the comma-separated forms, new records): the one place
// that maps a list to its C++ type.
#include <utility>

#include "core/FixRecord.h"
#include "core/Waypoint.h"
#include "lists/Hurricane.h"
#include "lists/ListKind.h"
#include "lists/MeteoRecord.h"
#include "lists/NavWarning.h"
#include "lists/PortInfo.h"
#include "lists/Publication.h"
#include "lists/ReportingPoint.h"

namespace marigold {

// Returns visit.template operator()<T>() with T the list's record type.
template <class Visitor>
decltype(auto) VisitRecordType(ERecordList list, Visitor&& visit) {
  switch (list) {
    case ERecordList::Fixes: return visit.template operator()<CFixRecord>();
    case ERecordList::ReportingPoints: return visit.template operator()<CReportingPoint>();
    case ERecordList::Warnings: return visit.template operator()<CNavWarning>();
    case ERecordList::Meteo: return visit.template operator()<CMeteoRecord>();
    case ERecordList::Storms: return visit.template operator()<CHurricane>();
    case ERecordList::Publications: return visit.template operator()<CPublication>();
    case ERecordList::Ports: return visit.template operator()<CPortInfo>();
    case ERecordList::Route: break;
  }
  return visit.template operator()<CWaypoint>();
}

}  // namespace marigold
