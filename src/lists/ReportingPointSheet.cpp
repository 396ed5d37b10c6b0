#include "lists/ReportingPointSheet.h"

#include <memory>

#include "core/SheetFields.h"

namespace marigold {

std::string ReportingPointCaption(const CReportingPoint& point, bool inserting) {
  return inserting ? std::string("Reporting Point") : point.GetName();
}

std::vector<std::string> WaypointChoices(const CVoyage& route) {
  std::vector<std::string> names;
  for (int i = 1; i < route.GetCount(); ++i) names.push_back(route.GetAt(i)->GetName());
  return names;
}

int ChoiceOfWaypoint(const CVoyage& route, int waypointIndex) {
  const int choices = route.GetCount() - 1;
  if (choices < 1 || waypointIndex == 0) return -1;
  // Out of range is the last waypoint, as GetAt gives it.
  if (waypointIndex < 0 || waypointIndex > choices) return choices - 1;
  return waypointIndex - 1;
}

CReportingPointFields ReadReportingPoint(const CReportingPoint& point, const CVoyage& route) {
  return {Shown(point.distanceBefore, kSpeedDecimals), ChoiceOfWaypoint(route, point.waypointIndex),
          point.requiredAction};
}

void ApplyReportingPoint(const CReportingPointFields& fields, CReportingPoint& point, const CVoyage& route) {
  const CReportingPointFields shown = ReadReportingPoint(point, route);
  SetIfEdited(fields.distanceBefore, shown.distanceBefore, point.distanceBefore);
  if (fields.waypointChoice != shown.waypointChoice && fields.waypointChoice >= 0)
    point.waypointIndex = fields.waypointChoice + 1;
  SetIfEdited(fields.requiredAction, shown.requiredAction, point.requiredAction);
}

CReportingPoint* InsertReportingPoint(CReportingPointList& points, const CPosition2* selected) {
  return points.InsertAfter(selected, std::make_unique<CReportingPoint>());
}

}  // namespace marigold
