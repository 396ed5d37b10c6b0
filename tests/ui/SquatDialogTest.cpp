#include <QtTest>
#include <QtWidgets>

#include "fakes/QtInput.h"
#include "ui/sheets/SquatDialog.h"

using namespace marigold;

// Figures worked out by hand for the default ship: displacement 73272 mT,
// 32.26 m × 247 m, mean draft 12.8 m; the squat at v knots is
// 73272 / (32.26 × 247 × 12.8) × (v × 0.514444)² × 0.01, doubled in shallow water.
class SquatDialogTest : public QObject {
  Q_OBJECT

  static QStringList Shown(const CSquatDialog& dialog) {
    return {dialog.speedField()->text(), dialog.aftField()->text(), dialog.forwardField()->text(),
            QString::number(dialog.aftBar()->value()), QString::number(dialog.forwardBar()->maximum())};
  }

 private slots:
  void opensAtRestOnTheDepartureDrafts() {
    CSquatDialog dialog{CVessel2()};
    dialog.show();
    QCOMPARE(
        std::tuple(dialog.draftForwardEdit()->value(), dialog.draftAftEdit()->value(),
                   dialog.oceanButton()->isChecked(), dialog.speedSlider()->minimum(), dialog.speedSlider()->value()),
        std::tuple(12.75, 12.85, true, -30, 0));
    // Bars run to trunc(14.0 m loadline) + 3.
    QCOMPARE(Shown(dialog), QStringList({"0.0", "12.8", "12.8", "12", "17"}));
  }

  void speedAndWaterSinkBothDrafts() {
    // slider position, shallow water, speed, aft, forward, aft bar
    const std::tuple<int, bool, QStringList> cases[] = {
        {-10, false, {"10.0", "13.0", "12.9", "13", "17"}},  // 0.190 m
        {-10, true, {"10.0", "13.2", "13.1", "13", "17"}},   // 0.380 m
        {-20, false, {"20.0", "13.6", "13.5", "13", "17"}},  // 0.761 m
        {-30, true, {"30.0", "16.3", "16.2", "16", "17"}},   // 3.424 m
    };
    for (const auto& [position, shallow, expected] : cases) {
      CSquatDialog dialog{CVessel2()};
      dialog.show();
      if (shallow) dialog.shallowButton()->click();
      dialog.speedSlider()->setValue(position);
      QCOMPARE(Shown(dialog), expected);
    }
  }

  // Upward is faster: the arrow up raises the speed by a knot.
  void theSliderRunsUpwardToLargerSpeeds() {
    CSquatDialog dialog{CVessel2()};
    dialog.show();
    dialog.speedSlider()->setFocus();
    QTest::keyClick(dialog.speedSlider(), Qt::Key_Up);
    QCOMPARE(dialog.speedField()->text(), QStringLiteral("1.0"));
  }

  void aDepartureDraftCountsOnceTyped() {
    CVessel2 vessel;
    vessel.draftAft = 11.0;
    CSquatDialog dialog{vessel};
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.speedSlider()->setValue(-10);
    dialog.draftAftEdit()->setFocus();
    Retype(dialog.draftAftEdit(), QStringLiteral("14.65"));
    QCOMPARE(dialog.aftField()->text(), QStringLiteral("11.2"));  // not yet: the field still has the focus
    QTest::keyClick(dialog.draftAftEdit(), Qt::Key_Tab);
    // Mean draft 13.7 m: the squat falls to 0.178 m.
    QCOMPARE(Shown(dialog), QStringList({"10.0", "14.8", "12.9", "14", "17"}));
  }
};

QTEST_MAIN(SquatDialogTest)
#include "SquatDialogTest.moc"
