// The "Hurricane" sheet on a storm: every page applied on OK, nothing on
// Cancel or on OK untouched, the ranges refused on OK and when leaving the
// page, and the observation time kept as UTC in the hour daylight saving
// skips (the suite runs under UTC and under CET/CEST).
#include <optional>

#include "SheetDriver.h"
#include "lists/Hurricane.h"
#include "lists/HurricaneSheet.h"
#include "ui/sheets/HurricaneSheet.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {

class CHurricaneSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    storm = CHurricane{};
    Placed(&storm, 14.25, -60.5, "Ivan");
    storm.SetTime(DayNumberOf(kSkippedHour));
    storm.course = 285.5;
    storm.speed = 12.25;
    storm.eyePressure = 935;
    storm.maxWind = 140;
    storm.windRange = 30;
    original = Store(storm);
    ui.emplace();
  }

  void openingShowsTheStormInUtc() {
    Open();
    QCOMPARE(ui->dialog->windowTitle(), QStringLiteral("Hurricane"));
    QCOMPARE(ui->PageCaptions(), (QStringList{"Position", "Vector", "Eye"}));
    QCOMPARE(ui->Editor<QDateTimeEdit>("observed")->text(), QStringLiteral(" 31 Mar 2024  02:30 UTC"));
    ui->ShowEveryPage();
    QCOMPARE(ui->Editor<QAbstractSpinBox>("course")->text() + "|" + ui->Editor<QAbstractSpinBox>("speed")->text() +
                 "|" + ui->Editor<QAbstractSpinBox>("eyePressure")->text(),
             QStringLiteral("285.5 deg|12.25 kts|935 mb"));
  }

  void okAppliesEveryPage() {
    Open();
    ui->Type("name", QStringLiteral("Ivan II"));
    ui->Editor<CDateTimeEdit>("observed")->SetCivilTime({2024, 3, 31, 2, 45, 0});
    ui->Type("positionLatitudeMinutes", QStringLiteral("30"));
    ui->ShowPage(1);
    ui->Type("course", QStringLiteral("300"));
    ui->Type("speed", QStringLiteral("9.5"));
    ui->ShowPage(2);
    ui->Type("eyePressure", QStringLiteral("920"));
    ui->Type("maxWind", QStringLiteral("150"));
    ui->Type("windRange", QStringLiteral("40"));
    ui->Press(QDialogButtonBox::Ok);

    QVERIFY(!ui->IsOpen() && ui->prompter.messages.empty());
    QCOMPARE(std::tuple(storm.GetName(), storm.GetLatitude(), storm.GetLongitude(), storm.GetTime()),
             std::tuple(std::string("Ivan II"), 14.5, -60.5, DayNumberOf({2024, 3, 31, 2, 45, 0})));
    QCOMPARE(std::tuple(storm.course, storm.speed, storm.eyePressure, storm.maxWind, storm.windRange),
             std::tuple(300.0, 9.5, 920, 150, 40));
  }

  // The hour the clocks skip in central Europe: edited elsewhere, the time
  // stays to the last digit.
  void theObservationTimeNeverShifts() {
    storm.SetUtcDifference(-4);
    Open();
    ui->ShowPage(2);
    ui->Type("maxWind", QStringLiteral("145"));
    ui->ShowPage(0);
    ui->Press(QDialogButtonBox::Ok);
    QCOMPARE(std::tuple(storm.GetTime(), storm.GetUtcDifference(), storm.maxWind),
             std::tuple(DayNumberOf(kSkippedHour), 0.0, 145));
  }

  void cancelAfterEditsChangesNothing() {
    Open();
    ui->Type("name", QStringLiteral("Jeanne"));
    ui->ShowPage(1);
    ui->Type("course", QStringLiteral("10"));
    ui->CancelEdits();
    QVERIFY(!ui->IsOpen() && Store(storm) == original);
  }

  void okUntouchedKeepsEveryByte() {
    storm.course = 1.0 / 3;  // shown rounded
    original = Store(storm);
    Open();
    ui->ShowEveryPage();
    ui->Press(QDialogButtonBox::Ok);
    QVERIFY(!ui->IsOpen() && !ui->dialog->Changed() && Store(storm) == original);
  }

  // Refused on OK and when leaving the page: the message, the page and the
  // editor stay.
  void rangesAreRefusedOnTheirField() {
    // The page, the editor, the text typed, the message.
    const std::tuple<int, const char*, const char*, const char*> refusals[] = {
        {0, "positionLatitudeDegrees", "91", "Please enter an integer between 0 and 90."},
        {0, "positionLongitudeMinutes", "60.5", "Please enter a number between 0.0 and 60.0."},
        {1, "course", "360.5", "Please enter a number between 0.0 and 360.0."},
        {1, "speed", "1000", "Please enter a number between 0.0 and 999.0."},
    };
    for (const auto& [page, editor, typed, message] : refusals) {
      init();
      Open();
      ui->ShowPage(page);
      ui->Type(editor, QString::fromLatin1(typed));
      ui->ShowPage(2);
      QVERIFY2(ui->Tabs().currentIndex() == page && ui->FocusOn(editor), editor);
      ui->Press(QDialogButtonBox::Ok);
      QVERIFY2(ui->IsOpen() && ui->FocusOn(editor), editor);
      const std::string expected = std::string("Exclamation: ") + message;
      QCOMPARE(Said(ui->prompter), (std::vector<std::string>{expected, expected}));
      QVERIFY(Store(storm) == original);
    }
  }

 private:
  static constexpr CCivilTime kSkippedHour{2024, 3, 31, 2, 30, 0};

  void Open() { ui->Open<CHurricaneSheet>(storm, kHurricaneCaption, ui->prompter); }

  CHurricane storm;
  CBytes original;
  std::optional<CSheetDriver> ui;
};

}  // namespace marigold

QTEST_MAIN(marigold::CHurricaneSheetTest)
#include "HurricaneSheetTest.moc"
