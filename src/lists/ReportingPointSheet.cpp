#include "lists/ReportingPointSheet.h"

#include <algorithm>
#include <memory>

namespace marigold {
namespace {

bool IsSelected(const std::vector<std::string>& documents, int selected) {
  return selected >= 0 && static_cast<std::size_t>(selected) < documents.size();
}

}  // namespace

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

CReportingSheetFields ReportingSheetFields(const CReportingPoint& point, const CVoyage& route) {
  CReportingSheetFields f;
  f.distanceBefore = point.distanceBefore;
  f.waypointChoice = ChoiceOfWaypoint(route, point.waypointIndex);
  f.requiredAction = point.requiredAction;
  f.notes = point.notes;
  f.documents = point.documents;
  return f;
}

void ApplyReportingSheet(const CReportingSheetFields& f, CReportingPoint& point, const CVoyage& route) {
  point.distanceBefore = f.distanceBefore;
  if (f.waypointChoice >= 0) point.waypointIndex = f.waypointChoice + 1;
  point.Place(route);
  point.requiredAction = f.requiredAction;
  point.documents = f.documents;
  point.notes = f.notes;
}

bool AddDocument(std::vector<std::string>& documents, CPrompter& prompter) {
  const std::optional<std::string> path = prompter.ChooseOpenFile({"Document", "", kDocumentFilter});
  if (!path) return false;
  documents.push_back(*path);
  return true;
}

std::optional<std::string> DocumentToView(const std::vector<std::string>& documents, int selected,
                                          CPrompter& prompter) {
  if (!IsSelected(documents, selected)) {
    prompter.Message(kSelectFileToOpen, EMessageIcon::Stop);
    return std::nullopt;
  }
  return documents[static_cast<std::size_t>(selected)];
}

bool RemoveDocument(std::vector<std::string>& documents, int selected, CPrompter& prompter) {
  if (!IsSelected(documents, selected)) {
    prompter.Message(kSelectFileToRemove, EMessageIcon::Stop);
    return false;
  }
  documents.erase(documents.begin() + selected);
  return true;
}

CReportingPoint* InsertReportingPoint(CReportingPointList& points, const CPosition2* selected) {
  return points.InsertAfter(selected, std::make_unique<CReportingPoint>());
}

}  // namespace marigold
