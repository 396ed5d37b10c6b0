// File > Export as PDF and the "Print Voyage Plan" dialog: what a reader of
// the written file sees, the refusal that writes nothing, and the document's
// selected list given back when the dialog closes.
#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "fakes/FrameFixture.h"
#include "fakes/Records.h"
#include "fakes/SmallVoyage.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/PrintVoyagePlanDialog.h"

namespace marigold {

class CPrintCommandsTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

  // The words of a PDF file as pdftotext reads them, and its page count.
  static std::pair<QString, int> Read(const std::string& pdf) {
    QProcess text;
    text.start("pdftotext", {QString::fromStdString(pdf), "-"});
    text.waitForFinished();
    const QString words = QString::fromUtf8(text.readAllStandardOutput());
    return {words, static_cast<int>(words.count(QChar('\f')))};
  }

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
    QCOMPARE(f->prompter.fileChoices.back().defaultName, std::string("Untitled-waypoints"));
    const auto [words, pages] = Read(f->File("waypoints.pdf"));
    QCOMPARE(pages, 1);
    for (const char* word : {"Untitled, page 1 of 1", "Waypoint List", "Charlie", "Approved by:"})
      QVERIFY2(words.contains(word), word);
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
      const auto [words, pages] = Read(f->File("plan.pdf"));
      // Cover, waypoints, charts, books, meteo, storms, warnings, reporting
      // points, port, schedule, two trajects, two tide curves, notes.
      QCOMPARE(pages, 15);
      for (const char* word : {"VOYAGE PLAN", "page 15 of 15", "PORT INFO", "Harbour Inbound Traject"})
        QVERIFY2(words.contains(word), word);
    }
    QCOMPARE(std::tuple(f->doc->selectedList, f->doc->printMode.has_value()),
             std::tuple(EListKind::PositionFixes, false));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CPrintCommandsTest)
#include "PrintCommandsTest.moc"
