#include "lists/WarningRows.h"

#include <cmath>
#include <optional>

#include "core/CivilTime.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {

std::string WarningTimeText(double dayNumber) {
  // The day number holds UTC fields already: no clock is involved.
  return FormatDayNumber("%d %b %H:%M UTC", dayNumber);
}

CWarningRow WarningRow(const CNavWarning& warning, const CPosition2& latestFix, const CWarningTrack* track) {
  const CNavigation nav;
  CWarningRow row;
  row[0] = warning.GetName();
  row[1] = FormatFigure("%#3.1f deg", nav.Course(latestFix, warning, true));
  row[2] = FormatFigure("%#3.1f nM", nav.Distance(latestFix, warning, true));
  if (track) {
    double distance = 0;
    double bearing = 0;
    const auto approach = track->ClosestApproach(warning, distance, bearing);
    row[3] = FormatFigure("%#8.1f nM", distance);
    row[4] = WarningTimeText(approach->GetTimeA());
  } else {
    row[3] = "NA";
    row[4] = "NA";
  }
  row[5] = warning.number;
  row[6] = FormatFigure("%#2.2f nM", warning.passingDistance);
  row[7] = WarningTimeText(warning.validTill);
  return row;
}

std::vector<CWarningRow> WarningRows(const CWarningList& warnings, const CVoyage& route, const CPosition2& latestFix) {
  std::optional<CWarningTrack> track;
  if (route.GetCount() >= 2) track.emplace(route, latestFix, 1.0);
  std::vector<CWarningRow> rows;
  rows.reserve(static_cast<std::size_t>(warnings.GetCount()));
  for (int i = 0; i < warnings.GetCount(); ++i)
    rows.push_back(WarningRow(*warnings.GetAt(i), latestFix, track ? &*track : nullptr));
  return rows;
}

}  // namespace marigold
