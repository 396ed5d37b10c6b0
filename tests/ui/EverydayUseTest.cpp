// The main window in everyday use: a first start in an empty home, lists
// whose columns fit their texts, night colours on every widget, the keys of
// the list, and the layout remembered from one start to the next.
#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <optional>

#include "core/DataFile.h"
#include "core/StartFolder.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "fakes/SmallVoyage.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/RouteView.h"
#include "ui/models/ListModel.h"

namespace marigold {

namespace {

// Every cell and header of the visible columns, with the room its column gives.
QStringList CutTexts(const CMarigoldRouteView& view) {
  QStringList cut;
  const QAbstractItemModel& model = *view.model();
  const QFontMetrics metrics = view.fontMetrics();
  for (int column = 0; column < model.columnCount(); ++column) {
    if (view.isColumnHidden(column)) continue;
    const QString title = model.headerData(column, Qt::Horizontal).toString();
    if (view.horizontalHeader()->fontMetrics().horizontalAdvance(title) > view.columnWidth(column)) cut << title;
    for (int row = 0; row < model.rowCount(); ++row) {
      const QModelIndex index = model.index(row, column);
      const int icon = index.data(Qt::DecorationRole).isNull() ? 0 : view.iconSize().width();
      const QString text = index.data().toString();
      if (metrics.horizontalAdvance(text) + icon > view.columnWidth(column)) cut << text;
    }
  }
  return cut;
}

}  // namespace

class CEverydayUseTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

  void ShowList(EListKind list) {
    f->doc->selectedList = list;
    f->frame.RefreshViews();
  }

 private slots:
  void init() { f.emplace(); }
  void cleanup() {
    f.reset();
    QApplication::setPalette(QApplication::style()->standardPalette());
  }

  void firstStartMakesTheDataFilesWithoutAQuestion() {
    const CTempFolder home("home");
    const std::string data = (home.Path() / "data").string();
    std::filesystem::create_directories(data);
    CMemorySettingsStore store;
    QVERIFY(SettleDataPaths(store, data));
    CScriptedPrompter prompter;
    const CFixedClock clock(1700000000);
    {
      CMarigoldRouteDoc doc(store, prompter, clock, CMarigoldRouteDoc::EMode::FirstStart);
      CMainFrame frame(doc, store, prompter);
      frame.ShowWelcome(QString::fromStdString(data));
      QVERIFY(frame.WelcomeNote() && !frame.WelcomeNote()->isHidden());
      QVERIFY(frame.WelcomeNote()->findChild<QLabel*>()->text().contains(QString::fromStdString(data)));
    }
    QVERIFY(prompter.messages.empty() && prompter.fileChoices.empty());
    for (const char* name : {"vessel.dat", "voyage.dat", "port.dat", "warning.dat", "meteo.dat", "hurricane.dat"})
      QVERIFY2(std::filesystem::exists(std::filesystem::path(data) / name), name);
    // The next start is no first start, and a path the officer set stays.
    store.WriteString("Path", "portinfo", "/charts/port.dat");
    QVERIFY(!SettleDataPaths(store, "/elsewhere"));
    QCOMPARE(store.GetString("Path", "portinfo", ""), std::string("/charts/port.dat"));
  }

