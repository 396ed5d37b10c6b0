#include <QtTest>
#include <QtWidgets>

#include "core/CivilTime.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "ui/sheets/EtaDialog.h"

using namespace marigold;

namespace {

// 2024-03-10 08:00 UTC: clear of the daylight-saving changes.
const double kDeparture = DayNumberOf({2024, 3, 10, 8, 0, 0});

}  // namespace

// 120 nM east along the equator to a destination at UTC+2, scheduled a day
// after the departure; no fix yet.
class EtaDialogTest : public QObject {
  Q_OBJECT

  CVoyage route;
  CVessel2 vessel;
  CFixRecord departure;
  CScriptedPrompter prompter;

 private slots:
  void init() {
    route.RemoveAll();
    for (int i = 0; i < 3; ++i) Placed(route.AddNew(), 0, i);
    route.GetTail()->SetUtcDifference(2);
    route.GetTail()->SetTimeB(kDeparture + 1);
    Placed(&departure, 0, 0)->SetTime(kDeparture);
    departure.groundCourse = 90;
    prompter = CScriptedPrompter();
  }

  void aGroundspeedGivesTheArrivalAndSetEtaTakesIt() {
    CEtaCalculator calculator(route, vessel, nullptr, departure, true);
    CEtaDialog dialog(calculator, prompter);
    dialog.show();
    QVERIFY(dialog.fromFirstButton()->isChecked() && dialog.rpmButton()->isChecked());
    QVERIFY(dialog.rpmEdit()->isEnabled() && !dialog.groundspeedEdit()->isEnabled());
    QCOMPARE(dialog.rpmEdit()->value(), 63);  // the vessel's engine setting

    dialog.groundspeedButton()->click();
    QVERIFY(!dialog.rpmEdit()->isEnabled() && dialog.groundspeedEdit()->isEnabled());
    dialog.weatherBox()->click();
    dialog.reduceEngineBox()->click();
    dialog.groundspeedEdit()->setFocus();
    Retype(dialog.groundspeedEdit(), QStringLiteral("12"));
    QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
    // 120 nM at 12 knots: 10 hours, 18:00 UTC, 20:00 at the destination.
    QCOMPARE(dialog.etaField()->text(), QStringLiteral("Sunday 10 Mar 2024  20:00:0 LT"));
    QCOMPARE(dialog.fuelField()->text(), QStringLiteral("199.2 mT"));
    QCOMPARE(dialog.rpmEdit()->value(), 156);

    prompter.answers = {false, true};
    QTest::mouseClick(dialog.setEtaButton(), Qt::LeftButton);
    QVERIFY(!dialog.EtaSet());
    QCOMPARE(route.GetTail()->GetTimeB(), kDeparture + 1);
    QTest::mouseClick(dialog.setEtaButton(), Qt::LeftButton);
    QVERIFY(dialog.EtaSet());
    QVERIFY(std::abs(route.GetTail()->GetTimeB() - (kDeparture + 10.0 / 24)) < 1e-6);
    QCOMPARE(prompter.questions.back(), std::string("Change ETA of present schedule?"));

    QTest::mouseClick(dialog.closeButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
  }

  // A ship that makes no way has no arrival to take into the schedule.
  void noWayShowsNaAndNothingToSet() {
    CEtaCalculator calculator(route, vessel, nullptr, departure, false);
    CEtaDialog dialog(calculator, prompter);
    dialog.show();
    QVERIFY(dialog.fromFixButton()->isChecked());
    dialog.groundspeedButton()->click();
    Retype(dialog.groundspeedEdit(), QStringLiteral("0"));
    QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
    QCOMPARE(std::tuple(dialog.etaField()->text(), dialog.fuelField()->text(), dialog.setEtaButton()->isEnabled()),
             std::tuple(QStringLiteral("NA"), QStringLiteral("NA"), false));
  }
};

QTEST_MAIN(EtaDialogTest)
#include "EtaDialogTest.moc"
