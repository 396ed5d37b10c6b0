// File > Export as PDF and the "Print Voyage Plan" dialog: what a reader of
// the written file sees, the refusal that writes nothing, and the document's
// selected list given back when the dialog closes.
#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "fakes/SmallVoyage.h"
#include "printing/PlottingSheet.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/RouteView.h"
#include "ui/sheets/PlottingSheetDialog.h"
#include "ui/sheets/PrintGraphDialog.h"
#include "ui/sheets/PrintVoyagePlanDialog.h"
#include "ui/sheets/StormAdvisoryDialog.h"

namespace marigold {

class CPrintCommandsTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

 private slots:
  void init() {
    f.emplace();
    AddSmallVoyage(*f->doc);
    Placed(f->doc->Ports().AddNew(), 52, 0.5, "Harbour");
    f->frame.RefreshViews();
  }
  void cleanup() { f.reset(); }

  void exportAsPdfWritesWhatPrintPrints() {
    f->doc->selectedList = EListKind::Waypoints;
    f->frame.RefreshViews();
    f->prompter.files = {f->File("waypoints.pdf")};
    QVERIFY(RunCommand(command::kExportPdf, f->frame));
    QCOMPARE(f->prompter.fileChoices.back().defaultName, std::string("Route-waypoints"));
    const auto [words, pages] = PdfWords(f->File("waypoints.pdf"));
    QCOMPARE(pages, 1);
    for (const char* word : {"Route, page 1 of 1", "Waypoint List", "Charlie", "Approved by:"})
      QVERIFY2(words.contains(word), word);
  }

