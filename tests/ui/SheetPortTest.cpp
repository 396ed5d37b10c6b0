// The port's sheet: its eight pages in order, every page of its own applied
// on OK, the limits refused on their field, and nothing changed by Cancel or
// by OK untouched (an ETA in the hour the clocks repeat included; the suite
// runs under UTC and under CET/CEST).
#include <optional>

#include "SheetDriver.h"
#include "core/LocalClock.h"
#include "lists/PortInfo.h"
#include "ui/sheets/SheetPort.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {

class CSheetPortTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void init() {
    // 01:30 UTC: in central Europe the second of the two 02:30s of that night.
    port = CPortInfo(CalendarTimeFromUtc({2024, 10, 27, 1, 30, 0}));
    port.SetName("Rotterdam");
    port.country = "NL";
    port.salinity = 1.0204;  // shown as 1.020
    port.maxAirDraft = 60;
    port.notes = "Berth 7\r\nNo bunkers on Sunday";
    port.inbound.AddNew()->SetName("Maas Center");
    port.tide.hmM2 = 0.805;
    original = Store(port);
    ui.emplace();
  }

  void pagesInOrder() {
    ui->Open<CSheetPort>(port, "New Port", ui->prompter);
    QCOMPARE(ui->dialog->windowTitle(), QStringLiteral("New Port"));
    QCOMPARE(ui->PageCaptions(),
             (QStringList{"Position", "General", "Agent", "Pilot", "Notes", "Reports", "Harbour Traject", "Tide"}));
  }

  void okAppliesEveryPage() {
    Open();
    ui->Type("name", QStringLiteral("Rotterdam Europoort"));
    ui->ShowPage(1);
    ui->Type("berth", QStringLiteral("Waalhaven 7"));
    ui->Type("maxDraft", QStringLiteral("12.5"));
    ui->Type("salinity", QStringLiteral("1.035"));
    ui->Editor<QCheckBox>("bunkers")->click();
    ui->ShowPage(2);
    ui->Type("agentName", QStringLiteral("Van Ommeren"));
    ui->Type("agentEmail", QStringLiteral("ops@vo.nl"));
    ui->ShowPage(3);
    ui->Type("pilotStation", QStringLiteral("Maas Center"));
    ui->Editor<QComboBox>("callPilotUnit")->setCurrentIndex(1);
    ui->Editor<QComboBox>("ladderSide")->setCurrentIndex(1);
    ui->Editor<CDateTimeEdit>("pilotEta")->SetCivilTime({2024, 11, 3, 6, 0, 0});
    ui->ShowPage(4);
    ui->Type("notes", QStringLiteral("Berth 8"));
    ui->ShowPage(5);
    ui->prompter.files = {std::string("/ports/rotterdam.pdf")};
    ui->Click(QStringLiteral("Add"));
    ui->ShowPage(6);
    ui->Click(QStringLiteral("Reverse In to Outbnd"));
    ui->ShowPage(7);
    ui->Type("meanLevel", QStringLiteral("1.2"));
    ui->Type("gM2", QStringLiteral("65.5"));
    ui->Type("F4", QStringLiteral("0.0125"));
    ui->Press(QDialogButtonBox::Ok);

    QCOMPARE(Said(ui->prompter), std::vector<std::string>{"Information: 1 waypoints copied to outbound voyage"});
    QVERIFY(!ui->IsOpen());
    QCOMPARE(std::tuple(port.berth, port.maxDraft, port.salinity, port.bunkers, port.maxAirDraft, port.country),
             std::tuple(std::string("Waalhaven 7"), 12.5, 1.035, true, 60.0, std::string("NL")));
    QCOMPARE(port.agentName + "|" + port.agentEmail + "|" + port.pilotStation + "|" + port.notes,
             std::string("Van Ommeren|ops@vo.nl|Maas Center|Berth 8"));
    QCOMPARE(std::tuple(port.callPilotUnit, port.ladderSide, LocalFieldsOf(port.pilotEta)),
             std::tuple(CPortInfo::kMiles, CPortInfo::kPort, CCivilTime{2024, 11, 3, 6, 0, 0}));
    QCOMPARE(port.documents, std::vector<std::string>{"/ports/rotterdam.pdf"});
    QCOMPARE(std::tuple(port.tide.meanLevel, port.tide.gM2, port.tide.F4, port.tide.hmM2, port.inbound.GetCount()),
             std::tuple(1.2, 65.5, 0.0125, 0.805, 1));
    QCOMPARE(std::tuple(port.GetName(), port.outbound.GetCount(), port.outbound.GetHead()->GetName()),
             std::tuple(std::string("Rotterdam Europoort"), 1, std::string("Maas Center")));
  }

  // Salinity 1.035 is taken above; 1.040 is not, nor the other limits.
  void limitsAreRefusedOnTheirField() {
    const std::pair<const char*, const char*> refusals[] = {
        {"maxDraft", "Please enter a number between 0.0 and 999.0."},
        {"salinity", "Please enter a number between 0.999 and 1.035."},
        {"maxAirDraft", "Please enter a number between 2.0 and 999.0."},
    };
    for (const auto& [editor, message] : refusals) {
      init();
      Open();
      ui->ShowPage(1);
      ui->Type(editor, editor == std::string("salinity") ? QStringLiteral("1.040") : QStringLiteral("1000"));
      ui->ShowPage(2);
      QVERIFY2(ui->Tabs().currentIndex() == 1 && ui->FocusOn(editor), editor);
      ui->Press(QDialogButtonBox::Ok);
      QVERIFY2(ui->IsOpen() && ui->FocusOn(editor), editor);
      const std::string expected = std::string("Exclamation: ") + message;
      QCOMPARE(Said(ui->prompter), (std::vector<std::string>{expected, expected}));
      QVERIFY(Store(port) == original);
    }
  }

  void cancelAfterEditsChangesNothing() {
    Open();
    ui->ShowPage(1);
    ui->Type("country", QStringLiteral("BE"));
    ui->ShowPage(3);
    ui->Editor<CDateTimeEdit>("pilotEta")->SetCivilTime({2025, 1, 1, 0, 0, 0});
    ui->ShowPage(7);
    ui->Type("hmM2", QStringLiteral("2"));
    ui->CancelEdits();
    QVERIFY(!ui->IsOpen() && Store(port) == original);
  }

  void okUntouchedKeepsEveryByte() {
    Open();
    ui->ShowEveryPage();
    ui->Press(QDialogButtonBox::Ok);
    QVERIFY(!ui->IsOpen() && !ui->dialog->Changed() && Store(port) == original);

    // Edited on one page, the others keep their bytes too.
    ui.emplace();
    Open();
    ui->ShowEveryPage();
    ui->ShowPage(2);
    ui->Type("agentTelephone", QStringLiteral("+31 10"));
    ui->Press(QDialogButtonBox::Ok);
    port.agentTelephone.clear();
    QVERIFY(Store(port) == original);
  }

 private:
  void Open() { ui->Open<CSheetPort>(port, port.GetName(), ui->prompter); }

  CPortInfo port;
  CBytes original;
  std::optional<CSheetDriver> ui;
};

}  // namespace marigold

QTEST_MAIN(marigold::CSheetPortTest)
#include "SheetPortTest.moc"
