#include "lists/WarningSheet.h"

#include "core/SheetFields.h"
#include "core/TimeFields.h"

namespace marigold {
std::string WarningCaption(const CNavWarning& warning, bool inserting) {
  return inserting ? std::string("Warning") : warning.GetName();
}

CWarningFields ReadWarning(const CNavWarning& warning) {
  return {warning.number, CivilTimeOf(warning.validFrom), CivilTimeOf(warning.validTill),
          Shown(warning.passingDistance, kSpeedDecimals)};
}

void ApplyWarning(const CWarningFields& fields, CNavWarning& warning) {
  const CWarningFields shown = ReadWarning(warning);
  SetIfEdited(fields.number, shown.number, warning.number);
  warning.SetName(warning.number);
  SetDayNumberIfEdited(fields.validFrom, shown.validFrom, warning.validFrom);
  SetDayNumberIfEdited(fields.validTill, shown.validTill, warning.validTill);
  SetIfEdited(fields.passingDistance, shown.passingDistance, warning.passingDistance);
}

CWarningAreaFields ReadWarningArea(const CNavWarning& warning) {
  CWarningAreaFields fields{warning.areaKind, {}};
  for (const auto& point : warning.AreaPoints()) fields.points.push_back(*point);
  return fields;
}

void ApplyWarningArea(const CWarningAreaFields& fields, CNavWarning& warning) {
  warning.areaKind = fields.areaKind;
  warning.SetAreaPoints(fields.points);
}

void FinishWarningEdit(CNavWarning& warning) {
  warning.SetReferencePosition();
  warning.SetChanged(true);
}

std::vector<std::array<std::string, 2>> AreaPointRows(const std::vector<CPosition2>& points) {
  std::vector<std::array<std::string, 2>> rows;
  for (const CPosition2& point : points) rows.push_back({point.LatitudeText(), point.LongitudeText()});
  return rows;
}

CPosition2* AreaPointToEdit(std::vector<CPosition2>& points, int selectedRow, CPrompter& prompter) {
  if (selectedRow < 0 || static_cast<std::size_t>(selectedRow) >= points.size()) {
    prompter.Message(kNoSelectedPosition, EMessageIcon::Stop);
    return nullptr;
  }
  return &points[static_cast<std::size_t>(selectedRow)];
}

bool DeleteAreaPoint(std::vector<CPosition2>& points, int selectedRow, CPrompter& prompter) {
  if (!AreaPointToEdit(points, selectedRow, prompter)) return false;
  points.erase(points.begin() + selectedRow);
  return true;
}

}  // namespace marigold
