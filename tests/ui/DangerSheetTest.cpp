// The warning sheet on a warning with two area points: every page applied on
// OK (the notes into the second text, the reference position from the
// points), the area's buttons and position dialog, and nothing changed by
// Cancel, not even the area points, or by OK untouched.
#include <optional>

#include "SheetDriver.h"
#include "lists/NavWarning.h"
#include "ui/sheets/DangerSheet.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {

class CDangerSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    warning = CNavWarning{};
    warning.number = "NW 12";
    warning.SetName("NW 12");
    warning.validFrom = DayNumberOf({2024, 10, 27, 2, 30, 0}) + 1e-7;  // finer than the field shows
    warning.validTill = DayNumberOf({2024, 11, 2, 18, 0, 0});
    warning.passingDistance = 2.5;
    warning.secondText = "Buoys unlit";
    Placed(warning.AddAreaPoint(), 49, 1);
    Placed(warning.AddAreaPoint(), 51, 3);
    original = Store(warning);
    ui.emplace();
  }

  void openingShowsTheWarningInUtc() {
    Open("NW 12");
    QCOMPARE(ui->dialog->windowTitle(), QStringLiteral("NW 12"));
    QCOMPARE(ui->PageCaptions(), (QStringList{"Warning", "Area", "Notes"}));
    QCOMPARE(ui->Editor<QDateTimeEdit>("validFrom")->text(), QStringLiteral("Sunday 27 Oct 2024  02:30:0 UTC"));
    ui->ShowEveryPage();
    QCOMPARE(Rows(), (QStringList{"49 : 0.00 N|1 : 0.00 E", "51 : 0.00 N|3 : 0.00 E"}));
    QVERIFY(ui->Editor<QRadioButton>("singleLine")->isChecked());
    QCOMPARE(ui->Editor<QTextEdit>("notes")->toPlainText(), QStringLiteral("Buoys unlit"));
  }

  void okAppliesEveryPage() {
    Open();
    ui->Type("number", QStringLiteral("NW 13"));
    ui->Editor<CDateTimeEdit>("validTill")->SetCivilTime({2024, 12, 1, 0, 0, 0});
    ui->Type("passingDistance", QStringLiteral("3"));
    ui->ShowPage(1);
    ui->Editor<QRadioButton>("noGoArea")->click();
    AddPoint(QStringLiteral("53"), QStringLiteral("5"));
    SelectRows(Points(), {0});
    EditPoint(QStringLiteral("43"));
    ui->ShowPage(2);
    ui->Type("notes", QStringLiteral("Buoys relit"));
    ui->Press(QDialogButtonBox::Ok);

    QVERIFY(!ui->IsOpen() && ui->prompter.messages.empty());
    QCOMPARE(std::tuple(warning.GetName(), warning.number, warning.passingDistance, warning.secondText),
             std::tuple(std::string("NW 13"), std::string("NW 13"), 3.0, std::string("Buoys relit")));
    QCOMPARE(std::tuple(warning.validTill, warning.areaKind, warning.GetAreaPointCount()),
             std::tuple(DayNumberOf({2024, 12, 1, 0, 0, 0}), CNavWarning::kNoGoArea, 3));
    // The mean of 43N 1E, 51N 3E and 53N 5E.
    QCOMPARE(std::tuple(warning.GetLatitude(), warning.GetLongitude()), std::tuple(49.0, 3.0));
    QCOMPARE(warning.validFrom, DayNumberOf({2024, 10, 27, 2, 30, 0}) + 1e-7);
  }

  void areaButtons() {
    Open();
    ui->ShowPage(1);
    // Without a selection.
    Points().clearSelection();
    ui->Click(QStringLiteral("Edit"));
    ui->Click(QStringLiteral("Delete"));
    QCOMPARE(Said(ui->prompter),
             (std::vector<std::string>{"Stop: No selected position", "Stop: No selected position"}));
    QVERIFY(!ui->dialog->Changed());

    // A new point whose dialog is cancelled is not kept; one confirmed as
    // offered (45N 5E) is.
    ui->OnNextDialog([](QDialog& position) { Press(static_cast<CEditDialog&>(position), QDialogButtonBox::Cancel); });
    ui->Click(QStringLiteral("Add"));
    QCOMPARE(Rows().size(), 2);
    ui->OnNextDialog([](QDialog& position) { Press(static_cast<CEditDialog&>(position), QDialogButtonBox::Ok); });
    ui->Click(QStringLiteral("Add"));
    QCOMPARE(Rows().last(), QStringLiteral("45 : 0.00 N|5 : 0.00 E"));

    // The position dialog refuses what the position fields refuse.
    SelectRows(Points(), {1});
    ui->OnNextDialog([this](QDialog& position) {
      Retype(position.findChild<QWidget*>(QStringLiteral("latitudeDegrees")), QStringLiteral("95"));
      Press(static_cast<CEditDialog&>(position), QDialogButtonBox::Ok);
      QVERIFY(position.isVisible());
      QCOMPARE(Said(ui->prompter).back(), std::string("Exclamation: Please enter an integer between 0 and 90."));
      Press(static_cast<CEditDialog&>(position), QDialogButtonBox::Cancel);
    });
    ui->Click(QStringLiteral("Edit"));
    SelectRows(Points(), {0});
    ui->Click(QStringLiteral("Delete"));
    QCOMPARE(Rows(), (QStringList{"51 : 0.00 N|3 : 0.00 E", "45 : 0.00 N|5 : 0.00 E"}));
    QVERIFY(ui->dialog->Changed());
    QCOMPARE(warning.GetAreaPointCount(), 2);  // on the warning only with OK
  }

  void cancelAfterEditsChangesNothing() {
    Open();
    ui->Type("number", QStringLiteral("NW 99"));
    ui->ShowPage(1);
    AddPoint(QStringLiteral("60"), QStringLiteral("10"));
    SelectRows(Points(), {0});
    ui->Click(QStringLiteral("Delete"));
    ui->ShowPage(2);
    ui->Type("notes", QStringLiteral("gone"));
    ui->CancelEdits();
    QVERIFY(!ui->IsOpen() && Store(warning) == original);
  }

  void okUntouchedKeepsEveryByte() {
    warning.passingDistance = 1.0 / 3;
    original = Store(warning);
    Open();
    ui->ShowEveryPage();
    ui->Press(QDialogButtonBox::Ok);
    QVERIFY(!ui->IsOpen() && !ui->dialog->Changed() && Store(warning) == original);
  }

 private:
  void Open(const std::string& caption = "Warning") { ui->Open<CDangerSheet>(warning, caption, ui->prompter); }

  QTreeWidget& Points() const { return *ui->Editor<QTreeWidget>("areaPoints"); }
  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < Points().topLevelItemCount(); ++i)
      rows << Points().topLevelItem(i)->text(0) + "|" + Points().topLevelItem(i)->text(1);
    return rows;
  }

  // "Add" with the position typed in its dialog, East and North.
  void AddPoint(const QString& latitude, const QString& longitude) {
    ui->OnNextDialog([=](QDialog& position) {
      Retype(position.findChild<QWidget*>(QStringLiteral("latitudeDegrees")), latitude);
      Retype(position.findChild<QWidget*>(QStringLiteral("longitudeDegrees")), longitude);
      Press(static_cast<CEditDialog&>(position), QDialogButtonBox::Ok);
    });
    ui->Click(QStringLiteral("Add"));
  }
  // "Edit" on the selected point, its latitude retyped.
  void EditPoint(const QString& latitude) {
    ui->OnNextDialog([=](QDialog& position) {
      Retype(position.findChild<QWidget*>(QStringLiteral("latitudeDegrees")), latitude);
      Press(static_cast<CEditDialog&>(position), QDialogButtonBox::Ok);
    });
    ui->Click(QStringLiteral("Edit"));
  }

  CNavWarning warning;
  CBytes original;
  std::optional<CSheetDriver> ui;
};

}  // namespace marigold

QTEST_MAIN(marigold::CDangerSheetTest)
#include "DangerSheetTest.moc"
