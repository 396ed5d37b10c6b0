// The list view over a small document: columns, cells, the records behind
// the rows, selection, header commands and the view styles.
#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "fakes/DocumentFixture.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/SmallVoyage.h"
#include "ui/frame/RouteView.h"
#include "ui/models/ListModel.h"
#include "voyage/ListView.h"

namespace marigold {

class CRouteViewTest : public QObject {
  Q_OBJECT

  std::optional<CDocumentFixture> f;

  static QString Cell(const CMarigoldRouteView& view, int row, int column) {
    return view.model()->index(row, column).data().toString();
  }
  static QString Header(const CMarigoldRouteView& view, int column) {
    return view.model()->headerData(column, Qt::Horizontal).toString();
  }
  static bool Show(CMarigoldRouteView& view) {
    view.resize(800, 300);
    view.show();
    const bool exposed = QTest::qWaitForWindowExposed(&view);
    view.Refresh();
    return exposed;
  }

 private slots:
  void init() {
    f.emplace();
    f->doc->Fixes().RemoveAll();
  }
  void cleanup() { f.reset(); }

  void columnsAndCellsFollowTheSelectedList() {
    AddSmallVoyage(*f->doc);
    CMarigoldRouteView view(*f->doc, f->store);
    f->doc->selectedList = EListKind::Waypoints;
    view.Refresh();
    QAbstractItemModel& model = *view.model();
    // The fix, then Bravo and Charlie.
    QCOMPARE(std::tuple(model.columnCount(), model.rowCount(), Header(view, 0) + "|" + Header(view, 7)),
             std::tuple(8, 3, QStringLiteral("Remaining Voyage|Engine rpm")));
    QCOMPARE(QStringList({Cell(view, 0, 0), Cell(view, 0, 1), Cell(view, 2, 0), Cell(view, 2, 1)}),
             QStringList({"Fix", "50 : 54.00 N", "Charlie", "52 : 0.00 N"}));
    QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    QVERIFY(!model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull() && view.columnWidth(1) == 80);

    // While a print dialog holds a print mode the list keeps showing the
    // selected list.
    f->doc->selectedList = EListKind::ReportingPoints;
    for (const bool printing : {false, true}) {
      if (printing) f->doc->printMode = EPrintMode::CoverPage;
      view.Refresh();
      QCOMPARE(std::tuple(model.rowCount(), Header(view, 5), view.isColumnHidden(3), view.isColumnHidden(5)),
               std::tuple(0, QStringLiteral("Note"), true, false));
    }
  }

  void rowsMapToRecordsAndSelectionGivesThem() {
    AddSmallVoyage(*f->doc);
    CMarigoldRouteView view(*f->doc, f->store);
    f->doc->selectedList = EListKind::Schedule;
    view.Refresh();
    CVoyage& route = f->doc->Voyage();
    // Row 0 is the start position.
    QCOMPARE(
        std::tuple(view.Model().RecordAt(0), view.Model().RecordAt(1), view.Model().RecordAt(3), view.CurrentRecord()),
        std::tuple(nullptr, static_cast<CPosition2*>(route.GetAt(1)), nullptr, nullptr));
    QVERIFY(view.SelectedRecords().empty());

    // Selected out of order and with the start row: records in row order, without it.
    SelectRows(view, {2, 0, 1});
    // The first selected row, the start position, is no current record.
    QCOMPARE(std::tuple(view.SelectedRecords(), view.CurrentRecord()),
             std::tuple(std::vector<CPosition2*>{route.GetAt(1), route.GetAt(2)}, nullptr));
    SelectRows(view, {2, 1});
    QCOMPARE(view.CurrentRecord(), static_cast<CPosition2*>(route.GetAt(1)));

    // A refresh rebuilds the rows and forgets the selection.
    view.Refresh();
    QVERIFY(view.SelectedRecords().empty());
  }

  void headerClicksActAndRefresh() {
    AddSmallVoyage(*f->doc);
    CMarigoldRouteView view(*f->doc, f->store);
    QVERIFY(Show(view));
    QSignalSpy actions(&view, &CMarigoldRouteView::headerActionRequested);
    QSignalSpy changes(&view, &CMarigoldRouteView::recordsChanged);
    QHeaderView* header = view.horizontalHeader();
    const auto click = [&](int column) {
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    };

    QCoreApplication::processEvents();  // the view lays itself out again after a refresh
    click(0);                           // the whole route from the departure
    QCOMPARE(std::tuple(actions.count(), actions.at(0).at(0).toBool(), changes.count(), f->doc->openedFromFile),
             std::tuple(1, false, 1, true));
    QCOMPARE(std::tuple(Header(view, 0), view.model()->rowCount()), std::tuple(QStringLiteral("Total Voyage"), 4));
    QCOMPARE(view.Model().RecordAt(1), static_cast<CPosition2*>(f->doc->Voyage().GetHead()));

    click(1);  // "Calculate ETA" with a route of three waypoints
    QCOMPARE(std::tuple(actions.count(), actions.at(1).at(0).toBool()), std::tuple(2, true));
  }

  void doubleClickOnlyPointsToTheContextMenu() {
    AddSmallVoyage(*f->doc);
    CMarigoldRouteView view(*f->doc, f->store);
    QVERIFY(Show(view));
    const QRect cell = view.visualRect(view.model()->index(1, 1));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(Said(f->prompter), std::vector<std::string>{"Exclamation: Please use right mouse button"});
    QVERIFY(!view.findChild<QLineEdit*>());  // no editor opened in place
  }

  void viewStylesKeepHiddenColumnsHidden() {
    CMarigoldRouteView view(*f->doc, f->store);
    f->doc->selectedList = EListKind::ReportingPoints;
    view.Refresh();
    view.SetViewStyle(3);
    QCOMPARE(view.iconSize(), QSize(32, 32));
    QVERIFY(view.horizontalHeader()->isHidden() && !view.isColumnHidden(0) && view.isColumnHidden(5));
    view.SetViewStyle(7);  // not a style: nothing changes
    QCOMPARE(view.ViewStyle(), 3);
    view.SetViewStyle(0);
    // A column of zero width stays hidden.
    QCOMPARE(std::tuple(view.horizontalHeader()->isHidden(), view.isColumnHidden(5), view.columnWidth(5),
                        view.isColumnHidden(3)),
             std::tuple(false, false, 100, true));
  }

  void modelPassesTheModelTesterOnEveryList() {
    AddSmallVoyage(*f->doc);
    f->doc->Storms().AddNew()->SetName("Ana");
    CMarigoldRouteView view(*f->doc, f->store);
    QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int list = 0; list <= 9; ++list) {
      f->doc->selectedList = static_cast<EListKind>(list);
      view.Refresh();
      QCOMPARE(view.model()->columnCount(), 8);
    }
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CRouteViewTest)
#include "RouteViewTest.moc"
