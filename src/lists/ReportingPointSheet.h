#pragma once
// The values and buttons of the reporting point sheet (pages "Reporting",
// "Notes" and "Reports"), and where a new point goes in the list.
#include <optional>
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "core/Voyage.h"
#include "lists/ReportingPoint.h"

namespace marigold {

inline constexpr const char* kNewReportingPointCaption = "Reporting Point";
inline constexpr const char* kSelectFileToOpen = "Please select file to open";
inline constexpr const char* kSelectFileToRemove = "Please select file to remove from list";
inline constexpr const char* kDocumentFilter = "MS Word document (*.doc)|*.doc|All Files (*.*)|*.*||";

// The waypoint choice lists the route's waypoints from the second to the
// last (a point before the departure makes no sense): choice k is route
// index k + 1. Empty with fewer than two waypoints.
std::vector<std::string> WaypointChoices(const CVoyage& route);
// -1 when the route offers no choice; an index outside the choices picks the
// nearest one, as placing the point would.
int ChoiceOfWaypoint(const CVoyage& route, int waypointIndex);

struct CReportingSheetFields {
  double distanceBefore = 1.0;  // nM
  int waypointChoice = -1;      // position in WaypointChoices, -1 none
  std::string requiredAction;
  std::string notes;
  std::vector<std::string> documents;
};

CReportingSheetFields ReportingSheetFields(const CReportingPoint& point, const CVoyage& route);
// On OK: the fields go into the point, which is placed on the route.
void ApplyReportingSheet(const CReportingSheetFields& fields, CReportingPoint& point, const CVoyage& route);

// "Reports" page buttons. "Add" appends the chosen file; "View" gives the
// selected path to open; "Remove" drops the selected entry. Without a
// selection (index outside the list) the user is told and nothing happens.
bool AddDocument(std::vector<std::string>& documents, CPrompter& prompter);
std::optional<std::string> DocumentToView(const std::vector<std::string>& documents, int selected,
                                          CPrompter& prompter);
bool RemoveDocument(std::vector<std::string>& documents, int selected, CPrompter& prompter);

// A new point named "Reporting Point", after the selected record when that
// is one of the list's points, else at the end.
CReportingPoint* InsertReportingPoint(CReportingPointList& points, const CPosition2* selected);

}  // namespace marigold
