// The command table: its ids and handlers, the checks made before a command
// runs, and the dispatch of insert, delete and the list exchange commands.
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <set>

#include "fakes/Fakes.h"
#include "exchange/ItemFile.h"
#include "reports/ReportKind.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/RouteView.h"
#include "voyage/ListCommands.h"

namespace marigold {

class CCommandTableTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void idsAreUniqueAndOnlyCommandsWithHandlersAreEnabled();
  void menusFollowTheOutline();
  void reportsWantTwoWaypoints();
  void meteoListTakesNoInsert();
  void deleteSparesThePresentPosition();
  void listsExportAndImport();
  void exportItemWantsASelection();

 private:
  void AddWaypoints(int count);
  std::string File(const char* name) const { return dir->filePath(name).toStdString(); }

  std::optional<QTemporaryDir> dir;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
  std::optional<CMarigoldRouteDoc> doc;
  std::optional<CMainFrame> frame;
};

void CCommandTableTest::init() {
  dir.emplace();
  UseDataFolder(store, dir->path().toStdString());
  store.WriteInt("Path", "AskLoadOld", 0);
  doc.emplace(store, prompter, clock);
  frame.emplace(*doc, store, prompter);
  prompter.messages.clear();
  prompter.fileChoices.clear();
}

void CCommandTableTest::cleanup() {
  frame.reset();
  doc.reset();
  prompter = CScriptedPrompter();
  dir.reset();
}

void CCommandTableTest::AddWaypoints(int count) {
  for (int i = 0; i < count; ++i) {
    CWaypoint* waypoint = doc->Voyage().AddNew();
    waypoint->SetName("WP" + std::to_string(i));
    waypoint->SetLatitude(50.0 + i);
    waypoint->SetLongitude(-4.0);
  }
}

void CCommandTableTest::idsAreUniqueAndOnlyCommandsWithHandlersAreEnabled() {
  std::set<int> ids;
  for (const CCommand& command : CommandTable()) {
    if (command.id == 0) continue;
    QVERIFY2(ids.insert(command.id).second, qPrintable(QString::number(command.id)));
    QAction* action = frame->Action(command.id);
    QVERIFY(action);
    if (!command.handler) QVERIFY2(!action->isEnabled(), command.menu);
  }
  for (const int id : ToolBarCommands())
    if (id != 0) QVERIFY(FindCommand(id));
  for (const CReportCommand& report : ReportCommands()) QVERIFY(FindCommand(report.commandId)->handler);
  // The right-click menu, in order.
  QStringList texts;
  for (const QAction* action : frame->ContextMenu().actions()) texts << action->text();
  QCOMPARE(texts, QStringList({"&Insert", "&Edit", "&Delete", "", "I&mport item", "E&xport item"}));
}

// Every menu with its items in order, submenus indented under their title,
// "---" for a separator.
void AppendOutline(const QList<QAction*>& actions, const QString& indent, QStringList& lines) {
  for (const QAction* action : actions) {
    if (action->isSeparator()) {
      lines << indent + "---";
      continue;
    }
    lines << indent + action->text();
    if (const QMenu* sub = action->menu()) AppendOutline(sub->actions(), indent + "  ", lines);
  }
}

void CCommandTableTest::menusFollowTheOutline() {
  QStringList lines;
  AppendOutline(frame->menuBar()->actions(), "", lines);
  const QStringList expected = {
      "&File", "  &New", "  &Open...", "  &Save", "  Save &As...", "  ---", "  &Print...", "  Print Pre&view",
      "  P&rint Setup...", "  Print &Voyageplan", "  Print &Graph", "    &Speed versus time", "    &Plotting sheet",
      "    S&torm Advisory", "  ---", "  Sen&d...", "  ---", "  Recent File 1", "  Recent File 2",
      "  Recent File 3", "  Recent File 4", "  ---", "  E&xit",
      "&Edit", "  &Undo", "  ---", "  Cu&t", "  &Copy", "  &Paste", "  ---", "  &Insert item", "  &Edit Item",
      "  &Delete item",
      "&View", "  &Toolbar", "  &Status Bar", "  ---", "  Lar&ge Icons", "  S&mall Icons", "  &List", "  &Details",
      "&Insert", "  &Waypoint", "  &Reporting point", "  Navigational W&arning", "  &Hurricane",
      "  Nautical &Publication", "  Port &Information", "  Position &fix",
      "&Voyage", "  &Status", "  Calculate &ETA", "  &Average weather", "  &Hurricane tracking", "  &Properties",
      "&Reporting",
      "  &Amver", "    &Sailing Plan", "    &Position report", "    &Arrival report",
      "  &Sistram", "    &Sailingplan", "    &Position report", "    &Final report",
      "  &Chilrep", "    &Sailingplan", "    &Position report", "    &Final report",
      "  &Equador", "    &Sailingplan", "    &Position report", "    &Final report",
      "  &Peru", "    &Position report",
      "  A&usrep", "    &Sailingplan", "    &Position report", "    &Final report",
      "  &Jasrep", "    &Sailingplan", "    &Position report", "    &Final report",
      "&Tools", "  &Engine rpm and speed", "  &Wheel over point", "  Calculate &Squat", "  Calibrate S&lip",
      "  &Calculator", "  &Drift angle", "  &Tidal calculation", "  &Metric Conversions", "  ---",
      "  &Import", "    &Meteo data", "    &Waypoints", "    &Reportingpoints", "    &Navigational Warnings",
      "    &Hurricane data", "    &Publications", "    P&ort Info",
      "  E&xport", "    &Meteo data", "    &History", "    &Waypoints", "    &Reporting points", "    &NavWarnings",
      "    H&urricane data", "    &Charts and books", "    &PortInfo", "  ---",
      "  C&onfiguration", "    &Vessel dimensions", "    &Hydrostatic table", "    &Engine and propellor",
      "    Vessel &Performance", "    &Options",
      "&Help", "  &Help Topics", "  ---", "  &About Marigold Route...",
  };
  QCOMPARE(lines, expected);
}