  // 30 charts: from the list 30 / 15 + 1 = 3 pages, from the tree (the
  // same header, body and footer) 30 / 22 + 1 = 2, which still holds the body.
  void theTreeViewPrintsTheSameBodyWithItsOwnPageCount() {
    for (int i = 0; i < 30; ++i) f->doc->Publications().AddNew()->number = "BA " + std::to_string(i + 1);
    f->doc->selectedList = EListKind::Charts;
    f->frame.RefreshViews();
    f->frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&f->frame));
    const auto printFrom = [this](auto& view, const char* name) {
      view.setFocus();
      QVERIFY(view.hasFocus());
      f->prompter.files = {f->File(name)};
      QVERIFY(RunCommand(command::kExportPdf, f->frame));
    };
    printFrom(f->frame.RouteView(), "list.pdf");
    printFrom(f->frame.LeftView(), "tree.pdf");
    const auto [list, listPages] = PdfWords(f->File("list.pdf"));
    const auto [tree, treePages] = PdfWords(f->File("tree.pdf"));
    QCOMPARE(std::tuple(listPages, treePages), std::tuple(3, 2));
    for (const char* word : {"BA 1", "BA 30", "Approved by:"})
      QVERIFY2(list.contains(word) && tree.contains(word), word);
    QVERIFY(tree.contains("Route, page 2 of 2"));
  }

  void portInformationWithoutAPortIsRefusedAndWritesNothing() {
    f->doc->selectedList = EListKind::Ports;
    f->frame.RefreshViews();
    f->prompter.files = {f->File("port.pdf")};
    QVERIFY(RunCommand(command::kExportPdf, f->frame));
    QCOMPARE(Said(f->prompter),
             std::vector<std::string>{"No voyage loaded\nor no port selected\nCan not print port info"});
    QVERIFY(f->prompter.fileChoices.empty() && !QFile::exists(QString::fromStdString(f->File("port.pdf"))));
  }

  void thePlanDialogChoosesASectionAndSavesTheWholePlan() {
    f->doc->selectedList = EListKind::PositionFixes;
    {
      CPrintVoyagePlanDialog dialog(f->frame);
      const auto radios = dialog.findChildren<QRadioButton*>();
      QCOMPARE(radios.size(), 15);
      QCOMPARE(std::tuple(radios.front()->text(), radios.front()->isChecked(), radios.back()->text()),
               std::tuple(QString("Print cover page"), true, QString("Print voyage notes and standing orders")));
      QCOMPARE(f->doc->printMode, std::optional<EPrintMode>(EPrintMode::CoverPage));

      QTest::mouseClick(radios[1], Qt::LeftButton);  // "Print waypoint list"
      QCOMPARE(std::tuple(f->doc->selectedList, f->doc->printMode.has_value()),
               std::tuple(EListKind::Waypoints, false));

      f->prompter.files = {f->File("plan.pdf")};
      QTest::mouseClick(dialog.findChild<QPushButton*>("saveWholePlan"), Qt::LeftButton);
      const auto [words, pages] = PdfWords(f->File("plan.pdf"));
      // Cover, waypoints, charts, books, meteo, storms, warnings, reporting
      // points, port, schedule, two trajects, two tide curves, notes.
      QCOMPARE(pages, 15);
      for (const char* word : {"VOYAGE PLAN", "page 15 of 15", "PORT INFO", "Harbour Inbound Traject"})
        QVERIFY2(words.contains(word), word);
    }
    QCOMPARE(std::tuple(f->doc->selectedList, f->doc->printMode.has_value()),
             std::tuple(EListKind::PositionFixes, false));
  }

  void thePlottingSheetDialogStoresEveryChangeAndRefusesAScaleThatIsNoNumber() {
    f->doc->plottingSheet.centreLatitude = 52.5;
    f->doc->plottingSheet.centreLongitude = -4.75;
    CPlottingSheetDialog dialog(f->frame);
    QCOMPARE(f->doc->printMode, std::optional<EPrintMode>(EPrintMode::PlottingSheet));
    auto* latitude = dialog.findChild<QSpinBox*>("centreLatitude");
    auto* longitude = dialog.findChild<QSpinBox*>("centreLongitude");
    QCOMPARE(std::tuple(latitude->value(), longitude->value()), std::tuple(52, 4));  // whole degrees
    auto* projection = dialog.findChild<QComboBox*>("projection");
    projection->setCurrentIndex(2);
    QCOMPARE(std::tuple(f->doc->plottingSheet.projection, *f->doc->plottingSheet.centreLatitude,
                        *f->doc->plottingSheet.centreLongitude),
             std::tuple(EProjection::Polar, 52.0, -4.0));
    auto* warnings = dialog.findChildren<QCheckBox*>().back();                           // "Navigational warnings"
    QTest::mouseClick(warnings, Qt::LeftButton, {}, QPoint(8, warnings->height() / 2));  // on its box
    QVERIFY(!f->doc->plottingSheet.warnings);

    Retype(dialog.findChild<QComboBox*>("scale")->lineEdit(), "1:50000");
    QCOMPARE(f->doc->plottingSheet.scale, 0.0);
    QTest::mouseClick(dialog.findChild<QPushButton*>("print"), Qt::LeftButton);
    QCOMPARE(Said(f->prompter), std::vector<std::string>{kScaleRefused});
  }

  void thePrintGraphDialogStoresTheRangeAndChoosesTheVoyageGraph() {
    f->doc->Fixes().RemoveAll();
    for (int i = 0; i < 4; ++i) AddFix(f->doc->Fixes(), 51, kSmallVoyageDay, 6.0 + i);
    f->doc->graphRange = {1, 2};
    {
      CPrintGraphDialog dialog(f->frame);
      auto* from = dialog.findChild<QComboBox*>("from");
      auto* to = dialog.findChild<QComboBox*>("to");
      QCOMPARE(std::tuple(from->count(), from->currentIndex(), to->currentIndex()), std::tuple(4, 1, 2));
      QCOMPARE(from->itemText(0), QString("Wednesday 15 Nov 06:00 LT"));
      to->setCurrentIndex(3);
      emit to->activated(3);
      QCOMPARE(f->doc->graphRange.to, std::optional<int>(3));
      QTest::mouseClick(dialog.findChild<QCheckBox*>("wholeVoyage"), Qt::LeftButton);
      QCOMPARE(f->doc->printMode, std::optional<EPrintMode>(EPrintMode::VoyageGraph));
    }
    QVERIFY(!f->doc->printMode.has_value());
  }

  void theStormAdvisoryDialogKeepsItsChoicesAndGivesTheStartBack() {
    Placed(f->doc->Storms().AddNew(), 20, -60, "Pablo");
    f->doc->openedFromFile = false;
    {
      CStormAdvisoryDialog dialog(f->frame);
      QVERIFY(dialog.findChild<QRadioButton*>("fromFix")->isChecked());
      QTest::mouseClick(dialog.findChild<QRadioButton*>("fromFirstWaypoint"), Qt::LeftButton);
      QTest::mouseClick(dialog.findChild<QCheckBox*>("keepCourseAndSpeed"), Qt::LeftButton);
      QCOMPARE(std::tuple(f->doc->openedFromFile, f->doc->stormAdvisory.keepCourseAndSpeed), std::tuple(true, true));
      QCOMPARE(f->doc->printMode, std::optional<EPrintMode>(EPrintMode::StormAdvisory));
    }
    QCOMPARE(std::tuple(f->doc->openedFromFile, f->doc->stormAdvisory.keepCourseAndSpeed), std::tuple(false, true));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CPrintCommandsTest)
#include "PrintCommandsTest.moc"
