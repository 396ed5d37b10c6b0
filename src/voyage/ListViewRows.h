#pragma once
// The row builders of the list view, one per list, and the cell texts they
// share. Used by ListView.cpp only.
#include <ctime>
#include <string>
#include <vector>

#include "core/Position2.h"
#include "voyage/ListView.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold::listview {

// A day-number time of the position in its local time; "NA" when the
// schedule left it undefined.
std::string LocalTimeText(const char* format, const CPosition2& position, ETimeSlot slot);
// A calendar time in the computer's local time.
std::string CalendarTimeText(const char* format, std::time_t t);
// Great-circle distance and course from the latest fix; "NA" without a fix.
std::string DistanceFromText(const char* format, const CPosition2* latestFix, const CPosition2& to);
std::string CourseFromText(const char* format, const CPosition2* latestFix, const CPosition2& to);

std::vector<CListRow> ScheduleRows(CMarigoldRouteDoc& doc);
std::vector<CListRow> WaypointRows(CMarigoldRouteDoc& doc);
std::vector<CListRow> MeteoRows(CMarigoldRouteDoc& doc);

std::vector<CListRow> FixRows(CMarigoldRouteDoc& doc);
std::vector<CListRow> ReportingPointRows(CMarigoldRouteDoc& doc);
std::vector<CListRow> WarningListRows(CMarigoldRouteDoc& doc);
std::vector<CListRow> StormRows(CMarigoldRouteDoc& doc);
std::vector<CListRow> PublicationRows(CMarigoldRouteDoc& doc, bool charts);
std::vector<CListRow> PortRows(CMarigoldRouteDoc& doc);

}  // namespace marigold::listview
