#include <QtTest>
#include <QtWidgets>

#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "ui/sheets/WheelOverDialog.h"

using namespace marigold;

class WheelOverDialogTest : public QObject {
  Q_OBJECT

  static QStringList Figures(const CWheelOverDialog& dialog) {
    QStringList shown;
    for (const char* name :
         {"rateOfTurn", "originalSteered", "originalLogSpeed", "finalSteered", "duration", "wheelOverDistance"})
      shown << dialog.figure(name);
    return shown;
  }

 private slots:
  // No current: steered equals ground course. 350° to 010° is a 20° turn;
  // at 20 deg/min it takes a minute and the wheel goes over
  // tan(10°) × 0.95 × 10 / 20 = 0.084 nM before the waypoint.
  void typedDataWithoutARouteAndARateOfNothing() {
    CVoyage empty;
    CWheelOverDialog dialog(empty);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QVERIFY(dialog.manualButton()->isChecked() && !dialog.atWaypointButton()->isEnabled());
    const char* typed[] = {"350", "10", "10", "0", "0"};
    for (int i = 0; i < 5; ++i) {
      dialog.input(i)->setFocus();
      Retype(dialog.input(i), QString::fromLatin1(typed[i]));
      QTest::keyClick(dialog.input(i), Qt::Key_Tab);
    }
    QCOMPARE(Figures(dialog), QStringList({"20.0", "350.0 deg", "10.0 kts", "10.0 deg", " 1.0 min", "0.1 nM"}));
    // The slider at the top: no turn at all, and no figure that divides by it.
    dialog.rateSlider()->setValue(40);
    QCOMPARE(Figures(dialog), QStringList({"0.0", "350.0 deg", "10.0 kts", "10.0 deg", "NA", "NA"}));
  }

  void aRouteOpensAtItsNextWaypointWithTheInputsLocked() {
    CVoyage route;
    for (int i = 0; i < 3; ++i) Placed(route.AddNew(), 0, i, "WP" + std::to_string(i));
    route.nextWaypointIndex = 1;
    CWheelOverDialog dialog(route);
    dialog.show();
    QVERIFY(dialog.atWaypointButton()->isChecked());
    QCOMPARE(
        std::tuple(dialog.waypointBox()->count(), dialog.waypointBox()->currentText(), dialog.input(0)->isEnabled()),
        std::tuple(3, QStringLiteral("WP1"), false));
    dialog.manualButton()->click();
    QVERIFY(dialog.input(0)->isEnabled() && !dialog.waypointBox()->isEnabled());
  }
};

QTEST_MAIN(WheelOverDialogTest)
#include "WheelOverDialogTest.moc"
