#include "core/HarbourTraject.h"

#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {

CTrajectView TrajectView(const CVoyage& traject) {
  CTrajectView view;
  const CNavigation nav;
  const CWaypoint* previous = traject.GetHead();
  double total = 0;
  for (const auto& record : traject) {
    const auto& w = static_cast<const CWaypoint&>(*record);
    const double distance = nav.Distance(*previous, w, w.greatCircle);
    total += distance;
    view.rows.push_back({w.GetName(), w.LatitudeText(), w.LongitudeText(),
                         FormatFigure("%3.0f deg", nav.Course(*previous, w, w.greatCircle)),
                         FormatFigure("%3.1f nM", distance)});
    previous = &w;
  }
  view.totalDistance = FormatFigure("%3.1f", total);
  return view;
}

bool DeleteTrajectWaypoint(CVoyage& traject, const CWaypoint* waypoint, CPrompter& prompter) {
  if (!waypoint || !traject.Contains(waypoint)) {
    prompter.Message(kNoWaypointSelected, EMessageIcon::Stop);
    return false;
  }
  if (!prompter.AskYesNo("Delete waypoint " + waypoint->GetName() + "\nAre you sure?")) return false;
  return traject.Remove(waypoint);
}

}  // namespace marigold
