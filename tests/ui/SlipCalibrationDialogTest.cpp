#include <QtTest>
#include <QtWidgets>

#include "fakes/DataFolder.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/TestSupport.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/SlipCalibrationDialog.h"

using namespace marigold;

namespace {

// The default ship at 63 rpm logging 14.0 knots with 20 knots of wind dead
// ahead: theoretical 63 × 7.9 m × 60 / 1852 = 16.12 knots, so a true slip of
// 13.2 %; hull index 0.628, air index 0.318, estimated 16.12 / 1.0946 = 14.73
// knots. Calibrating sets the hull factor to 14.0 / 14.73 = 0.9504.
const CSlipReading kReading{63, 14.0, 0, 20};

QStringList Figures(const CSlipCalibrationDialog& dialog) {
  QStringList texts;
  for (const char* name : {"theoreticalSpeed", "engineSetting", "logSpeed", "windSpeed", "trueSlip", "hullFactor",
                           "airFactor", "estimatedLogSpeed", "calculatedSlip"})
    texts << dialog.field(name)->text();
  return texts;
}

}  // namespace

class SlipCalibrationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheSlipOfTheReading() {
    CVessel2 vessel;
    CScriptedPrompter prompter;
    CSlipCalibrationDialog dialog(vessel, kReading, prompter);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vessel Performance"));
    QCOMPARE(Figures(dialog), QStringList({"16.1 kts", "63.0 rpm", "14.0 kts", "20.0 kts", "13.2 %", "0.628", "0.318",
                                           "14.7 kts", "8.6 %"}));
    QCOMPARE(dialog.calibrateButton()->text(), QStringLiteral("Calibrate"));
    QCOMPARE(dialog.buttonBox()->button(QDialogButtonBox::Close)->text(), QStringLiteral("Close"));
    // Enter closes; only a deliberate click calibrates.
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(!dialog.isVisible() && !dialog.Calibrated());
    QCOMPARE(vessel.hullResistanceFactor, 0.3);
  }

  // The dialog stays open and shows the calibrated figures: hull index
  // 0.628 × 0.9504 / 0.3 = 1.989, estimated 16.12 / 1.2307 = 13.1 knots.
  void calibrateChangesTheHullFactorAndStaysOpen() {
    CVessel2 vessel;
    CScriptedPrompter prompter;
    CSlipCalibrationDialog dialog(vessel, kReading, prompter);
    dialog.show();
    QTest::mouseClick(dialog.calibrateButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible() && dialog.Calibrated() && prompter.messages.empty());
    QVERIFY(std::abs(vessel.hullResistanceFactor - 0.9504) < 1e-3);
    QCOMPARE(Figures(dialog).mid(5), QStringList({"1.989", "0.318", "13.1 kts", "18.7 %"}));
    Press(dialog, QDialogButtonBox::Close);
    QVERIFY(!dialog.isVisible());
  }

  // A fix without a log speed cannot calibrate; the officer is told so.
  void noLogSpeedChangesNothing() {
    CVessel2 vessel;
    CScriptedPrompter prompter;
    CSlipCalibrationDialog dialog(vessel, {63, 0, 0, 20}, prompter);
    dialog.show();
    QCOMPARE(Figures(dialog).at(4), QStringLiteral("100.0 %"));
    QTest::mouseClick(dialog.calibrateButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible() && !dialog.Calibrated());
    QCOMPARE(vessel.hullResistanceFactor, 0.3);
    QCOMPARE(MessageTexts(prompter),
             std::vector<std::string>{"No log speed in the latest positionfix\nHull resistance factor not changed"});
    QCOMPARE(prompter.messages.front().icon, EMessageIcon::Exclamation);
  }

  // Stopped: no theoretical speed, both slips show 1.0 and nothing is "inf".
  void aStoppedEngineShowsSlipsOfOne() {
    CVessel2 vessel;
    CScriptedPrompter prompter;
    CSlipCalibrationDialog dialog(vessel, {0, 5.0, 0, 0}, prompter);
    dialog.show();
    const QStringList figures = Figures(dialog);
    QCOMPARE(std::tuple(figures.at(0), figures.at(4), figures.at(8)),
             std::tuple(QStringLiteral("0.0 kts"), QStringLiteral("1.0 %"), QStringLiteral("1.0 %")));
    for (const QString& figure : figures)
      QVERIFY2(!figure.contains("inf") && !figure.contains("nan"), qPrintable(figure));
  }

  // The command reads the latest fix and calibrates the document's vessel;
  // vessel.dat takes the factor with the next save.
  void theCommandCalibratesTheDocumentsVesselFromTheLatestFix() {
    CFrameFixture f;
    CFixRecord& fix = *f.doc->LatestFix();
    fix.engineRpm = 63;
    fix.logSpeed = 14.0;
    fix.weather.windDirection = 0;
    fix.weather.windSpeed = 20;
    const CBytes before = FileBytes(f.File("vessel.dat"));
    QStringList shown;
    CDialogScript script([&](QDialog& dialog) {
      auto& slip = static_cast<CSlipCalibrationDialog&>(dialog);
      shown = Figures(slip);
      QTest::mouseClick(slip.calibrateButton(), Qt::LeftButton);
      Press(slip, QDialogButtonBox::Close);
    });
    QVERIFY(RunCommand(command::kCalibrateSlip, f.frame) && script.Seen());
    QCOMPARE(shown.mid(0, 4), QStringList({"16.1 kts", "63.0 rpm", "14.0 kts", "20.0 kts"}));
    QVERIFY(std::abs(f.doc->Vessel().hullResistanceFactor - 0.9504) < 1e-3);
    QVERIFY(FileBytes(f.File("vessel.dat")) == before);
    QVERIFY(f.doc->SaveDataFiles().empty());
    QCOMPARE(StoredVessel(f.store).hullResistanceFactor, f.doc->Vessel().hullResistanceFactor);
  }

  void withoutAFixTheCommandRefuses() {
    CFrameFixture f;
    f.doc->Fixes().RemoveAll();
    CDialogScript script([](QDialog& dialog) { dialog.reject(); });
    QVERIFY(!RunCommand(command::kCalibrateSlip, f.frame));
    QVERIFY(!script.Seen());
    QCOMPARE(MessageTexts(f.prompter),
             std::vector<std::string>{"No positionfix defined\nCan not calibrate propellor slip"});
    QCOMPARE(f.prompter.messages.front().icon, EMessageIcon::Stop);
  }
};

QTEST_MAIN(SlipCalibrationDialogTest)
#include "SlipCalibrationDialogTest.moc"
