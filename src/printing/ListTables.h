#pragma once
// The tabular printouts of the lists (modes 0 to 8) and of a port's harbour
// trajects (modes 15 and 16). Each recomputes what its list view does first
// and reuses the list view's cells where the printed format is the same.
#include <memory>

#include "lists/PortInfo.h"
#include "printing/TableBody.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

// Schedule, Waypoints, Meteo and the record lists; nullptr for the ports,
// which print one port's information instead (PortPage.h).
std::unique_ptr<CTableBody> ListTable(CMarigoldRouteDoc& doc, EListKind kind);
std::unique_ptr<CTableBody> TrajectTable(const CPortInfo& port, bool inbound);

namespace printtables {
// Used by ListTable only.
std::unique_ptr<CTableBody> ScheduleTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> WaypointTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> MeteoTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> HistoryTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> ReportingTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> WarningTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> StormTable(CMarigoldRouteDoc& doc);
std::unique_ptr<CTableBody> PublicationTable(CMarigoldRouteDoc& doc, bool charts);
}  // namespace printtables

}  // namespace marigold
