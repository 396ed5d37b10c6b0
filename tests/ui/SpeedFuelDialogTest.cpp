#include <QtTest>
#include <QtWidgets>
#include <filesystem>
#include <optional>

#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/TestSupport.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/SpeedFuelDialog.h"

using namespace marigold;

// Figures worked out by hand for the default ship at 63 rpm: 150 mT/day at
// 106 rpm scaled by (63/106)³ = 31.5 mT/day; a stop from FA takes 30 + 15
// minutes; 15.1 knots through the water (index 0.63 hull and 0.07 air).
class SpeedFuelDialogTest : public QObject {
  Q_OBJECT

  CScriptedPrompter prompter;

  // rpm, mT/day, wind, current, then grnd speed, fuel cons, stop dist, stop time.
  static QStringList Shown(const QDialog& dialog) {
    QStringList texts;
    for (const char* name :
         {"rpm", "fuelPerDay", "windSpeed", "currentRate", "groundSpeed", "fuelPerMile", "stopDistance", "stopTime"})
      texts << Editor<QLineEdit>(dialog, name)->text();
    return texts;
  }
  static int Bar(const QDialog& dialog, int row) { return dialog.findChildren<QProgressBar*>().at(row)->value(); }

 private slots:
  void init() { prompter = CScriptedPrompter(); }

  void opensOnTheWorkingCopyAtRest() {
    CSpeedFuelDialog dialog(CVessel2(), prompter);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Speed and Fuel Consumption"));
    QCOMPARE(
        std::tuple(dialog.engineSlider()->minimum(), dialog.engineSlider()->maximum(), dialog.engineSlider()->value(),
                   dialog.windSlider()->minimum(), dialog.currentSlider()->minimum()),
        std::tuple(-106, 0, -63, -60, -600));
    QVERIFY(dialog.windOnSternButton()->isChecked() && dialog.currentOnHeadButton()->isChecked());
    QCOMPARE(std::tuple(dialog.draftForwardEdit()->value(), dialog.draftAftEdit()->value(),
                        Editor<QLineEdit>(dialog, "displacement")->text()),
             std::tuple(12.75, 12.85, QStringLiteral("73272")));
    QCOMPARE(Shown(dialog), QStringList({" 63", "31.5", "  0", "0.0", "15.1", "86.7", "10.6", "0 : 45"}));
    // Bars: knots, 100 × whole kg/nM, 100 × whole nM, minutes (to 131 at MCR).
    QCOMPARE(QList<int>({Bar(dialog, 0), Bar(dialog, 1), Bar(dialog, 2), Bar(dialog, 3)}),
             QList<int>({15, 8600, 1000, 45}));
    QCOMPARE(dialog.findChildren<QProgressBar*>().at(3)->maximum(), 131);
    QVERIFY(prompter.messages.empty());
  }

  // Up is more: the arrow up adds an rpm, a knot of wind, a hundredth of a knot.
  void slidersRunUpwardToLargerValues() {
    CSpeedFuelDialog dialog(CVessel2(), prompter);
    dialog.show();
    for (QSlider* slider : {dialog.engineSlider(), dialog.windSlider(), dialog.currentSlider()})
      QTest::keyClick(slider, Qt::Key_Up);
    QCOMPARE(Shown(dialog).mid(0, 4), QStringList({" 64", "33.0", "  1", "0.0"}));
    QCOMPARE(dialog.currentSlider()->value(), -1);
  }

  // A drag counts when the slider is let go; below half FA (31.5 rpm) it warns.
  void theEngineCountsOnReleaseAndWarnsAtLowRpm() {
    CSpeedFuelDialog dialog(CVessel2(), prompter);
    dialog.show();
    dialog.engineSlider()->setSliderDown(true);
    dialog.engineSlider()->setValue(-31);
    QCOMPARE(Shown(dialog).first(), QStringLiteral(" 63"));
    QVERIFY(prompter.messages.empty());
    dialog.engineSlider()->setSliderDown(false);
    QCOMPARE(MessageTexts(prompter),
             std::vector<std::string>{"Warning:\nLow rpm settings might result in inaccurate data\n on speed, fuel "
                                      "consumption, and stopping distance"});
    QCOMPARE(prompter.messages.front().icon, EMessageIcon::Exclamation);
    // Still computed; below FA the stop time shows nil and the stop starts at FA.
    QCOMPARE(Shown(dialog), QStringList({" 31", " 3.8", "  0", "0.0", "7.5", "21.0", "10.6", "0 :  0"}));

    dialog.engineSlider()->setValue(-32);  // a key or a click: at once, and not below 31.5
    QCOMPARE(std::tuple(Shown(dialog).first(), prompter.messages.size()), std::tuple(QStringLiteral(" 32"), 1u));
  }

