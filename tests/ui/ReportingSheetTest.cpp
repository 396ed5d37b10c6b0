// The reporting point's sheet on a three-waypoint route: every page applied
// on OK and the point placed, a point at waypoint index 0 left there, the
// "Reports" page's buttons, and nothing changed by Cancel or by OK untouched.
#include <optional>

#include "SheetDriver.h"
#include "fakes/TempFolder.h"
#include "lists/ReportingPoint.h"
#include "ui/sheets/ReportingSheet.h"

namespace marigold {

class CReportingSheetTest : public QObject {
  Q_OBJECT

 public slots:
  // Stands in for the desktop's program for the document.
  void OpenDocument(const QUrl& url) { opened << url.toLocalFile(); }

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale::c());
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenDocument");
    AddWaypoints(route, 3);
    PutFile(form, "report form");
  }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

  void init() {
    point = CReportingPoint{};
    point.requiredAction = kSuggestedActions[2];
    point.notes = "Channel 16";
    point.documents = {form};
    original = Store(point);
    opened.clear();
    ui.emplace();
  }

  void openingShowsThePoint() {
    point.waypointIndex = 2;
    point.distanceBefore = 7.126;
    Open();
    QCOMPARE(ui->dialog->windowTitle(), QStringLiteral("Reporting Point"));
    QCOMPARE(ui->PageCaptions(), (QStringList{"Reporting", "Notes", "Reports"}));
    auto* waypoint = ui->Editor<QComboBox>("waypointChoice");
    auto* action = ui->Editor<QComboBox>("requiredAction");
    QCOMPARE(std::tuple(waypoint->count(), waypoint->currentText(), action->count(), action->currentText()),
             std::tuple(2, QStringLiteral("WP2"), 11, QStringLiteral("Call captain")));
    QCOMPARE(ui->Editor<QAbstractSpinBox>("distanceBefore")->text(), QStringLiteral("7.13"));
  }

  void okAppliesEveryPageAndPlacesThePoint() {
    Open();
    ui->Type("distanceBefore", QStringLiteral("10"));
    ui->Editor<QComboBox>("waypointChoice")->setCurrentIndex(1);
    ui->Type("requiredAction", QStringLiteral("Report to Dover Coastguard"));
    ui->ShowPage(1);
    ui->Type("notes", QStringLiteral("Channel 11"));
    ui->ShowPage(2);
    ui->prompter.files = {std::string("/forms/cg.doc")};
    ui->Click(QStringLiteral("Add"));
    ui->Press(QDialogButtonBox::Ok);

    QVERIFY(!ui->IsOpen() && ui->prompter.messages.empty());
    QCOMPARE(std::tuple(point.waypointIndex, point.distanceBefore, point.requiredAction, point.notes),
             std::tuple(2, 10.0, std::string("Report to Dover Coastguard"), std::string("Channel 11")));
    QCOMPARE(point.documents, (std::vector<std::string>{form, "/forms/cg.doc"}));
    // Ten miles short of WP2 (52N 4W) on its leg from the south.
    QCOMPARE(point.LatitudeText() + " " + point.LongitudeText(), std::string("51 : 50.00 N 4 : 0.00 W"));
  }

  // The departure is no choice: the point shows none and keeps index 0.
  void aPointAtTheDepartureStaysThere() {
    Open();
    QCOMPARE(ui->Editor<QComboBox>("waypointChoice")->currentIndex(), -1);
    ui->Press(QDialogButtonBox::Ok);
    QVERIFY(!ui->IsOpen() && Store(point) == original);

    ui.emplace();
    Open();
    ui->ShowPage(1);
    ui->Type("notes", QStringLiteral("Call pilot"));
    ui->Press(QDialogButtonBox::Ok);
    QCOMPARE(std::tuple(point.waypointIndex, point.notes), std::tuple(0, std::string("Call pilot")));
  }

  void reportsButtons() {
    Open();
    ui->ShowPage(2);
    auto* list = ui->Editor<QListWidget>("documents");
    list->clearSelection();
    ui->Click(QStringLiteral("View"));
    ui->Click(QStringLiteral("Remove"));
    ui->prompter.files = {std::nullopt, std::string("/gone/plan.doc")};
    ui->Click(QStringLiteral("Add"));  // cancelled
    QVERIFY(!ui->dialog->Changed());
    ui->Click(QStringLiteral("Add"));
    QCOMPARE(ui->prompter.fileChoices.at(0).defaultName, std::string("Document"));

    SelectRows(*list, {0});
    ui->Click(QStringLiteral("View"));
    SelectRows(*list, {1});
    ui->Click(QStringLiteral("View"));
    QCOMPARE(opened, QStringList{QString::fromStdString(form)});
    QCOMPARE(Said(ui->prompter), (std::vector<std::string>{"Stop: Please select file to open",
                                                           "Stop: Please select file to remove from list",
                                                           "Stop: Document not found:\n/gone/plan.doc"}));

    SelectRows(*list, {0});
    ui->Click(QStringLiteral("Remove"));
    QCOMPARE(list->count(), 1);
    ui->Press(QDialogButtonBox::Ok);
    QCOMPARE(point.documents, (std::vector<std::string>{"/gone/plan.doc"}));
  }

  void cancelAfterEditsChangesNothing() {
    Open();
    ui->Type("distanceBefore", QStringLiteral("3"));
    ui->ShowPage(1);
    ui->Type("notes", QStringLiteral("x"));
    ui->ShowPage(2);
    SelectRows(*ui->Editor<QListWidget>("documents"), {0});
    ui->Click(QStringLiteral("Remove"));
    ui->CancelEdits();
    QVERIFY(!ui->IsOpen() && Store(point) == original);
  }

  void okUntouchedKeepsEveryByte() {
    point.waypointIndex = 9;  // beyond the route: shown as the last waypoint
    point.distanceBefore = 1.0 / 3;
    original = Store(point);
    Open();
    ui->ShowEveryPage();
    ui->Press(QDialogButtonBox::Ok);
    QVERIFY(!ui->IsOpen() && !ui->dialog->Changed() && Store(point) == original);
  }

 private:
  void Open() { ui->Open<CReportingSheet>(point, route, "Reporting Point", ui->prompter); }

  const CTempFolder folder{"reporting"};
  const std::string form = folder.File("vts.doc");
  CVoyage route;
  CReportingPoint point;
  CBytes original;
  QStringList opened;
  std::optional<CSheetDriver> ui;
};

}  // namespace marigold

QTEST_MAIN(marigold::CReportingSheetTest)
#include "ReportingSheetTest.moc"
