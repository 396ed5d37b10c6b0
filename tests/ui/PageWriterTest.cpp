// Pages into PDF files: the layout fits Letter paper whole, a stopped run
// leaves the old file as it was and no partial one, and a file that cannot
// be written says so.
#include <QtTest>

#include "core/Painter.h"
#include "fakes/QtPrinting.h"
#include "fakes/TempFolder.h"
#include "qtplatform/PageWriter.h"

namespace marigold {

class CPageWriterTest : public QObject {
  Q_OBJECT

  static QString TextOf(const std::string& pdf) {
    QProcess text;
    text.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
    text.waitForFinished();
    return QString::fromUtf8(text.readAllStandardOutput());
  }

  // The page number at the top and a line at the foot of the layout.
  static void Draw(CPainter& painter, int page) {
    painter.Text({100, -100}, "page " + std::to_string(page));
    painter.Text({1000, kLayoutHeight * -1 + 110}, "Approved by: foot of page " + std::to_string(page));
  }

 private slots:
  void letterPaperHoldsTheWholeLayout() {
    CTempFolder folder("letter");
    const std::string path = folder.File("letter.pdf");
    const CPdfResult result = WritePdf(path, *PaperNamed("letter"), "t", 2, Draw);
    QVERIFY(result.written);
    const QString text = TextOf(path);
    for (const char* line : {"page 1", "Approved by: foot of page 1", "page 2", "Approved by: foot of page 2"})
      QVERIFY2(text.contains(line), line);
    QVERIFY(!PaperNamed("legal"));
  }

  void aStoppedRunKeepsTheOldFileAndLeavesNoPartOne() {
    CTempFolder folder("stopped");
    const std::string path = folder.File("plan.pdf");
    QVERIFY(WritePdf(path, *PaperNamed("a4"), "t", 1, Draw).written);
    const QString before = TextOf(path);
    int pagesDrawn = 0;
    const CPdfResult result = WritePdf(path, *PaperNamed("a4"), "t", 3, Draw, [&pagesDrawn](int done, int total) {
      pagesDrawn = done;
      return !(done == 1 && total == 3);
    });
    QCOMPARE(std::tuple(result.written, result.cancelled, pagesDrawn), std::tuple(false, true, 1));
    QCOMPARE(TextOf(path), before);
    QVERIFY(!QFile::exists(QString::fromStdString(path + ".partial")));
  }

  void aFileThatCannotBeWrittenSaysSo() {
    CTempFolder folder("missing");
    const std::string path = folder.File("no-such-folder/plan.pdf");
    const CPdfResult result = WritePdf(path, *PaperNamed("a4"), "t", 1, Draw);
    QCOMPARE(std::tuple(result.written, result.cancelled, result.message),
             std::tuple(false, false, "Unable to write " + path));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CPageWriterTest)
#include "PageWriterTest.moc"
