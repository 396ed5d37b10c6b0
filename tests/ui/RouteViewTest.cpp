// The list view over a small document: columns, cells, the records behind
// the rows, selection, header commands and the view styles.
#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "core/CivilTime.h"
#include "core/FileIo.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "ui/models/ListModel.h"
#include "ui/frame/RouteView.h"
#include "voyage/ListView.h"

namespace marigold {

class CRouteViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void columnsAndCellsFollowTheSelectedList();
  void rowsMapToRecordsAndSelectionGivesThem();
  void headerClicksActAndRefresh();
  void doubleClickOnlyPointsToTheContextMenu();
  void viewStylesKeepHiddenColumnsHidden();
  void modelPassesTheModelTesterOnEveryList();

 private:
  template <class Record>
  static Record* Place(Record* r, const char* name, double latitude) {
    r->SetName(name);
    r->SetLatitude(latitude);
    r->SetLongitude(0);
    r->SetUtcDifference(1);
    return r;
  }
  // Alpha, Bravo, Charlie at 50N, 51N, 52N; a fix at 50.9N.
  void MakeVoyage();
  void SelectRows(CMarigoldRouteView& view, std::initializer_list<int> rows);
  QString Cell(const CMarigoldRouteView& view, int row, int column) const {
    return view.model()->index(row, column).data().toString();
  }

  std::optional<QTemporaryDir> dir;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
  std::optional<CMarigoldRouteDoc> doc;
};

void CRouteViewTest::init() {
  dir.emplace();
  QVERIFY(dir->isValid());
  UseDataFolder(store, dir->path().toStdString());
  store.WriteInt("Path", "AskLoadOld", 0);
  QVERIFY(WriteFreshDataFiles(store));
  doc.emplace(store, prompter, clock);
  doc->Fixes().RemoveAll();
  prompter.messages.clear();
}

void CRouteViewTest::cleanup() {
  doc.reset();
  dir.reset();
}

void CRouteViewTest::MakeVoyage() {
  const double day = DayNumberOf({2023, 11, 15, 0, 0, 0});
  const char* names[] = {"Alpha", "Bravo", "Charlie"};
  for (int i = 0; i < 3; ++i) {
    CWaypoint* w = Place(doc->Voyage().AddNew(), names[i], 50.0 + i);
    w->useAverageWeather = false;
    w->weather = CWeatherData{};
  }
  doc->Voyage().GetHead()->SetTime(day);
  doc->Voyage().GetHead()->SetTimeA(day);
  doc->Voyage().GetTail()->SetTimeB(day + 10.0 / 24);
  Place(doc->Fixes().AddNew(), "Fix", 50.9)->SetTime(day + 5.4 / 24);
}

