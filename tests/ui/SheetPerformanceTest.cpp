#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "fakes/DataFolder.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/SheetPerformance.h"

using namespace marigold;

namespace {

QWidget* Page(const CSheet& sheet, int page) { return sheet.tabWidget()->widget(page); }
QString Text(const CSheet& sheet, int page, const char* name) {
  ShowPage(sheet, page);
  return Editor<QLineEdit>(*Page(sheet, page), name)->text();
}
QSlider* Slider(const CSheet& sheet, int page) { return Page(sheet, page)->findChild<QSlider*>(); }

}  // namespace

// The default ship at 63 rpm (theoretical 16.12 knots): hull index 0.628 at
// the factor 0.3, so 15.2 knots in calm water; 14.3 knots at the factor 0.6
// (index 1.256).
class SheetPerformanceTest : public QObject {
  Q_OBJECT

  std::optional<CTempFolder> folder;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CVessel2 documentVessel;
  std::optional<CSheetPerformance> shown;

  CSheetPerformance& Open(const CVessel2& sheetVessel = CVessel2(), bool writes = true) {
    shown.emplace(sheetVessel, documentVessel, writes ? &store : nullptr, nullptr, prompter);
    shown->show();
    return *shown;
  }
  std::string VesselFile() const { return folder->File("vessel.dat"); }

 private slots:
  void init() {
    shown.reset();
    folder.emplace("performance");
    store = CMemorySettingsStore();
    store.WriteString("Path", "vesseldata", VesselFile());
    prompter = CScriptedPrompter();
    documentVessel = CVessel2();
    documentVessel.draftForward = 11.0;
  }

  void threePagesOnTheSheetsVessel() {
    CSheetPerformance& sheet = Open();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Performance"));
    QStringList tabs;
    for (int i = 0; i < sheet.tabWidget()->count(); ++i) tabs << sheet.tabWidget()->tabText(i);
    QCOMPARE(tabs, QStringList({"Hull", "Wind", "Performance"}));
    QCOMPARE(
        std::tuple(Page(sheet, 0)->findChild<QGroupBox*>()->title(), Page(sheet, 1)->findChild<QGroupBox*>()->title()),
        std::tuple(QStringLiteral("Performance in calm weather (no wind)"),
                   QStringLiteral("Performance with headwind")));
    QCOMPARE(std::tuple(Slider(sheet, 0)->value(), Editor<QDoubleSpinBox>(*Page(sheet, 0), "engineSetting")->value(),
                        Text(sheet, 0, "speed")),
             std::tuple(30, 63.0, QStringLiteral("15.2")));
    // 16 knots of head wind by default on both pages.
    QCOMPARE(std::tuple(Slider(sheet, 1)->value(), Editor<QDoubleSpinBox>(*Page(sheet, 1), "windSpeed")->value(),
                        Text(sheet, 1, "logSpeed")),
             std::tuple(3, 16.0, QStringLiteral("14.9")));
    QCOMPARE(std::tuple(Slider(sheet, 2)->maximum(), Slider(sheet, 2)->value(), Text(sheet, 2, "logSpeed"),
                        Text(sheet, 2, "slip")),
             std::tuple(106, 43, QStringLiteral("14.9"), QStringLiteral("7.8")));
  }

  // The sliders act while they move; the pages share the sheet's vessel.
  void slidersActWhileTheyMove() {
    CSheetPerformance& sheet = Open();
    Slider(sheet, 0)->setSliderDown(true);
    Slider(sheet, 0)->setValue(60);
    QCOMPARE(Text(sheet, 0, "speed"), QStringLiteral("14.3"));
    Slider(sheet, 0)->setSliderDown(false);
    QCOMPARE(sheet.Model().Vessel().hullResistanceFactor, 0.6);

    ShowPage(sheet, 2);
    Slider(sheet, 2)->setValue(26);  // 106 − 26 rpm
    ShowPage(sheet, 0);
    QCOMPARE(Editor<QDoubleSpinBox>(*Page(sheet, 0), "engineSetting")->value(), 80.0);
  }

  void aTypedDraftCountsWhenItLosesTheFocus() {
    CSheetPerformance& sheet = Open();
    QApplication::setActiveWindow(&sheet);
    QVERIFY(QTest::qWaitForWindowActive(&sheet));
    auto* draft = Editor<QDoubleSpinBox>(*Page(sheet, 0), "draftForward");
    draft->setFocus();
    Retype(draft, QStringLiteral("5"));
    QCOMPARE(Text(sheet, 0, "speed"), QStringLiteral("15.2"));
    QTest::keyClick(draft, Qt::Key_Tab);
    QCOMPARE(sheet.Model().Vessel().draftForward, 5.0);
    // Mean draft 8.93 m and 0.71 m of squat: 9344 m² wetted instead of 10775,
    // hull index 0.545.
    QCOMPARE(Text(sheet, 0, "speed"), QStringLiteral("15.3"));
    ShowPage(sheet, 2);
    QCOMPARE(Editor<QDoubleSpinBox>(*Page(sheet, 2), "draftForward")->value(), 5.0);
  }

