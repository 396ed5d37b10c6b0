#include "lists/WarningSheet.h"

namespace marigold {
namespace {

double DayNumberFrom(const CCivilTime& entered, double stored) {
  return entered == CivilTimeOf(stored) ? stored : DayNumberOf(entered);
}

}  // namespace

std::string WarningCaption(const CNavWarning& warning, bool inserting) {
  return inserting ? std::string("Warning") : warning.GetName();
}

CWarningFields ReadWarning(const CNavWarning& warning) {
  CWarningFields fields;
  fields.number = warning.number;
  fields.validFrom = CivilTimeOf(warning.validFrom);
  fields.validTill = CivilTimeOf(warning.validTill);
  fields.passingDistance = warning.passingDistance;
  fields.areaKind = warning.areaKind;
  return fields;
}

void ApplyWarning(const CWarningFields& fields, CNavWarning& warning) {
  warning.areaKind = fields.areaKind;
  warning.SetReferencePosition();
  warning.passingDistance = fields.passingDistance;
  warning.number = fields.number;
  warning.SetName(fields.number);
  warning.validFrom = DayNumberFrom(fields.validFrom, warning.validFrom);
  warning.validTill = DayNumberFrom(fields.validTill, warning.validTill);
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
