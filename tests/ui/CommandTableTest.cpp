// The command table: its ids and handlers, the checks made before a command
// runs, and the dispatch of insert, delete and the list exchange commands.
#include <QtTest>
#include <QtWidgets>
#include <optional>
#include <set>

#include "exchange/ItemFile.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "reports/ReportKind.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/RouteView.h"
#include "voyage/ListCommands.h"

namespace marigold {

// A menu's items in order, a submenu's in brackets after its title, "---" for
// a separator.
QString Outline(const QList<QAction*>& actions) {
  QStringList items;
  for (const QAction* action : actions)
    items << (action->isSeparator() ? "---"
              : action->menu()      ? action->text() + " [" + Outline(action->menu()->actions()) + "]"
                                    : action->text());
  return items.join(", ");
}

class CCommandTableTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

 private slots:
  void init() { f.emplace(CDocumentFixture::EData::Missing); }
  void cleanup() { f.reset(); }

  void idsAreUniqueAndOnlyCommandsWithHandlersAreEnabled() {
    std::set<int> ids;
    for (const CCommand& command : CommandTable()) {
      if (command.id == 0) continue;
      QVERIFY2(ids.insert(command.id).second, qPrintable(QString::number(command.id)));
      QAction* action = f->frame.Action(command.id);
      QVERIFY(action);
      if (!command.handler) QVERIFY2(!action->isEnabled(), command.menu);
    }
    for (const int id : ToolBarCommands())
      if (id != 0) QVERIFY(FindCommand(id));
    for (const CReportCommand& report : ReportCommands()) QVERIFY(FindCommand(report.commandId)->handler);
    // The right-click menu, in order.
    QStringList texts;
    for (const QAction* action : f->frame.ContextMenu().actions()) texts << action->text();
    QCOMPARE(texts, QStringList({"&Insert", "&Edit", "&Delete", "", "I&mport item", "E&xport item"}));
  }

  void menusFollowTheOutline() {
    QStringList menus;
    for (QAction* menu : f->frame.menuBar()->actions()) menus << Outline({menu});
    QCOMPARE(
        menus,
        QStringList({
            "&File [&New, &Open..., &Save, Save &As..., ---, &Print..., Print Pre&view, Export as PDF..., P&rint "
            "Setup..., Print "
            "&Voyageplan, Print &Graph [&Speed versus time, &Plotting sheet, S&torm Advisory], ---, Sen&d..., ---, "
            "Recent File 1, Recent File 2, Recent File 3, Recent File 4, ---, E&xit]",
            "E&dit [&Undo, ---, Cu&t, &Copy, &Paste, ---, &Insert item, &Edit Item, &Delete item]",
            "&View [&Toolbar, &Status Bar, ---, Lar&ge Icons, S&mall Icons, &List, &Details]",
            "&Insert [&Waypoint, &Reporting point, N&avigational Warning, &Hurricane, Nautical &Publication, Port "
            "&Information, Position &fix]",
            "V&oyage [&Status, Calculate &ETA, &Average weather, &Hurricane tracking, &Properties]",
            "&Reporting [&Amver [&Sailing Plan, &Position report, &Arrival report], "
            "&Sistram [&Sailingplan, &Position report, &Final report], "
            "&Chilrep [&Sailingplan, &Position report, &Final report], "
            "&Equador [&Sailingplan, &Position report, &Final report], &Peru [&Position report], "
            "A&usrep [&Sailingplan, &Position report, &Final report], "
            "&Jasrep [&Sailingplan, &Position report, &Final report]]",
            "&Tools [&Engine rpm and speed, &Wheel over point, Calculate &Squat, Calibrate S&lip, C&alculator, &Drift "
            "angle, &Tidal calculation, &Metric Conversions, ---, &Import [&Meteo data, &Waypoints, &Reportingpoints, "
            "&Navigational Warnings, &Hurricane data, &Publications, P&ort Info, Route (RTZ)..., Route (GPX)..., "
            "Track into history (GPX)...], E&xport [&Meteo data, &History, &Waypoints, &Reporting points, "
            "&NavWarnings, H&urricane data, &Charts and books, &PortInfo, Route (RTZ)..., Route (GPX)...], ---, "
            "C&onfiguration [&Vessel dimensions, &Hydrostatic table, &Engine and propellor, Vessel &Performance, "
            "&Options]]",
            "&Help [&Help Topics, ---, &About Marigold Route...]",
        }));
  }

