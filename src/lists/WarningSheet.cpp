#include "lists/WarningSheet.h"

namespace marigold {
namespace {

double DayNumberFrom(const CCivilTime& entered, double stored) {
  return entered == CivilTimeOf(stored) ? stored : DayNumberOf(entered);
}

}  // namespace

std::string WarningSheetCaption(const CNavWarning& warning, bool inserting) {
  return inserting ? std::string("Warning") : warning.GetName();
}

CWarningSheetValues ReadWarningSheet(const CNavWarning& warning) {
  CWarningSheetValues values;
  values.number = warning.number;
  values.validFrom = CivilTimeOf(warning.validFrom);
  values.validTill = CivilTimeOf(warning.validTill);
  values.passingDistance = warning.passingDistance;
  values.areaKind = warning.areaKind;
  return values;
}

void ApplyWarningSheet(const CWarningSheetValues& values, CNavWarning& warning) {
  warning.areaKind = values.areaKind;
  warning.SetReferencePosition();
  warning.passingDistance = values.passingDistance;
  warning.number = values.number;
  warning.SetName(values.number);
  warning.validFrom = DayNumberFrom(values.validFrom, warning.validFrom);
  warning.validTill = DayNumberFrom(values.validTill, warning.validTill);
  warning.SetChanged(true);
}

std::vector<std::array<std::string, 2>> AreaPointRows(const CNavWarning& warning) {
  std::vector<std::array<std::string, 2>> rows;
  for (const auto& point : warning.AreaPoints()) rows.push_back({point->LatitudeText(), point->LongitudeText()});
  return rows;
}

CPosition2* AreaPointToEdit(const CNavWarning& warning, int selectedRow, CPrompter& prompter) {
  CPosition2* point = warning.GetAreaPoint(selectedRow);
  if (!point) prompter.Message(kNoSelectedPosition, EMessageIcon::Stop);
  return point;
}

bool DeleteAreaPoint(CNavWarning& warning, int selectedRow, CPrompter& prompter) {
  CPosition2* point = AreaPointToEdit(warning, selectedRow, prompter);
  return point && warning.RemoveAreaPoint(point);
}

}  // namespace marigold
