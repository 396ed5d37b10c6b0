#include "ui/sheets/WPSheet.h"

#include "ui/sheets/MeteoPage.h"
#include "ui/sheets/VoyageLegPage.h"
#include "ui/sheets/WaypointPage.h"

namespace marigold {

CWPSheet::CWPSheet(CWaypoint& waypoint, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent) {
  setObjectName(QStringLiteral("CWPSheet"));
  AddPage(new CPageWaypoint(waypoint));
  AddPage(new CPageVoyageLeg(waypoint));
  AddPage(new CPageMeteo(waypoint));
}

}  // namespace marigold