void CRouteViewTest::SelectRows(CMarigoldRouteView& view, std::initializer_list<int> rows) {
  view.clearSelection();
  for (const int row : rows)
    view.selectionModel()->select(view.model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void CRouteViewTest::columnsAndCellsFollowTheSelectedList() {
  MakeVoyage();
  CMarigoldRouteView view(*doc);
  doc->selectedList = EListKind::Waypoints;
  view.Refresh();
  QAbstractItemModel& model = *view.model();
  QCOMPARE(model.columnCount(), 8);
  QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Remaining Voyage"));
  QCOMPARE(model.headerData(7, Qt::Horizontal).toString(), QStringLiteral("Engine rpm"));
  QCOMPARE(model.rowCount(), 3);  // the fix, then Bravo and Charlie
  QCOMPARE(Cell(view, 0, 0), QStringLiteral("Fix"));
  QCOMPARE(Cell(view, 0, 1), QStringLiteral("50 : 54.00 N"));
  QCOMPARE(Cell(view, 2, 0), QStringLiteral("Charlie"));
  QCOMPARE(Cell(view, 2, 1), QStringLiteral("52 : 0.00 N"));
  QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
           Qt::AlignRight);
  QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  QCOMPARE(view.columnWidth(1), 80);

  doc->selectedList = EListKind::ReportingPoints;
  view.Refresh();
  QCOMPARE(model.rowCount(), 0);
  QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Note"));
  QVERIFY(view.isColumnHidden(3));
  QVERIFY(!view.isColumnHidden(5));

  // While a print dialog holds a print mode the list keeps showing the
  // selected list.
  doc->printMode = EPrintMode::CoverPage;
  view.Refresh();
  QCOMPARE(model.rowCount(), 0);
  QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Note"));
}

void CRouteViewTest::rowsMapToRecordsAndSelectionGivesThem() {
  MakeVoyage();
  CMarigoldRouteView view(*doc);
  doc->selectedList = EListKind::Schedule;
  view.Refresh();
  CVoyage& route = doc->Voyage();
  QCOMPARE(view.Model().RecordAt(0), nullptr);  // the start position
  QCOMPARE(view.Model().RecordAt(1), static_cast<CPosition2*>(route.GetAt(1)));
  QCOMPARE(view.Model().RecordAt(3), nullptr);
  QVERIFY(view.SelectedRecords().empty());
  QCOMPARE(view.CurrentRecord(), nullptr);

  // Selected out of order and with the start row: records in row order, without it.
  SelectRows(view, {2, 0, 1});
  const std::vector<CPosition2*> expected{route.GetAt(1), route.GetAt(2)};
  QVERIFY(view.SelectedRecords() == expected);
  QCOMPARE(view.CurrentRecord(), nullptr);  // the first selected row is the start position
  SelectRows(view, {2, 1});
  QCOMPARE(view.CurrentRecord(), static_cast<CPosition2*>(route.GetAt(1)));

  // A refresh rebuilds the rows and forgets the selection.
  view.Refresh();
  QVERIFY(view.SelectedRecords().empty());
}

void CRouteViewTest::headerClicksActAndRefresh() {
  MakeVoyage();
  CMarigoldRouteView view(*doc);
  view.resize(800, 300);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  view.Refresh();
  QSignalSpy actions(&view, &CMarigoldRouteView::headerActionRequested);
  QSignalSpy changes(&view, &CMarigoldRouteView::recordsChanged);
  QHeaderView* header = view.horizontalHeader();
  const auto click = [&](int column) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  };

  QCoreApplication::processEvents();  // the view lays itself out again after a refresh
  click(0);  // the whole route from the departure
  QCOMPARE(actions.count(), 1);
  QCOMPARE(actions.at(0).at(0).toBool(), false);
  QCOMPARE(changes.count(), 1);
  QVERIFY(doc->openedFromFile);
  QCOMPARE(view.model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Total Voyage"));
  QCOMPARE(view.model()->rowCount(), 4);
  QCOMPARE(view.Model().RecordAt(1), static_cast<CPosition2*>(doc->Voyage().GetHead()));

  click(1);  // "Calculate ETA" with a route of three waypoints
  QCOMPARE(actions.count(), 2);
  QCOMPARE(actions.at(1).at(0).toBool(), true);

}

void CRouteViewTest::doubleClickOnlyPointsToTheContextMenu() {
  MakeVoyage();
  CMarigoldRouteView view(*doc);
  view.resize(800, 300);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  view.Refresh();
  const QRect cell = view.visualRect(view.model()->index(1, 1));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(prompter.messages[0].text), QStringLiteral("Please use right mouse button"));
  QVERIFY(prompter.messages[0].icon == EMessageIcon::Exclamation);
  QVERIFY(!view.findChild<QLineEdit*>());  // no editor opened in place
}

void CRouteViewTest::viewStylesKeepHiddenColumnsHidden() {
  CMarigoldRouteView view(*doc);
  doc->selectedList = EListKind::ReportingPoints;
  view.Refresh();
  view.SetViewStyle(3);
  QCOMPARE(view.iconSize(), QSize(32, 32));
  QVERIFY(view.horizontalHeader()->isHidden());
  QVERIFY(!view.isColumnHidden(0));
  QVERIFY(view.isColumnHidden(5));
  view.SetViewStyle(7);  // not a style: nothing changes
  QCOMPARE(view.ViewStyle(), 3);
  view.SetViewStyle(0);
  QVERIFY(!view.horizontalHeader()->isHidden());
  QVERIFY(!view.isColumnHidden(5));
  QCOMPARE(view.columnWidth(5), 100);
  QVERIFY(view.isColumnHidden(3));  // zero width stays hidden
}

void CRouteViewTest::modelPassesTheModelTesterOnEveryList() {
  MakeVoyage();
  doc->Storms().AddNew()->SetName("Ana");
  CMarigoldRouteView view(*doc);
  QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
  for (int list = 0; list <= 9; ++list) {
    doc->selectedList = static_cast<EListKind>(list);
    view.Refresh();
    QCOMPARE(view.model()->columnCount(), 8);
  }
}

}  // namespace marigold

QTEST_MAIN(marigold::CRouteViewTest)
#include "RouteViewTest.moc"
