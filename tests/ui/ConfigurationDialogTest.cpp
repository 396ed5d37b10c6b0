#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "core/Settings.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "ui/sheets/ConfigurationDialog.h"

using namespace marigold;

namespace {

const char* const kPathKeys[] = {"vesseldata",   "Routedat",   "portinfo",     "Meteodat", "Warningdat",
                                 "Hurricanedat", "DaysOldFix", "DaysOldHurri", "ConvChar", "AskLoadOld"};

int WrittenKeys(const CMemorySettingsStore& store) {
  int n = 0;
  for (const char* key : kPathKeys) n += store.Has("Path", key) ? 1 : 0;
  return n;
}

}  // namespace

class ConfigurationDialogTest : public QObject {
  Q_OBJECT

  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  std::optional<CConfigurationDialog> shown;

  CConfigurationDialog& Open() {
    shown.emplace(store, prompter);
    shown->show();
    return *shown;
  }

 private slots:
  void init() {
    shown.reset();
    store = CMemorySettingsStore();
    prompter = CScriptedPrompter();
  }

  void firstStartShowsDefaultsAndOkOrCancelWriteNothing() {
    CConfigurationDialog& dialog = Open();
    QVERIFY(dialog.askLoadOldBox()->isChecked());
    QStringList paths;
    for (const EDataFile file : {EDataFile::Vessel, EDataFile::History, EDataFile::Ports, EDataFile::Meteo,
                                 EDataFile::Warnings, EDataFile::Hurricanes})
      paths << dialog.pathEdit(file)->text();
    QCOMPARE(paths, QStringList({"vessel.dat", "voyage.dat", "port.dat", "meteo.dat", "warning.dat", "hurricane.dat"}));
    QCOMPARE(std::tuple(dialog.daysOldFixBox()->value(), dialog.daysOldHurriBox()->value(),
                        dialog.separatorBox()->currentText(), dialog.Changed()),
             std::tuple(7, 7, QStringLiteral(","), false));

    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible() && !dialog.Applied());
    QCOMPARE(WrittenKeys(store), 0);

    // Cancel without a change asks nothing.
    CConfigurationDialog& again = Open();
    Press(again, QDialogButtonBox::Cancel);
    QVERIFY(!again.isVisible() && prompter.questions.empty());
  }

  // On OK, and on closing when the changes are to be kept.
  void daysOutOfRangeAreRefused() {
    // The hurricanes' box or the fixes', closed or OK, the text typed, the message.
    const std::tuple<bool, bool, const char*, const char*> refusals[] = {
        {false, false, "2", "Please enter an integer between 3 and 30."},
        {false, false, "31", "Please enter an integer between 3 and 30."},
        {true, false, "5", "Please enter an integer between 6 and 30."},
        {false, true, "2", "Please enter an integer between 3 and 30."},
    };
    for (const auto& [hurricane, close, typed, message] : refusals) {
      init();
      CConfigurationDialog& dialog = Open();
      QSpinBox* box = hurricane ? dialog.daysOldHurriBox() : dialog.daysOldFixBox();
      Retype(box, QString::fromLatin1(typed));
      prompter.answers.push_back(false);  // the close question: keep the changes
      close ? void(dialog.close()) : Press(dialog, QDialogButtonBox::Ok);
      QVERIFY2(dialog.isVisible() && dialog.focusWidget() == box, typed);
      QCOMPARE(MessageTexts(prompter), std::vector<std::string>{message});
      QCOMPARE(WrittenKeys(store), 0);
    }
  }

  void changedDaysAreStoredWithAllTenSettings() {
    store.WriteString("Path", "portinfo", "/ship/port.dat");
    CConfigurationDialog& dialog = Open();
    QCOMPARE(dialog.pathEdit(EDataFile::Ports)->text(), QStringLiteral("/ship/port.dat"));
    Retype(dialog.daysOldFixBox(), QStringLiteral("12"));
    QVERIFY(dialog.Changed());
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(!dialog.isVisible() && dialog.Applied() && prompter.messages.empty());
    QCOMPARE(std::tuple(WrittenKeys(store), store.GetInt("Path", "DaysOldFix", 0),
                        store.GetInt("Path", "DaysOldHurri", 0), store.GetInt("Path", "AskLoadOld", 0),
                        store.GetString("Path", "portinfo", "") + "|" + store.GetString("Path", "ConvChar", "")),
             std::tuple(10, 12, 7, 1, std::string("/ship/port.dat|,")));
  }

  // Yes discards the change, No writes it.
  void closingAfterAChangeAsks() {
    for (const bool cancelChanges : {true, false}) {
      init();
      CConfigurationDialog& dialog = Open();
      dialog.askLoadOldBox()->click();
      prompter.answers.push_back(cancelChanges);
      dialog.close();
      QVERIFY(!dialog.isVisible());
      QCOMPARE(prompter.questions, std::vector<std::string>{"Data has changed!\nCancel all changes?"});
      QCOMPARE(std::tuple(dialog.Applied(), WrittenKeys(store), store.GetInt("Path", "AskLoadOld", 1)),
               cancelChanges ? std::tuple(false, 0, 1) : std::tuple(true, 10, 0));
    }
  }

  void separatorIsOneCharacter() {
    CConfigurationDialog& dialog = Open();
    QComboBox* separator = dialog.separatorBox();
    QCOMPARE(std::tuple(separator->count(), separator->itemText(3)), std::tuple(4, QStringLiteral("\\")));
    separator->lineEdit()->selectAll();
    QTest::keyClicks(separator->lineEdit(), QStringLiteral(";x"));
    QCOMPARE(separator->currentText(), QStringLiteral(";"));

    separator->lineEdit()->clear();
    Press(dialog, QDialogButtonBox::Ok);
    QVERIFY(dialog.isVisible() && dialog.focusWidget() == separator && prompter.messages.size() == 1);

    separator->setCurrentIndex(1);
    Press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(std::tuple(dialog.isVisible(), store.GetString("Path", "ConvChar", "")),
             std::tuple(false, std::string(";")));
  }

  void browseSetsThePath() {
    CConfigurationDialog& dialog = Open();
    prompter.files.push_back(std::nullopt);
    QTest::mouseClick(dialog.browseButton(EDataFile::Warnings), Qt::LeftButton);
    QVERIFY(!dialog.Changed());

    prompter.files.push_back("/ship/data/warning.dat");
    QTest::mouseClick(dialog.browseButton(EDataFile::Warnings), Qt::LeftButton);
    QCOMPARE(std::tuple(prompter.fileChoices.size(), prompter.fileChoices.back().defaultName),
             std::tuple(std::size_t{2}, std::string("warning")));
    QCOMPARE(prompter.fileChoices[1].filter,
             std::string("Navigational Warnings (warning.dat)|warning.dat|All Files (*.*)|*.*||"));
    QCOMPARE(dialog.pathEdit(EDataFile::Warnings)->text(), QStringLiteral("/ship/data/warning.dat"));
    QVERIFY(dialog.Changed());
    Press(dialog, QDialogButtonBox::Ok);
    QCOMPARE(store.GetString("Path", "Warningdat", ""), std::string("/ship/data/warning.dat"));
  }
};

QTEST_MAIN(ConfigurationDialogTest)
#include "ConfigurationDialogTest.moc"