void CCommandTableTest::reportsWantTwoWaypoints() {
  AddWaypoints(1);
  for (const CReportCommand& report : ReportCommands()) {
    prompter.messages.clear();
    QVERIFY(!RunCommand(report.commandId, *frame));
    QCOMPARE(prompter.messages.size(), 1u);
    QCOMPARE(prompter.messages[0].text, std::string("No waypoints defined\nPlease add waypoints first"));
    QCOMPARE(prompter.messages[0].icon, EMessageIcon::Stop);
  }
  QVERIFY(prompter.fileChoices.empty());  // nothing asked, nothing written
}

void CCommandTableTest::meteoListTakesNoInsert() {
  doc->selectedList = EListKind::Meteo;
  frame->RefreshViews();
  const int meteo = doc->Meteo().GetCount();
  QVERIFY(frame->Action(command::kContextInsert)->isEnabled());
  QVERIFY(RunCommand(command::kContextInsert, *frame));
  QCOMPARE(prompter.messages.size(), 1u);
  QCOMPARE(prompter.messages[0].text, std::string(kMeteoNotInsertable));
  QCOMPARE(doc->Meteo().GetCount(), meteo);
  QCOMPARE(doc->Voyage().GetCount(), 0);
}

// Delete takes the rows selected in the view (the figures of Delete itself
// are the list commands' own tests).
void CCommandTableTest::deleteSparesThePresentPosition() {
  AddWaypoints(3);
  doc->openedFromFile = true;  // the whole route, from the departure
  doc->selectedList = EListKind::Waypoints;
  frame->RefreshViews();
  CMarigoldRouteView& view = frame->RouteView();
  for (const int row : {0, 1, 3})
    view.selectionModel()->select(view.model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  prompter.answers = {true};
  RunCommand(command::kContextDelete, *frame);
  QCOMPARE(prompter.messages.size(), 1u);
  QCOMPARE(prompter.messages[0].text, std::string("Present Position can not be deleted"));
  QCOMPARE(doc->Voyage().GetCount(), 1);
  QCOMPARE(view.model()->rowCount(), 2);  // refreshed: the start and WP1
  QVERIFY(doc->modified);
}

// The exchange commands ask for the file and refresh after an import.
void CCommandTableTest::listsExportAndImport() {
  AddWaypoints(2);
  const std::string csv = File("waypoints.csv");
  prompter.files = {csv};
  QVERIFY(RunCommand(command::kExportWaypoints, *frame));
  QCOMPARE(prompter.fileChoices[0].defaultName, std::string("waypoints"));
  QCOMPARE(prompter.messages.back().text, std::string("Export succesfull"));

  doc->selectedList = EListKind::Waypoints;
  prompter.files = {csv};
  QVERIFY(RunCommand(command::kImportWaypoints, *frame));
  QCOMPARE(doc->Voyage().GetCount(), 4);
  QCOMPARE(frame->RouteView().model()->rowCount(), 5);
  QCOMPARE(prompter.messages.back().text, std::string("Import succesfull"));

  // Cancel does nothing.
  prompter.messages.clear();
  RunCommand(command::kExportWarnings, *frame);
  QVERIFY(prompter.messages.empty());
}

void CCommandTableTest::exportItemWantsASelection() {
  RunCommand(command::kExportItem, *frame);
  QCOMPARE(prompter.messages.size(), 1u);
  QCOMPARE(prompter.messages[0].text, std::string("No item selected for export"));
  QCOMPARE(prompter.messages[0].icon, EMessageIcon::Exclamation);
}

}  // namespace marigold

QTEST_MAIN(marigold::CCommandTableTest)
#include "CommandTableTest.moc"