  void reportsWantTwoWaypoints() {
    AddWaypoints(f->doc->Voyage(), 1);
    for (const CReportCommand& report : ReportCommands()) {
      f->prompter.messages.clear();
      QVERIFY(!RunCommand(report.commandId, f->frame));
      QCOMPARE(Said(f->prompter), std::vector<std::string>{"Stop: No waypoints defined\nPlease add waypoints first"});
    }
    QVERIFY(f->prompter.fileChoices.empty());  // nothing asked, nothing written
  }

  void meteoListTakesNoInsert() {
    f->doc->selectedList = EListKind::Meteo;
    f->frame.RefreshViews();
    const int meteo = f->doc->Meteo().GetCount();
    QVERIFY(f->frame.Action(command::kContextInsert)->isEnabled());
    QVERIFY(RunCommand(command::kContextInsert, f->frame));
    QCOMPARE(MessageTexts(f->prompter), std::vector<std::string>{kMeteoNotInsertable});
    QCOMPARE(std::tuple(f->doc->Meteo().GetCount(), f->doc->Voyage().GetCount()), std::tuple(meteo, 0));
  }

  // Delete takes the rows selected in the view (the figures of Delete itself
  // are the list commands' own tests).
  void deleteSparesThePresentPosition() {
    AddWaypoints(f->doc->Voyage(), 3);
    f->doc->openedFromFile = true;  // the whole route, from the departure
    f->doc->selectedList = EListKind::Waypoints;
    f->frame.RefreshViews();
    CMarigoldRouteView& view = f->frame.RouteView();
    SelectRows(view, {0, 1, 3});
    f->prompter.answers = {true};
    RunCommand(command::kContextDelete, f->frame);
    QCOMPARE(MessageTexts(f->prompter), std::vector<std::string>{"Present Position can not be deleted"});
    // Refreshed: the start and WP1.
    QCOMPARE(std::tuple(f->doc->Voyage().GetCount(), view.model()->rowCount(), f->doc->modified),
             std::tuple(1, 2, true));
  }

  // The exchange commands ask for the file and refresh after an import.
  void listsExportAndImport() {
    AddWaypoints(f->doc->Voyage(), 2);
    const std::string csv = f->File("waypoints.csv");
    f->prompter.files = {csv};
    QVERIFY(RunCommand(command::kExportWaypoints, f->frame));
    QCOMPARE(f->prompter.fileChoices[0].defaultName + "|" + f->prompter.messages.back().text,
             std::string("waypoints|Export succesfull"));

    f->doc->selectedList = EListKind::Waypoints;
    f->prompter.files = {csv};
    QVERIFY(RunCommand(command::kImportWaypoints, f->frame));
    QCOMPARE(std::tuple(f->doc->Voyage().GetCount(), f->frame.RouteView().model()->rowCount(),
                        f->prompter.messages.back().text),
             std::tuple(4, 5, std::string("Import succesfull")));

    // Cancel does nothing.
    f->prompter.messages.clear();
    RunCommand(command::kExportWarnings, f->frame);
    QVERIFY(f->prompter.messages.empty());
  }

  // The route commands name the route after the document, ask the RTZ
  // version and, on import, ask before the waypoints are replaced.
  void routeExportAndImport() {
    AddWaypoints(f->doc->Voyage(), 3);
    const std::string rtz = f->File("route.rtz");
    f->prompter.files = {rtz};
    f->prompter.choices = {1};
    QVERIFY(RunCommand(command::kExportRouteRtz, f->frame));
    QCOMPARE(std::tuple(f->prompter.fileChoices[0].defaultName, f->prompter.choicePrompts.size(),
                        f->prompter.messages.back().text),
             std::tuple(std::string("Route"), std::size_t{1}, std::string("Export succesfull")));
    QVERIFY(FileText(rtz).find("version=\"1.0\"") != std::string::npos);

    f->prompter.files = {rtz};
    f->prompter.answers = {true};
    QVERIFY(RunCommand(command::kImportRouteRtz, f->frame));
    QCOMPARE(std::tuple(f->prompter.questions.size(), f->frame.RouteView().model()->rowCount(),
                        f->prompter.messages.back().text),
             std::tuple(std::size_t{1}, 4, std::string("Import succesfull")));

    // No route, no export: the check says so before any file is chosen.
    f->doc->New();
    f->prompter.fileChoices.clear();
    RunCommand(command::kExportRouteGpx, f->frame);
    QCOMPARE(std::tuple(f->prompter.fileChoices.size(), f->prompter.messages.back().text),
             std::tuple(std::size_t{0}, std::string(kNoActiveVoyage)));
  }

  void exportItemWantsASelection() {
    RunCommand(command::kExportItem, f->frame);
    QCOMPARE(Said(f->prompter), std::vector<std::string>{"Exclamation: No item selected for export"});
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CCommandTableTest)
#include "CommandTableTest.moc"
