#include "lists/ReportingPoint.h"

#include <cmath>

#include "core/CivilTime.h"
#include "core/Navigation.h"
#include "core/Quotient.h"
#include "core/TextFormat.h"

namespace marigold {

CReportingPoint::CReportingPoint() {
  SetName("Reporting Point");
  SetChanged(false);
}

void CReportingPoint::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    CPosition2::Serialize(ar);
    ar.Exchange(distanceBefore);
    ar.Exchange(waypointIndex);
    ar.Exchange(requiredAction);
    ar.Exchange(notes);
    ar.Exchange(documents);
    return;
  }
  // Into a scratch point, so that damaged bytes leave this one as it was.
  CReportingPoint loaded;
  loaded.CPosition2::Serialize(ar);
  ar.Exchange(loaded.distanceBefore);
  ar.Exchange(loaded.waypointIndex);
  ar.Exchange(loaded.requiredAction);
  ar.Exchange(loaded.notes);
  ar.Exchange(loaded.documents);
  *this = std::move(loaded);
}

double PassingTime(const CWaypoint& waypoint, double distanceBefore) {
  if (distanceBefore == 0) return waypoint.GetTimeA();
  const double groundspeed = waypoint.keptGroundspeed;
  if (!(groundspeed > 0) || !std::isfinite(groundspeed)) return kNotANumber;
  return waypoint.GetTimeA() - distanceBefore / groundspeed * (1.0 / 24);
}

bool CReportingPoint::Place(const CVoyage& route) {
  const CWaypoint* w = route.GetAt(waypointIndex);
  if (!w) return false;
  const CNavigation nav;
  nav.CopyAndDeadReckon(*w, *this, distanceBefore, w->groundCourse + 180, true);
  SetTimeA(PassingTime(*w, distanceBefore));
  SetUtcDifference(w->GetUtcDifference());
  return true;
}

std::string CReportingPoint::PassingTimeText(const char* format) const {
  return FormatDayNumber(format, GetTimeA() + GetUtcDifferenceDays());
}

bool ScheduleReportingPoints(CReportingPointList& points, const CVoyage& route) {
  if (points.IsEmpty() || route.GetCount() < 2) return false;
  for (const auto& record : points) {
    auto& point = static_cast<CReportingPoint&>(*record);
    const CWaypoint* w = route.GetAt(point.waypointIndex);
    point.SetTimeA(PassingTime(*w, point.distanceBefore));
    point.SetUtcDifference(w->GetUtcDifference());
  }
  return true;
}

}  // namespace marigold
