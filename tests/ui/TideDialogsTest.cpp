// "Tide Calculation" and "Tidal Angles and Factors": heights worked out by
// hand, angles and factors written into the port as each field is left and
// saved with the port list, the refusal without ports, and the voyage
// plan's tide curves opening the angles of their port.
#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "core/LocalClock.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/RecordingPainter.h"
#include "fakes/Records.h"
#include "fakes/SmallVoyage.h"
#include "printing/PrintJob.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/PrintVoyagePlanDialog.h"
#include "ui/sheets/TideDialogs.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {
namespace {

// Mean level 2.5 m and M2 alone with an amplitude of 1 m, for 11 March 2024.
CPortInfo* AddM2Port(CPortList& ports, const char* name, double latitude) {
  CPortInfo* port = Placed(ports.AddNew(), latitude, 0, name);
  port->tide.meanLevel = 2.5;
  port->tide.hmM2 = 1;
  port->tide.fM2 = 1;
  port->tide.angleDate = CalendarTimeFromLocal({2024, 3, 11, 12, 0, 0});
  return port;
}

// In the angles dialog the script works: types an angle, leaves the field.
void TypeAngle(QDialog& dialog, const char* field, const char* text) {
  auto* angles = qobject_cast<CTidalAnglesDialog*>(&dialog);
  QVERIFY(angles);
  QDoubleSpinBox* editor = angles->field(field);
  editor->setFocus();
  Retype(editor, QString::fromLatin1(text));
  QTest::keyClick(editor, Qt::Key_Tab);
}

}  // namespace

class CTideDialogsTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

 private slots:
  void init() { f.emplace(); }
  void cleanup() { f.reset(); }

  // At 13:30 the M2 term is cos(−29 × 13.5°) = cos(31.5°) = 0.853 m; with
  // the angle A set to 90° it is cos(58.5°) = 0.522 m.
  void heightOfThePortChosenAtThePickersTimeOfDay() {
    CPortList ports;
    CPortInfo* level = Placed(ports.AddNew(), 50, 0, "Level");
    level->tide.meanLevel = 1;
    level->tide.angleDate = CalendarTimeFromLocal({2024, 3, 10, 12, 0, 0});
    CPortInfo* m2 = AddM2Port(ports, "Tidal", 51);
    m2->tide.aS2 = 12.345678;  // no S2 amplitude: only its digits count
    CTideCalculationDialog dialog(ports, f->clock.Now());
    dialog.show();
    QCOMPARE(std::tuple(dialog.portBox()->count(), dialog.portBox()->currentText(), dialog.dateField()->text(),
                        dialog.heightField()->text()),
             std::tuple(2, QString("Level"), QString("Sun 10 Mar 2024"), QString("1.00 mtr")));

    dialog.portBox()->setCurrentIndex(1);
    QCOMPARE(dialog.dateField()->text(), QString("Mon 11 Mar 2024"));
    dialog.timeEdit()->SetCivilTime({2031, 6, 1, 13, 30, 0});  // the date plays no part
    QCOMPARE(dialog.heightField()->text(), QString("3.35 mtr"));

    CDialogScript angles([](QDialog& shown) {
      QCOMPARE(shown.windowTitle(), QString("Tidal Angles and Factors"));
      TypeAngle(shown, "aM2", "90");
      static_cast<CTidalAnglesDialog&>(shown).dateEdit()->SetCivilTime({2024, 3, 12, 0, 0, 0});
      shown.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)->click();
    });
    dialog.changeButton()->click();
    QVERIFY(angles.Seen() && dialog.TideChanged());
    QCOMPARE(std::tuple(m2->tide.aM2, m2->tide.aS2), std::tuple(90.0, 12.345678));
    QCOMPARE(LocalFieldsOf(m2->tide.angleDate), (CCivilTime{2024, 3, 12, 12, 0, 0}));
    QCOMPARE(std::tuple(dialog.dateField()->text(), dialog.heightField()->text()),
             std::tuple(QString("Tue 12 Mar 2024"), QString("3.02 mtr")));
  }

  void anAngleIsWrittenWhenItsFieldIsLeft() {
    CTideInfo tide(CalendarTimeFromLocal({2024, 3, 11, 12, 0, 0}));
    CTidalAnglesDialog dialog(tide);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    TypeAngle(dialog, "fK1", "1.0375");
    QCOMPARE(tide.fK1, 1.0375);
    QVERIFY(dialog.Changed() && dialog.isVisible());
  }

  void withoutPortsTheToolSaysSoAndOpensNothing() {
    CDialogScript none([](QDialog& shown) { shown.reject(); });
    QVERIFY(!RunCommand(command::kTidalCalculation, f->frame));
    QVERIFY(!none.Seen());
    QCOMPARE(Said(f->prompter), std::vector<std::string>{std::string("Exclamation: ") + kNoPortForTide});
  }

  // The tool works on the document's own port: what "Change" wrote goes to
  // port.dat with the next save of the data files.
  void changedAnglesReachPortDat() {
    AddM2Port(f->doc->Ports(), "Tidal", 51);
    CDialogScript tool([](QDialog& calculation) {
      CDialogScript angles([](QDialog& shown) {
        TypeAngle(shown, "aK1", "123.4");
        shown.reject();
      });
      static_cast<CTideCalculationDialog&>(calculation).changeButton()->click();
      QVERIFY(angles.Seen());
      calculation.reject();
    });
    RunCommand(command::kTidalCalculation, f->frame);
    QVERIFY(tool.Seen());
    QVERIFY(f->doc->SaveDataFiles().empty());

    CPortList saved;
    QVERIFY(LoadDataFile(EDataFile::Ports, f->store, f->prompter, [&saved](CArchive& ar) { saved.Serialize(ar); }));
    QCOMPARE(std::tuple(saved.GetCount(), saved.GetHead()->tide.aK1), std::tuple(1, 123.4));
  }

  // Departure and arrival are the ports nearest the first and the last
  // waypoint (Alpha at 50N, Charlie at 52N); each curve prints its own port.
  void thePlansTideCurvesOpenTheAnglesOfTheirPort() {
    AddSmallVoyage(*f->doc);
    AddM2Port(f->doc->Ports(), "Home", 50)->tide.aM2 = 33;
    AddM2Port(f->doc->Ports(), "Away", 52)->tide.aM2 = 44;
    CPrintVoyagePlanDialog dialog(f->frame);
    const auto radios = dialog.findChildren<QRadioButton*>();
    for (const auto& [choice, angle] : {std::pair{12, 33.0}, std::pair{13, 44.0}}) {
      double shown = -1;
      CDialogScript angles([&shown](QDialog& opened) {
        shown = static_cast<CTidalAnglesDialog&>(opened).field("aM2")->value();
        opened.reject();
      });
      QTest::mouseClick(radios[choice], Qt::LeftButton);
      QCOMPARE(std::tuple(angles.Seen(), shown), std::tuple(true, angle));
      const auto job = dialog.SectionJob();
      QVERIFY(job);
      CRecordingPainter page;
      job->DrawPage(page, 1);
      const std::string port = choice == 12 ? "Home" : "Away";
      QVERIFY2(page.Find("Tide " + port + "  Mon 11 Mar 2024"), port.c_str());
    }
    CDialogScript none([](QDialog& opened) { opened.reject(); });
    QTest::mouseClick(radios[1], Qt::LeftButton);  // "Print waypoint list"
    QVERIFY(!none.Seen());

    // The whole plan too: departure curve and outbound traject of Home.
    f->prompter.files = {f->File("plan.pdf")};
    QTest::mouseClick(dialog.findChild<QPushButton*>("saveWholePlan"), Qt::LeftButton);
    const QString words = PdfWords(f->File("plan.pdf")).first;
    for (const char* title : {"Tide Home", "Tide Away", "Home Outbound Traject", "Away Inbound Traject"})
      QVERIFY2(words.contains(title), title);
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CTideDialogsTest)
#include "TideDialogsTest.moc"
