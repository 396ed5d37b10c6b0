// The "Nautical Publication" dialog on a book: the fields applied on OK (a
// book made a chart), nothing changed by Cancel or by OK untouched.
#include <optional>

#include "SheetDriver.h"
#include "core/LocalClock.h"
#include "lists/Publication.h"
#include "lists/PublicationSheet.h"
#include "ui/sheets/PublicationDialog.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {

class CPublicationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    book = CPublication(CalendarTimeFromLocal({2023, 11, 14, 22, 13, 20}));
    book.chart = false;
    book.number = "NP159";
    book.description = "Tidal stream atlas";
    book.folio = "F1";
    original = Store(book);
    ui.emplace();
    ui->Open<CPublicationDialog>(book, kPublicationCaption, ui->prompter);
  }

  void openingShowsTheBook() {
    QCOMPARE(ui->dialog->windowTitle(), QStringLiteral("Nautical Publication"));
    QVERIFY(ui->Editor<QRadioButton>("book")->isChecked() && !ui->Editor<QRadioButton>("chart")->isChecked());
    QCOMPARE(ui->Editor<QDateTimeEdit>("publicationDate")->text(), QStringLiteral("Tuesday 14 Nov 2023"));
    QVERIFY(ui->FocusOn("number"));
  }

  void okAppliesTheFields() {
    ui->Type("number", QStringLiteral("5011"));
    ui->Editor<QRadioButton>("chart")->click();
    ui->Type("publisher", QStringLiteral("UKHO"));
    ui->Editor<CDateTimeEdit>("publicationDate")->SetCivilTime({2020, 5, 1, 22, 13, 20});
    ui->Type("correctionNumber", QStringLiteral("12/24"));
    ui->Editor<CDateTimeEdit>("correctionDate")->SetCivilTime({2024, 3, 21, 22, 13, 20});
    ui->Press(QDialogButtonBox::Ok);

    QVERIFY(!ui->IsOpen() && ui->prompter.messages.empty());
    QCOMPARE(std::tuple(book.chart, book.number, book.publisher, book.correctionNumber, book.folio),
             std::tuple(true, std::string("5011"), std::string("UKHO"), std::string("12/24"), std::string("F1")));
    QCOMPARE(std::tuple(LocalFieldsOf(book.publicationDate), LocalFieldsOf(book.correctionDate)),
             std::tuple(CCivilTime{2020, 5, 1, 22, 13, 20}, CCivilTime{2024, 3, 21, 22, 13, 20}));
  }

  void cancelAfterEditsChangesNothing() {
    ui->Type("description", QStringLiteral("Admiralty tide tables"));
    ui->Editor<QRadioButton>("chart")->click();
    ui->CancelEdits();
    QVERIFY(!ui->IsOpen() && Store(book) == original);
  }

  void okUntouchedKeepsEveryByte() {
    ui->Press(QDialogButtonBox::Ok);
    QVERIFY(!ui->IsOpen() && !ui->dialog->Changed() && Store(book) == original);
  }

 private:
  CPublication book;
  CBytes original;
  std::optional<CSheetDriver> ui;
};

}  // namespace marigold

QTEST_MAIN(marigold::CPublicationDialogTest)
#include "PublicationDialogTest.moc"
