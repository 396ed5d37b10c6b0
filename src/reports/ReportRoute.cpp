#include "reports/ReportRoute.h"

#include <algorithm>
#include <stdexcept>

namespace marigold {

const CWaypoint& ReportWaypoint(const CVoyage& route, int index) {
  if (route.IsEmpty()) throw std::invalid_argument("a report needs a route with waypoints");
  return *route.GetAt(std::clamp(index, 0, route.GetCount() - 1));
}

}  // namespace marigold
