// Column headers of the list are commands, not sort keys: the list always
// shows its records in list order.
#include "voyage/ListView.h"

namespace marigold {

CHeaderClickResult OnHeaderClick(CMarigoldRouteDoc& doc, int column) {
  CHeaderClickResult result;
  CVoyage& route = doc.Voyage();
  // The speed setting is stored with the route, so changing it is a change
  // to save; the other two settings are not stored.
  const auto keepRpm = [&](bool value) {
    if (route.keepRpmConstant == value) return;
    route.keepRpmConstant = value;
    doc.modified = true;
  };
  switch (doc.selectedList) {
    case EListKind::Schedule:
      if (column == 0) doc.openedFromFile = !doc.openedFromFile;
      if (column == 1) result.openCalculateEta = route.GetCount() > 1;
      if (column == 2) keepRpm(true);
      if (column == 3) keepRpm(false);
      break;
    case EListKind::Meteo:
      if (column == 0) doc.openedFromFile = !doc.openedFromFile;
      if (column == 1) route.weatherSource = !route.weatherSource;
      break;
    case EListKind::Waypoints:
      if (column == 0) doc.openedFromFile = !doc.openedFromFile;
      break;
    default: break;
  }
  return result;
}

}  // namespace marigold
