#pragma once
// The reporting point sheet (pages "Reporting", "Notes" and "Reports") over
// the document's point, which OK places on the route (CReportingPoint::Place);
// and where a new point goes in the list.
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
// The choice that shows the stored index: -1 (none) when the route offers
// no choice or the index is the departure's; an index outside the route is
// the last waypoint, as placing the point takes it.
int ChoiceOfWaypoint(const CVoyage& route, int waypointIndex);

// The "Reporting" page. The notes and the documents have pages of their own
// bound to the point.
struct CReportingPointFields {
  double distanceBefore = 1.0;  // nM
  int waypointChoice = -1;      // position in WaypointChoices, -1 none
  std::string requiredAction;
};

CReportingPointFields ReadReportingPoint(const CReportingPoint& point, const CVoyage& route);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CReportingPointFields&) { return std::nullopt; }
// Writes what the officer changed; a waypoint choice left alone keeps the
// stored index, whatever it is.
void ApplyReportingPoint(const CReportingPointFields& fields, CReportingPoint& point, const CVoyage& route);

// A new point named "Reporting Point", after the selected record when that
// is one of the list's points, else at the end.
CReportingPoint* InsertReportingPoint(CReportingPointList& points, const CPosition2* selected);

}  // namespace marigold
