// The position-fix sheet ("PositionFix", "Present Weather"): the time in
// local time at the fix, the warnings on the sign of the UTC difference,
// the ranges, and what OK and Cancel leave.
#include <QtTest>
#include <QtWidgets>

#include "core/FixSheet.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "ui/sheets/PositionSheet.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {

class CPositionSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    prompter = CScriptedPrompter();
    fix = CFixRecord();
    Placed(&fix, 50.333333333333336, -0.6666666666666666, "PositionFix 31 Mar 02:30 LT");
    // 02:30 local time on the night the clocks of central Europe skip that
    // hour: the sheet counts in the fix's own time, so no zone moves it.
    fix.SetUtcDifference(1);
    fix.SetTime(DayNumberOf({2024, 3, 31, 1, 30, 0}) + 1e-9);
    fix.gyroCourse = 245.27;
    fix.logSpeed = 14.98765432198;
    fix.engineRpm = 88;
    original = Store(fix);
  }

  void opensOnTheLocalTimeAndLeavesTheBytes() {
    CPositionSheet sheet(fix, "Position Fix", prompter);
    sheet.show();
    QCOMPARE(Editor<CDateTimeEdit>(sheet, "localTime")->CivilTime(), (CCivilTime{2024, 3, 31, 2, 30, 0}));
    QCOMPARE(Editor<QDoubleSpinBox>(sheet, "gyroCourse")->text(), QStringLiteral("245.3 deg"));
    ShowPage(sheet, 1);
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && !sheet.Applied());
    QVERIFY(Store(fix) == original);
  }

  void okAppliesBothPages() {
    CPositionSheet sheet(fix, "Position Fix", prompter);
    sheet.show();
    Editor<CDateTimeEdit>(sheet, "localTime")->SetCivilTime({2024, 10, 27, 2, 30, 0});  // the hour clocks repeat
    Type(sheet, "utcDifference", "-1");
    Editor<QComboBox>(sheet, "longitudeHemisphere")->setCurrentIndex(0);
    Type(sheet, "engineRpm", "92.5");
    ShowPage(sheet, 1);
    Type(sheet, "airPressure", "1012.5");
    Type(sheet, "windSpeed", "35");
    prompter.messages.clear();
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible());
    QCOMPARE(std::tuple(CivilTimeOf(fix.GetTime()), fix.GetUtcDifference(), fix.GetLongitude()),
             std::tuple(CCivilTime{2024, 10, 27, 3, 30, 0}, -1.0, 0.6666666666666666));
    QCOMPARE(std::tuple(fix.engineRpm, fix.gyroCourse, fix.weather.airPressure, fix.weather.windSpeed),
             std::tuple(92.5, 245.27, 1012.5, 35.0));
  }

  // Leaving the UTC field warns when its sign does not suit the hemisphere;
  // leaving it again unchanged does not repeat it, and the value stays.
  void utcSignWarnings() {
    CPositionSheet sheet(fix, "Position Fix", prompter);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    QWidget* utc = Editor(sheet, "utcDifference");
    const auto leave = [&] {
      utc->setFocus();
      QTest::keyClick(utc, Qt::Key_Tab);
    };
    leave();
    leave();
    Editor<QComboBox>(sheet, "longitudeHemisphere")->setCurrentIndex(0);  // East
    Type(sheet, "utcDifference", "-2");
    leave();
    Type(sheet, "utcDifference", "3");
    leave();
    QCOMPARE(Said(prompter), (std::vector<std::string>{std::string("Exclamation: ") + kWestUtcWarning,
                                                       std::string("Exclamation: ") + kEastUtcWarning}));
    QCOMPARE(Editor<QDoubleSpinBox>(sheet, "utcDifference")->value(), 3.0);
  }

  void outOfRangeKeepsTheSheetOpen() {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {0, "gyroCourse", "400", "Please enter a number between 0.0 and 360.0."},
        {0, "logSpeed", "99", "Please enter a number between 0.0 and 55.0."},
        {0, "engineRpm", "-5", "Please enter a number between 0.0 and 9999.0."},
        {1, "windSpeed", "-40", "Please enter a number between 0.0 and 300.0."},
        {1, "airPressure", "5000", "Please enter a number between 900.0 and 1100.0."},
        {1, "seawaterTemperature", "-16", "Please enter a number between -15.0 and 90.0."},
    };
    for (const auto& [page, field, typed, message] : cases) {
      prompter = CScriptedPrompter();
      CPositionSheet sheet(fix, "Position Fix", prompter);
      sheet.show();
      QVERIFY2(RefusedOnOk(sheet, page, field, typed, 1 - page), field);
      QCOMPARE(Said(prompter), std::vector<std::string>(2, std::string("Exclamation: ") + message));
      QVERIFY(Store(fix) == original);
      sheet.hide();
    }
  }

  void cancelAfterEditsChangesNothing() {
    CPositionSheet sheet(fix, "Position Fix", prompter);
    sheet.show();
    Type(sheet, "latitudeDegrees", "12");
    ShowPage(sheet, 1);
    Type(sheet, "airTemperature", "-3");
    prompter.answers = {true};
    QTest::keyClick(&sheet, Qt::Key_Escape);
    QVERIFY(!sheet.isVisible());
    QVERIFY(Store(fix) == original);
  }

 private:
  CScriptedPrompter prompter;
  CFixRecord fix;
  CBytes original;
};

}  // namespace marigold

QTEST_MAIN(marigold::CPositionSheetTest)
#include "PositionSheetTest.moc"
