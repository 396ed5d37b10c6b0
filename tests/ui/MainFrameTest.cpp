// The main window: title, status band, recent files, unsaved changes, the
// day and night colours, and the prompter's filters and choice dialog.
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "fakes/Fakes.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/QtPrompter.h"
#include "ui/frame/RouteView.h"
#include "voyage/VoyageStatus.h"

namespace marigold {

class CMainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void titleAndRecentFilesFollowTheDocument();
  void statusBandShowsTheVoyageStatus();
  void unsavedChangesAreAskedAbout();
  void dayAndNightColours();
  void fileFiltersAndChoiceDialog();

 private:
  std::string File(const QString& name) const { return dir->filePath(name).toStdString(); }

  std::optional<QTemporaryDir> dir;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
  std::optional<CMarigoldRouteDoc> doc;
  std::optional<CMainFrame> frame;
};

void CMainFrameTest::init() {
  dir.emplace();
  UseDataFolder(store, dir->path().toStdString());
  store.WriteInt("Path", "AskLoadOld", 0);
  doc.emplace(store, prompter, clock);
  frame.emplace(*doc, store, prompter);
  prompter.messages.clear();
}

void CMainFrameTest::cleanup() {
  frame.reset();
  doc.reset();
  prompter = CScriptedPrompter();
  store = CMemorySettingsStore();
  dir.reset();
}

void CMainFrameTest::titleAndRecentFilesFollowTheDocument() {
  QVERIFY(frame->NewDocument());
  QCOMPARE(frame->windowTitle(), QString("Untitled[*] - Marigold Route"));
  QVERIFY(!frame->isWindowModified());

  // Six documents saved: the newest four are listed, newest first.
  for (int i = 1; i <= 6; ++i) {
    prompter.files = {File(QString("trip%1.rtp").arg(i))};
    QVERIFY(RunCommand(command::kSaveAs, *frame));
  }
  QCOMPARE(prompter.fileChoices.back().defaultExtension, std::string("rtp"));
  QCOMPARE(frame->windowTitle(), QString("trip6.rtp[*] - Marigold Route"));
  QCOMPARE(frame->RecentFiles(),
           std::vector<std::string>({File("trip6.rtp"), File("trip5.rtp"), File("trip4.rtp"), File("trip3.rtp")}));
  QCOMPARE(store.GetString("Recent File List", "File1", ""), File("trip6.rtp"));
  QCOMPARE(frame->Action(command::kRecentFile1 + 3)->text(), QString("&4 trip3.rtp"));

  // A listed file opens; a vanished one leaves the list.
  doc->Voyage().AddNew()->SetName("Extra");
  doc->modified = true;
  prompter.saveAnswers = {ESaveAnswer::Discard};
  QVERIFY(RunCommand(command::kRecentFile1 + 2, *frame));
  QCOMPARE(frame->DocumentPath(), File("trip4.rtp"));
  QCOMPARE(frame->RecentFiles().front(), File("trip4.rtp"));
  QCOMPARE(doc->Voyage().GetCount(), 0);
  QVERIFY(QFile::remove(QString::fromStdString(File("trip5.rtp"))));
  QVERIFY(!frame->OpenDocument(File("trip5.rtp")));
  QCOMPARE(frame->RecentFiles().size(), 3u);
  QVERIFY(!frame->Action(command::kRecentFile1 + 3)->isVisible());
}

void CMainFrameTest::statusBandShowsTheVoyageStatus() {
  auto* line = frame->findChild<QLineEdit*>("statusLine");
  QVERIFY(line);
  QVERIFY(line->isReadOnly());
  QCOMPARE(line->alignment(), Qt::AlignCenter);
  QVERIFY(line->text().endsWith("NO VOYAGE LOADED"));

  for (int i = 0; i < 3; ++i) {
    CWaypoint* waypoint = doc->Voyage().AddNew();
    waypoint->SetLatitude(50.0 + i);
    waypoint->SetLongitude(-4.0);
  }
  CFixRecord* fix = doc->NewFixFromVessel();
  fix->SetLatitude(50.5);
  fix->SetLongitude(-4.0);
  doc->ProcessFix(*fix);
  frame->RefreshViews();
  const QString expected = QString::fromStdString(StatusLine(doc->Voyage(), doc->LatestFix()));
  QVERIFY(!expected.contains("NO VOYAGE LOADED"));
  QCOMPARE(frame->StatusText(), expected);
  QCOMPARE(line->text(), expected);
}

void CMainFrameTest::unsavedChangesAreAskedAbout() {
  frame->show();
  doc->modified = true;
  prompter.questions.clear();
  prompter.saveAnswers = {ESaveAnswer::Cancel, ESaveAnswer::Cancel};
  QVERIFY(!frame->close());
  QVERIFY(!frame->NewDocument());
  QCOMPARE(prompter.questions, std::vector<std::string>(2, "Save changes to Untitled?"));

  // Save on an untitled document asks for a name; cancelling that keeps the window.
  prompter.saveAnswers = {ESaveAnswer::Save, ESaveAnswer::Save};
  QVERIFY(!frame->close());
  prompter.files = {File("kept.rtp")};
  QVERIFY(frame->close());
  QVERIFY(QFile::exists(QString::fromStdString(File("kept.rtp"))));
  QVERIFY(!doc->modified);
}

void CMainFrameTest::dayAndNightColours() {
  auto& view = frame->RouteView();
  QCOMPARE(view.palette().color(QPalette::Base), QColor(Qt::white));
  QVERIFY(RunCommand(command::kDayNight, *frame));
  QVERIFY(frame->NightColours());
  QCOMPARE(view.palette().color(QPalette::Base), QColor(0, 0, 255));
  QCOMPARE(view.palette().color(QPalette::Text), QColor(Qt::white));
  RunCommand(command::kDayNight, *frame);
  QCOMPARE(view.palette().color(QPalette::Base), QColor(Qt::white));
  QCOMPARE(view.palette().color(QPalette::Text), QColor(Qt::black));

  QVERIFY(RunCommand(command::kLargeIcons, *frame));
  QCOMPARE(view.ViewStyle(), 3);
  QVERIFY(frame->Action(command::kLargeIcons)->isChecked());
  QVERIFY(!frame->Action(command::kDetails)->isChecked());
}

void CMainFrameTest::fileFiltersAndChoiceDialog() {
  QCOMPARE(QtNameFilters("Route Files (*.rtp)|*.rtp|All Files (*.*)|*.*||"),
           QStringList({"Route Files (*.rtp)", "All Files (*)"}));
  QCOMPARE(QtNameFilters("Data|*.dat;*.bak||"), QStringList({"Data (*.dat *.bak)"}));

  CChoiceDialog dialog("Voyage file version", "Please select file type:", {"Old", "New"}, 1);
  QCOMPARE(dialog.windowTitle(), QString("Voyage file version"));
  QCOMPARE(dialog.Chosen(), 1);
  dialog.findChildren<QRadioButton*>().at(0)->click();
  dialog.reject();  // the choice stands however the dialog closes
  QCOMPARE(dialog.Chosen(), 0);
}

}  // namespace marigold

QTEST_MAIN(marigold::CMainFrameTest)
#include "MainFrameTest.moc"
