#pragma once
// The reporting point sheet (pages "Reporting", "Notes" and "Reports") over
// the document's point, which OK places on the route; and where a new point
// goes in the list.
#include <optional>
#include <string>
#include <vector>

#include "core/RangeCheck.h"
#include "core/Voyage.h"
#include "lists/ReportingPoint.h"

namespace marigold {

// "Reporting Point" when inserting, the point's name when editing.
std::string ReportingPointCaption(const CReportingPoint& point, bool inserting);

// The waypoint choice lists the route's waypoints from the second to the
// last (a point before the departure makes no sense): choice k is route
// index k + 1. Empty with fewer than two waypoints.
std::vector<std::string> WaypointChoices(const CVoyage& route);
// -1 when the route offers no choice; an index outside the choices picks the
// nearest one, as placing the point would.
int ChoiceOfWaypoint(const CVoyage& route, int waypointIndex);

struct CReportingPointFields {
  double distanceBefore = 1.0;  // nM
  int waypointChoice = -1;      // position in WaypointChoices, -1 none
  std::string requiredAction;
  std::string notes;
  std::vector<std::string> documents;  // the "Reports" page (lists/ReportsPage.h)
};

CReportingPointFields ReadReportingPoint(const CReportingPoint& point, const CVoyage& route);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CReportingPointFields&) { return std::nullopt; }
// On OK: the fields go into the point, which is placed on the route.
void ApplyReportingPoint(const CReportingPointFields& fields, CReportingPoint& point, const CVoyage& route);

// A new point named "Reporting Point", after the selected record when that
// is one of the list's points, else at the end.
CReportingPoint* InsertReportingPoint(CReportingPointList& points, const CPosition2* selected);

}  // namespace marigold
