#include "lists/ReportingPointSheet.h"

#include <algorithm>
#include <memory>

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
  if (choices < 1) return -1;
  // Out of range is the last waypoint, as GetAt gives it.
  if (waypointIndex < 0 || waypointIndex > choices) return choices - 1;
  return std::max(waypointIndex, 1) - 1;
}

CReportingPointFields ReadReportingPoint(const CReportingPoint& point, const CVoyage& route) {
  CReportingPointFields f;
  f.distanceBefore = point.distanceBefore;
  f.waypointChoice = ChoiceOfWaypoint(route, point.waypointIndex);
  f.requiredAction = point.requiredAction;
  f.notes = point.notes;
  f.documents = point.documents;
  return f;
}

void ApplyReportingPoint(const CReportingPointFields& f, CReportingPoint& point, const CVoyage& route) {
  point.distanceBefore = f.distanceBefore;
  if (f.waypointChoice >= 0) point.waypointIndex = f.waypointChoice + 1;
  point.Place(route);
  point.requiredAction = f.requiredAction;
  point.documents = f.documents;
  point.notes = f.notes;
}

CReportingPoint* InsertReportingPoint(CReportingPointList& points, const CPosition2* selected) {
  return points.InsertAfter(selected, std::make_unique<CReportingPoint>());
}

}  // namespace marigold
