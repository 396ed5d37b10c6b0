#include "ui/sheets/MeteoSheet.h"

#include "ui/sheets/MeteoPage.h"
#include "ui/sheets/WaypointPage.h"

namespace marigold {

CMeteoSheet::CMeteoSheet(CWaypoint& waypoint, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent) {
  setObjectName(QStringLiteral("CMeteoSheet"));
  AddPage(new CPageWaypoint(waypoint));
  AddPage(new CPageMeteo(waypoint));
}

}  // namespace marigold