  void columnsFitTheirTextsAndKeepDraggedWidths() {
    AddSmallVoyage(*f->doc);
    f->doc->Voyage().GetTail()->SetName("Approaches to the Westerschelde light vessel");
    CMarigoldRouteView& view = f->frame.RouteView();
    for (const EListKind list : {EListKind::Schedule, EListKind::Waypoints, EListKind::PositionFixes}) {
      ShowList(list);
      QVERIFY2(CutTexts(view).isEmpty(), qPrintable(CutTexts(view).join(" | ")));
    }
    // The officer narrows the name column: kept over refreshes and for a new view.
    ShowList(EListKind::Waypoints);
    view.horizontalHeader()->resizeSection(0, 40);
    f->frame.RefreshViews();
    QCOMPARE(view.columnWidth(0), 40);
    CMarigoldRouteView another(*f->doc, f->store);
    another.Refresh();
    QCOMPARE(another.columnWidth(0), 40);
    ShowList(EListKind::Schedule);
    QVERIFY(view.columnWidth(0) > 40);

    // The cut name shows itself whole as a tool tip.
    ShowList(EListKind::Waypoints);
    f->frame.resize(1200, 700);
    f->frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f->frame));
    const QModelIndexList named =
        view.model()->match(view.model()->index(0, 0), Qt::DisplayRole, "Approaches", 1, Qt::MatchStartsWith);
    QCOMPARE(named.size(), 1);
    const QRect cell = view.visualRect(named.front());
    QHelpEvent help(QEvent::ToolTip, cell.center(), view.viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(view.viewport(), &help);
    QCOMPARE(QToolTip::text(), QString("Approaches to the Westerschelde light vessel"));
  }

  void nightColoursReachEveryWidgetAndDialog() {
    f->frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f->frame));
    QVERIFY(RunCommand(command::kDayNight, f->frame) && f->frame.NightColours());
    QApplication::processEvents();
    const auto dark = [](const QWidget* widget) {
      const QPalette p = widget->palette();
      return p.color(QPalette::Window).lightness() < 50 && p.color(QPalette::Base).lightness() < 50 &&
             p.color(QPalette::Text).red() > 2 * p.color(QPalette::Text).blue();
    };
    QSet<QString> classes;
    for (const QWidget* widget : f->frame.findChildren<QWidget*>()) {
      QVERIFY2(dark(widget),
               qPrintable(QString("%1 %2 %3")
                              .arg(widget->metaObject()->className(), widget->palette().color(QPalette::Window).name(),
                                   widget->palette().color(QPalette::Text).name())));
      classes << widget->metaObject()->className();
    }
    for (const char* used : {"QMenu", "QToolBar", "QStatusBar", "QHeaderView", "QLineEdit", "marigold::CLeftView"})
      QVERIFY2(classes.contains(used), used);
    QMessageBox box;
    QVERIFY(dark(&box));
    QCOMPARE(f->store.GetInt("Window", "NightColours", 0), 1);
    RunCommand(command::kDayNight, f->frame);
    QVERIFY(!dark(&f->frame.RouteView()));
  }

  void toolBarShowsEveryButtonWithItsIcon() {
    auto* bar = f->frame.findChild<QToolBar*>("toolBar");
    const auto* overflow = bar->findChild<QToolButton*>("qt_toolbar_ext_button");
    QVERIFY(overflow);
    f->frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f->frame));
    QMap<int, QImage> dayIcons;
    QMap<int, int> texts;  // buttons with text, by window width
    for (const bool night : {false, true}) {
      if (f->frame.NightColours() != night) RunCommand(command::kDayNight, f->frame);
      // The default size, and a window beside another on a laptop.
      for (const int width : {kDefaultWidth, 760}) {
        f->frame.resize(width, kDefaultHeight);
        QApplication::processEvents();
        const QString where = QString("%1 px, %2").arg(width).arg(night ? "night" : "day");
        QVERIFY2(!overflow->isVisible(), qPrintable(where));
        int textCount = 0;
        for (const int id : ToolBarCommands()) {
          if (id == 0) continue;
          QAction* action = f->frame.Action(id);
          const auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
          QVERIFY2(button && button->isVisible(), qPrintable(action->text() + ", " + where));
          QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
          textCount += button->toolButtonStyle() == Qt::ToolButtonTextBesideIcon;
          const QImage icon = action->icon().pixmap(24).toImage();
          if (!night)
            dayIcons[id] = icon;
          else
            QVERIFY2(icon != dayIcons[id], qPrintable("no night variant: " + action->text()));
        }
        texts[width] = textCount;
      }
      // Texts where there is room for them, fewer where there is less.
      QVERIFY(texts[760] < texts[kDefaultWidth]);
    }
  }

  void fileDialogsOpenWhereTheLastFileWasAndExportsSave() {
    // Wired as the program wires it.
    CStartFolderPrompter folders(f->prompter, f->store);
    CMarigoldRouteDoc doc(f->store, folders, f->clock);
    AddSmallVoyage(doc);
    doc.selectedList = EListKind::Waypoints;
    CMainFrame frame(doc, f->store, folders);
    const CTempFolder voyages("voyages"), stick("stick");
    const auto dialogs = [this] {
      std::vector<std::pair<std::string, bool>> shown;  // start folder, save dialog
      for (std::size_t i = 0; i < f->prompter.fileChoices.size(); ++i)
        shown.emplace_back(f->prompter.fileChoices[i].folder, f->prompter.saveDialogs[i]);
      f->prompter.fileChoices.clear();
      f->prompter.saveDialogs.clear();
      return shown;
    };
    RunCommand(command::kExportWaypoints, frame);
    QCOMPARE(dialogs(), (std::vector<std::pair<std::string, bool>>{{"", true}}));  // nothing used yet

    f->prompter.files = {voyages.File("atlantic.rtp")};
    QVERIFY(frame.SaveDocument(true));
    dialogs();
    SelectRows(frame.RouteView(), {1});
    // Every export may name a new file, and starts beside the saved route.
    for (const int id :
         {command::kExportMeteo, command::kExportHistory, command::kExportWaypoints, command::kExportReportingPoints,
          command::kExportWarnings, command::kExportHurricanes, command::kExportPublications, command::kExportPorts,
          command::kExportRouteRtz, command::kExportRouteGpx, command::kExportPdf, command::kAmverSailingPlan,
          command::kExportItem}) {
      RunCommand(id, frame);
      const auto shown = dialogs();
      QVERIFY2(shown == (std::vector<std::pair<std::string, bool>>{{voyages.Path().string(), true}}),
               qPrintable(frame.Action(id)->text()));
    }

    // A file chosen elsewhere leads the next dialog, also for a new document.
    f->prompter.files = {stick.File("ports.csv")};
    RunCommand(command::kImportPorts, frame);
    f->prompter.saveAnswers = {ESaveAnswer::Discard};
    QVERIFY(frame.NewDocument());
    dialogs();
    RunCommand(command::kOpen, frame);
    QCOMPARE(dialogs(), (std::vector<std::pair<std::string, bool>>{{stick.Path().string(), false}}));
  }

  void keysDeleteInsertAndEdit() {
    AddWaypoints(f->doc->Voyage(), 3);
    f->doc->openedFromFile = true;
    ShowList(EListKind::Waypoints);
    CMarigoldRouteView& view = f->frame.RouteView();
    f->frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f->frame));
    view.setFocus();
    SelectRows(view, {2, 3});
    f->prompter.answers = {false};  // No keeps the rows
    QTest::keyClick(&view, Qt::Key_Delete);
    QCOMPARE(std::tuple(f->prompter.questions.size(), f->doc->Voyage().GetCount()), std::tuple(std::size_t{1}, 3));
    SelectRows(view, {2, 3});
    f->prompter.answers = {true};
    QTest::keyClick(&view, Qt::Key_Delete);
    QCOMPARE(f->doc->Voyage().GetCount(), 1);
    for (const auto& [id, key] : {std::pair(command::kInsertItem, QKeySequence(Qt::Key_Insert)),
                                  std::pair(command::kEditItem, QKeySequence(Qt::Key_F2)),
                                  std::pair(command::kEditItem, QKeySequence(Qt::Key_Return))})
      QVERIFY2(f->frame.Action(id)->shortcuts().contains(key), qPrintable(key.toString()));
  }

  void layoutIsRememberedFromOneStartToTheNext() {
    CMainFrame& first = f->frame;
    QVERIFY(!first.RestoreLayout());
    first.setGeometry(40, 50, 1000, 640);
    first.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    first.findChild<QSplitter*>("splitter")->setSizes({320, 680});
    const int treeWidth = first.findChild<QSplitter*>("splitter")->sizes().front();
    ShowList(EListKind::Meteo);
    RunCommand(command::kListStyle, first);
    RunCommand(command::kDayNight, first);
    QVERIFY(first.close());

    CMainFrame second(*f->doc, f->store, f->prompter);
    f->doc->selectedList = EListKind::Schedule;
    QVERIFY(second.RestoreLayout());
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(second.size(), QSize(1000, 640));
    QCOMPARE(second.findChild<QSplitter*>("splitter")->sizes().front(), treeWidth);
    QCOMPARE(std::tuple(f->doc->selectedList, second.RouteView().ViewStyle(), second.NightColours()),
             std::tuple(EListKind::Meteo, int(CMarigoldRouteView::kList), true));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CEverydayUseTest)
#include "EverydayUseTest.moc"
