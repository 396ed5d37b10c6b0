#include "ui/sheets/SheetPort.h"

#include "ui/sheets/HarbourTrajectPage.h"
#include "ui/sheets/MessageListPage.h"
#include "ui/sheets/NotesPage.h"
#include "ui/sheets/PortPages.h"
#include "ui/sheets/TidePage.h"
#include "ui/sheets/WaypointPage.h"

namespace marigold {

CSheetPort::CSheetPort(CPortInfo& port, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent) {
  setObjectName(QStringLiteral("CSheetPort"));
  AddPage(new CPageWaypoint(port));
  AddPage(new CPageBerth(port));
  AddPage(new CPageAgent(port));
  AddPage(new CPagePilot(port));
  AddPage(new CPageNotes(port.notes));
  AddPage(new CPageMessageList(port.documents, prompter));
  AddPage(new CPageHarbourTraject(port.inbound, port.outbound, prompter));
  AddPage(new CPageTide(port.tide));
}

CDialogOutcome ShowPortSheet(QWidget* parent, CPrompter& prompter, CPortInfo& port, const std::string& caption) {
  return ShowSheet<CSheetPort>(port, caption, prompter, parent);
}

}  // namespace marigold
