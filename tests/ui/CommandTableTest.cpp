// The command table: its ids and handlers, the checks made before a command
// runs, and the dispatch of insert, delete and the list exchange commands.
#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <set>

#include "fakes/Fakes.h"
#include "lists/CsvFile.h"
#include "lists/ItemFile.h"
#include "reports/ReportKind.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/RouteView.h"

namespace marigold {

class CCommandTableTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void idsAreUniqueAndOnlyCommandsWithHandlersAreEnabled();
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
  doc->selectedList = static_cast<int>(EListKind::Meteo);
  frame->RefreshViews();
  const int meteo = doc->Meteo().GetCount();
  QVERIFY(frame->Action(command::kContextInsert)->isEnabled());
  QVERIFY(RunCommand(command::kContextInsert, *frame));
  QCOMPARE(prompter.messages.size(), 1u);
  QCOMPARE(prompter.messages[0].text, std::string(kMeteoNotInsertable));
  QCOMPARE(prompter.messages[0].icon, EMessageIcon::None);
  QCOMPARE(doc->Meteo().GetCount(), meteo);
  QCOMPARE(doc->Voyage().GetCount(), 0);
}

void CCommandTableTest::deleteSparesThePresentPosition() {
  AddWaypoints(3);
  doc->openedFromFile = true;  // the whole route, from the departure
  doc->selectedList = static_cast<int>(EListKind::Waypoints);
  frame->RefreshViews();
  CMarigoldRouteView& view = frame->RouteView();
  const auto select = [&view](std::initializer_list<int> rows) {
    view.clearSelection();
    for (const int row : rows)
      view.selectionModel()->select(view.model()->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  };
  // No: nothing goes.
  select({1});
  prompter.answers = {false};
  RunCommand(command::kDeleteItem, *frame);
  QCOMPARE(doc->Voyage().GetCount(), 3);
  QVERIFY(!doc->modified);

  select({0, 1, 3});
  prompter.answers = {true};
  RunCommand(command::kContextDelete, *frame);
  QCOMPARE(prompter.questions.back(), std::string("Delete selected items?"));
  QCOMPARE(prompter.messages.size(), 1u);
  QCOMPARE(prompter.messages[0].text, std::string("Present Position can not be deleted"));
  QCOMPARE(prompter.messages[0].icon, EMessageIcon::Stop);
  QCOMPARE(doc->Voyage().GetCount(), 1);
  QCOMPARE(doc->Voyage().GetHead()->GetName(), std::string("WP1"));
  QVERIFY(doc->modified);
}

void CCommandTableTest::listsExportAndImport() {
  AddWaypoints(2);
  const std::string csv = File("waypoints.csv");
  prompter.files = {csv};
  QVERIFY(RunCommand(32855, *frame));  // Export > Waypoints
  QCOMPARE(prompter.fileChoices[0].defaultName, std::string("waypoints"));
  QCOMPARE(prompter.fileChoices[0].defaultExtension, std::string("csv"));
  QCOMPARE(prompter.fileChoices[0].filter, std::string(kCsvFilter));
  QCOMPARE(prompter.messages.back().text, std::string("Export succesfull"));
  QCOMPARE(prompter.messages.back().icon, EMessageIcon::Information);

  prompter.files = {csv};
  QVERIFY(RunCommand(32861, *frame));  // Import > Waypoints
  QCOMPARE(doc->Voyage().GetCount(), 4);
  QCOMPARE(doc->Voyage().GetTail()->GetName(), std::string("WP1"));
  QCOMPARE(prompter.messages.back().text, std::string("Import succesfull"));
  QVERIFY(doc->modified);

  // An empty list writes nothing and says so.
  prompter.messages.clear();
  prompter.files = {File("reporting.csv")};
  RunCommand(32856, *frame);
  QCOMPARE(prompter.messages.size(), 2u);
  QCOMPARE(prompter.messages[0].text, std::string(kCsvReportingListEmpty) + File("reporting.csv"));
  QCOMPARE(prompter.messages[1].text, std::string("Export failed"));
  QCOMPARE(prompter.messages[1].icon, EMessageIcon::Exclamation);

  prompter.messages.clear();
  prompter.files = {File("missing.csv")};
  RunCommand(32863, *frame);
  QCOMPARE(prompter.messages.back().text, std::string("Import failed"));
  // Cancel does nothing.
  prompter.messages.clear();
  RunCommand(32857, *frame);
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