  // The radio buttons re-sign what the sliders set: 2 knots of current
  // against 15.1 through the water, then with it; 30 knots of wind from
  // astern lower the apparent wind, on the head they slow the ship.
  void radioButtonsTurnWindAndCurrent() {
    CSpeedFuelDialog dialog(CVessel2(), prompter);
    dialog.show();
    dialog.currentSlider()->setValue(-200);
    QCOMPARE(Shown(dialog).mid(3, 2), QStringList({"2.0", "13.1"}));
    dialog.currentOnSternButton()->click();
    QCOMPARE(Shown(dialog).mid(3, 2), QStringList({"2.0", "17.1"}));
    dialog.windSlider()->setValue(-30);
    QCOMPARE(Shown(dialog).mid(2, 3), QStringList({" 30", "2.0", "17.1"}));
    dialog.windOnHeadButton()->click();
    QCOMPARE(Shown(dialog).mid(2, 3), QStringList({" 30", "2.0", "16.3"}));
    QVERIFY(dialog.windOnHeadButton()->isChecked() && !dialog.windOnSternButton()->isChecked());
  }

  void aDraftCountsWhenItLosesTheFocus() {
    CSpeedFuelDialog dialog(CVessel2(), prompter);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.draftForwardEdit()->setFocus();
    Retype(dialog.draftForwardEdit(), QStringLiteral("10"));
    QCOMPARE(dialog.Tool().Vessel().draftForward, 12.75);
    QTest::keyClick(dialog.draftForwardEdit(), Qt::Key_Tab);
    QCOMPARE(dialog.Tool().Vessel().draftForward, 10.0);
    // Less wetted surface, less resistance.
    QVERIFY(Shown(dialog).at(4).toDouble() > 15.1);
  }

  // Without pitch there is no speed: "NA", never inf or nan, bars at nil.
  void figuresThatCannotBeComputedShowNa() {
    CVessel2 noPitch;
    noPitch.propellerPitch = 0;
    CSpeedFuelDialog dialog(noPitch, prompter);
    dialog.show();
    QCOMPARE(Shown(dialog).mid(4, 3), QStringList({"NA", "NA", "NA"}));
    QCOMPARE(Bar(dialog, 0) + Bar(dialog, 1) + Bar(dialog, 2), 0);
    dialog.engineSlider()->setValue(0);  // 0 rpm on a sound ship: nothing turns
    QCOMPARE(Shown(dialog).mid(4, 2), QStringList({"NA", "NA"}));
  }

  // The command reads vessel.dat afresh and leaves the document's vessel and
  // the file as they were, whatever was tried.
  void theCommandWorksOnACopyFromVesselDat() {
    CFrameFixture f;
    const std::string file = f.File("vessel.dat");
    const auto bytes = FileBytes(file);
    f.doc->Vessel().engineSetting = 90;  // not saved yet
    QString opened;
    CDialogScript script([&](QDialog& dialog) {
      auto& tool = static_cast<CSpeedFuelDialog&>(dialog);
      opened = Editor<QLineEdit>(dialog, "rpm")->text();
      tool.engineSlider()->setValue(-100);
      tool.draftAftEdit()->setValue(9);
      emit tool.draftAftEdit()->editingFinished();
      Press(tool, QDialogButtonBox::Close);
    });
    QVERIFY(RunCommand(command::kEngineRpmAndSpeed, f.frame));
    QVERIFY(script.Seen());
    QCOMPARE(opened, QStringLiteral(" 63"));
    QCOMPARE(std::tuple(f.doc->Vessel().engineSetting, f.doc->Vessel().draftAft), std::tuple(90.0, 12.85));
    QVERIFY(FileBytes(file) == bytes);
  }
};

QTEST_MAIN(SpeedFuelDialogTest)
#include "SpeedFuelDialogTest.moc"
