#include "ui/sheets/SheetPort.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/sheets/MessageListPage.h"
#include "ui/sheets/NotesPage.h"
#include "ui/sheets/PortPages.h"
#include "ui/sheets/TidePage.h"

namespace marigold {
namespace {

// Holds the place of a page that the waypoint sheet's branch brings, so that
// the tabs keep their order until it arrives; it edits nothing.
class CPendingPage final : public CSheetPage {
 public:
  explicit CPendingPage(const char* caption) : CSheetPage(QString::fromLatin1(caption)) {
    auto* page = new QVBoxLayout(this);
    page->addWidget(new QLabel(QStringLiteral("Not yet editable here."), this));
    page->addStretch(1);
  }
  void Load() override {}
  void Store() override {}
};

}  // namespace

CSheetPort::CSheetPort(CPortInfo& port, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent) {
  setObjectName(QStringLiteral("CSheetPort"));
  AddPage(new CPendingPage("Position"));  // new CPageWaypoint(port)
  AddPage(new CPageBerth(port));
  AddPage(new CPageAgent(port));
  AddPage(new CPagePilot(port));
  AddPage(new CPageNotes(port.notes));
  AddPage(new CPageMessageList(port.documents, prompter));
  AddPage(new CPendingPage("Harbour Traject"));  // new CPageHarbourTraject(port.inbound, port.outbound, prompter)
  AddPage(new CPageTide(port.tide));
}

CDialogOutcome ShowPortSheet(QWidget* parent, CPrompter& prompter, CPortInfo& port, const std::string& caption) {
  return ShowSheet<CSheetPort>(port, caption, prompter, parent);
}

}  // namespace marigold