  // OK: the two factors, nothing else, into the document's vessel, saved.
  void okPassesOnlyTheTwoFactorsAndSaves() {
    CSheetPerformance& sheet = Open();
    Slider(sheet, 0)->setValue(60);
    ShowPage(sheet, 1);
    Slider(sheet, 1)->setValue(10);
    ShowPage(sheet, 2);
    Slider(sheet, 2)->setValue(26);
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && prompter.messages.empty());
    QCOMPARE(std::tuple(documentVessel.hullResistanceFactor, documentVessel.airResistanceFactor,
                        documentVessel.engineSetting, documentVessel.draftForward),
             std::tuple(0.6, 0.1, 63.0, 11.0));
    const CVessel2 stored = StoredVessel(store);
    QCOMPARE(std::tuple(stored.hullResistanceFactor, stored.airResistanceFactor, stored.draftForward),
             std::tuple(0.6, 0.1, 11.0));
  }

  void cancelChangesNothing() {
    CSheetPerformance& sheet = Open();
    Slider(sheet, 0)->setValue(60);
    Press(sheet, QDialogButtonBox::Cancel);
    QVERIFY(!sheet.isVisible() && prompter.questions.empty());
    QCOMPARE(std::tuple(documentVessel.hullResistanceFactor, documentVessel.airResistanceFactor),
             std::tuple(0.3, 0.03));
    QVERIFY(!std::filesystem::exists(VesselFile()));
  }

  // The factors stay in the document's vessel for its next store.
  void aFailedSaveSaysSo() {
    store.WriteString("Path", "vesseldata", folder->File("no-such-folder/vessel.dat"));
    CSheetPerformance& sheet = Open();
    Slider(sheet, 0)->setValue(45);
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible());
    QCOMPARE(MessageTexts(prompter),
             std::vector<std::string>{"Could not save changed data\nPlease check program configuration"});
    QCOMPARE(prompter.messages.front().icon, EMessageIcon::Exclamation);
    QCOMPARE(documentVessel.hullResistanceFactor, 0.45);
  }

  // While another copy holds the data folders the factors stay in the
  // document's vessel and no file is written.
  void withTheDataHeldElsewhereOkWritesNoFile() {
    CSheetPerformance& sheet = Open(CVessel2(), false);
    Slider(sheet, 0)->setValue(45);
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && prompter.messages.empty());
    QCOMPARE(documentVessel.hullResistanceFactor, 0.45);
    QVERIFY(!std::filesystem::exists(VesselFile()));
  }

  // Without pitch nothing can be computed: "NA", never inf or nan.
  void figuresThatCannotBeComputedShowNa() {
    CVessel2 noPitch;
    noPitch.propellerPitch = 0;
    CSheetPerformance& sheet = Open(noPitch);
    QCOMPARE(QStringList({Text(sheet, 0, "speed"), Text(sheet, 1, "logSpeed"), Text(sheet, 2, "logSpeed"),
                          Text(sheet, 2, "slip")}),
             QStringList({"NA", "NA", "NA", "NA"}));
  }

  // The command's sheet reads vessel.dat, not the document's vessel.
  void theCommandStartsFromVesselDat() {
    CFrameFixture f;
    f.doc->Vessel().hullResistanceFactor = 0.5;  // not saved yet
    f.doc->Vessel().engineSetting = 90;
    int opened = -1;
    CDialogScript script([&](QDialog& dialog) {
      auto& sheet = static_cast<CSheetPerformance&>(dialog);
      opened = Slider(sheet, 0)->value();
      Slider(sheet, 0)->setValue(70);
      Press(sheet, QDialogButtonBox::Ok);
    });
    QVERIFY(RunCommand(command::kVesselPerformance, f.frame) && script.Seen());
    QCOMPARE(opened, 30);
    QVERIFY(qFuzzyCompare(f.doc->Vessel().hullResistanceFactor, 0.7));
    QCOMPARE(f.doc->Vessel().engineSetting, 90.0);
    QCOMPARE(StoredVessel(f.store).hullResistanceFactor, f.doc->Vessel().hullResistanceFactor);
  }
};

QTEST_MAIN(SheetPerformanceTest)
#include "SheetPerformanceTest.moc"
