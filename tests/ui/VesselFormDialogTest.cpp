#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "fakes/DataFolder.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "fakes/TempFolder.h"
#include "ui/sheets/VesselFormDialog.h"

using namespace marigold;

namespace {

using CFormOf = const CVesselForm& (*)();

}  // namespace

class VesselFormDialogTest : public QObject {
  Q_OBJECT

  std::optional<CTempFolder> folder;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CVessel2 vessel;
  std::optional<CVesselFormDialog> shown;

  CVesselFormDialog& Open(CFormOf form, bool writeFiles = true) {
    shown.emplace(form(), vessel, store, prompter, nullptr, writeFiles);
    shown->show();
    return *shown;
  }
  std::string VesselFile() const { return folder->File("vessel.dat"); }

 private slots:
  void init() {
    shown.reset();
    folder.emplace("vessel-form");
    store = CMemorySettingsStore();
    store.WriteString("Path", "vesseldata", VesselFile());
    prompter = CScriptedPrompter();
    vessel = CVessel2();
  }

  void dimensionsShowTheRecordAndSaveEditsWithTheIdentity() {
    CVesselFormDialog& dialog = Open(VesselDimensionsForm);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Vessel Dimensions"));
    QCOMPARE(std::tuple(Editor<QLineEdit>(dialog, "name")->text(), Editor<QLineEdit>(dialog, "callSign")->text(),
                        Editor<QDoubleSpinBox>(dialog, "lengthPP")->text(),
                        Editor<QDoubleSpinBox>(dialog, "maxDisplacement")->text()),
             std::tuple(QStringLiteral("mv Marlinspike"), QStringLiteral("XXXX"), QStringLiteral("247.00 m"),
                        QStringLiteral("80950 mT")));
    QVERIFY(dialog.findChild<QGroupBox*>()->title() == QStringLiteral("Maximum Draft (Loadline)"));

    Type(dialog, "callSign", QStringLiteral("PDKM"));
    Type(dialog, "imoNumber", QStringLiteral("9321483"));
    Type(dialog, "lengthPP", QStringLiteral("199.5"));
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible() && dialog.Applied() && prompter.messages.empty());
    // Only what was typed changed: the breadth keeps every digit.
    QCOMPARE(std::tuple(vessel.callSign, vessel.imoNumber, vessel.lengthPP, vessel.breadth),
             std::tuple(std::string("PDKM"), std::string("9321483"), 199.5, 32.26));
    QCOMPARE(std::tuple(store.GetString("Vessel", "CallSign", ""), store.GetString("Vessel", "IMONumber", "")),
             std::tuple(std::string("PDKM"), std::string("9321483")));
    // 244 bytes and the counted name ("mv Marlinspike": one count byte and 14 characters).
    QCOMPARE(std::filesystem::file_size(VesselFile()), std::uintmax_t{244 + 1 + 14});
    QCOMPARE(StoredVessel(store).lengthPP, 199.5);
  }

  // Another copy of the program holds the data folder: the record changes,
  // vessel.dat is not written behind that copy's back.
  void withTheDataHeldElsewhereOkWritesNoFile() {
    CVesselFormDialog& dialog = Open(EngineForm, false);
    Type(dialog, "mcrRpm", QStringLiteral("110"));
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible() && prompter.messages.empty());
    QCOMPARE(vessel.mcrRpm, 110);
    QVERIFY(!std::filesystem::exists(VesselFile()));
  }

  // Nothing typed: OK and Cancel leave the record, the file and the store alone.
  void unchangedFormsWriteNothing() {
    for (const CFormOf form : {VesselDimensionsForm, EngineForm, HydrostaticForm})
      for (const auto button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
        init();
        CVesselFormDialog& dialog = Open(form);
        Press(dialog, button);
        QVERIFY(!dialog.isVisible() && !dialog.Applied() && prompter.questions.empty());
        QVERIFY(!std::filesystem::exists(VesselFile()) && !store.Has("Vessel", "CallSign"));
      }
  }

  // Yes discards the edit, No saves it as OK does; the hydrostatic data ask nothing.
  void closingAfterAnEditAsks() {
    const std::tuple<CFormOf, const char*, bool, bool, double> cases[] = {
        // form, field, answer (cancel all changes?), asks, breadth or pitch or draft afterwards
        {VesselDimensionsForm, "breadth", true, true, 32.26}, {VesselDimensionsForm, "breadth", false, true, 40.0},
        {EngineForm, "propellerPitch", true, true, 7.9},      {EngineForm, "propellerPitch", false, true, 40.0},
        {HydrostaticForm, "hydroDraft", false, false, 8.0},
    };
    for (const auto& [form, field, cancelChanges, asks, after] : cases) {
      init();
      CVesselFormDialog& dialog = Open(form);
      Type(dialog, field, QStringLiteral("40"));
      prompter.answers.push_back(cancelChanges);
      dialog.close();
      QVERIFY(!dialog.isVisible());
      QCOMPARE(prompter.questions.size(), asks ? std::size_t{1} : std::size_t{0});
      if (asks) QCOMPARE(prompter.questions.front(), std::string("Data has been changed!\nCancel all changes?"));
      const double now = form == VesselDimensionsForm ? vessel.breadth
                         : form == EngineForm         ? vessel.propellerPitch
                                                      : vessel.hydroDraft;
      QCOMPARE(now, after);
      QCOMPARE(std::filesystem::exists(VesselFile()), asks && !cancelChanges);
    }
  }

  void engineStoresTheDistanceInWholeMilesAndRefusesNegativeRpm() {
    CVesselFormDialog& dialog = Open(EngineForm);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Main Engine Details"));
    Type(dialog, "faRpm", QStringLiteral("-5"));
    Type(dialog, "distanceFaToStop", QStringLiteral("4.7"));
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(dialog.isVisible() && dialog.focusWidget() == dialog.editor("faRpm"));
    QCOMPARE(MessageTexts(prompter), std::vector<std::string>{"Please enter an integer between 0 and 999."});

    Type(dialog, "faRpm", QStringLiteral("58"));
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(std::tuple(vessel.faRpm, vessel.distanceFaToStop), std::tuple(58, 4));
    QCOMPARE(StoredVessel(store).distanceFaToStop, 4);
  }

  // The record keeps the edits for the document's next store.
  void aFailedSaveSaysSoInEachDialogsWords() {
    const std::tuple<CFormOf, const char*, const char*> cases[] = {
        {VesselDimensionsForm, "depthMoulded", "Could not save vessel data to disk\nPlease check hard disk path"},
        {EngineForm, "fuelAtMcr", "Could not save changed data\nPlease check program configuration"},
    };
    for (const auto& [form, field, message] : cases) {
      init();
      store.WriteString("Path", "vesseldata", folder->File("no-such-folder/vessel.dat"));
      CVesselFormDialog& dialog = Open(form);
      Type(dialog, field, QStringLiteral("20"));
      Press(dialog, QDialogButtonBox::Ok);
      QVERIFY(!dialog.isVisible() && dialog.Applied());
      QCOMPARE(MessageTexts(prompter), std::vector<std::string>{message});
      QCOMPARE(prompter.messages.front().icon, EMessageIcon::Exclamation);
      QCOMPARE(form == EngineForm ? vessel.fuelAtMcr : vessel.depthMoulded, 20.0);
    }
  }

  // Copied into the record on OK only; vessel.dat waits for the document's store.
  void hydrostaticDataChangeTheLookupButNotTheFile() {
    CVesselFormDialog& dialog = Open(HydrostaticForm);
    QCOMPARE(Editor<QDoubleSpinBox>(dialog, "hydroDisplacement")->text(), QStringLiteral("73272 mT"));
    Type(dialog, "hydroDisplacement", QStringLiteral("65000"));
    Type(dialog, "hydroLCB", QStringLiteral("-2.5"));
    Press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(std::tuple(vessel.Displacement(), vessel.LookupHydrostatics(3).lcb, vessel.hydroWetSurface),
             std::tuple(65000.0, -2.5, 1000.0));
    QVERIFY(!std::filesystem::exists(VesselFile()));
  }
};

QTEST_MAIN(VesselFormDialogTest)
#include "VesselFormDialogTest.moc"
