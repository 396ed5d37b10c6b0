// The main window: title, status band, recent files, unsaved changes, the
// day and night colours, and the prompter's filters and choice dialog.
#include <QtTest>
#include <QtWidgets>
#include <functional>
#include <optional>

#include "core/DataFile.h"
#include "core/Settings.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "qtplatform/DataFolderLock.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/NightColours.h"
#include "ui/frame/QtPrompter.h"
#include "ui/frame/RouteView.h"
#include "voyage/VoyageStatus.h"

namespace marigold {

class CMainFrameTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;
  QString Path(const std::string& name) const { return QString::fromStdString(f->File(name)); }

 private slots:
  void init() { f.emplace(CDocumentFixture::EData::Missing); }
  void cleanup() { f.reset(); }

  void titleAndRecentFilesFollowTheDocument() {
    CMainFrame& frame = f->frame;
    QVERIFY(frame.NewDocument());
    QCOMPARE(std::tuple(frame.windowTitle(), frame.isWindowModified()),
             std::tuple(QString("Route[*] - Marigold Route"), false));

    // Six documents saved: the newest four are listed, newest first.
    for (int i = 1; i <= 6; ++i) {
      f->prompter.files = {f->File("trip" + std::to_string(i) + ".rtp")};
      QVERIFY(RunCommand(command::kSaveAs, frame));
    }
    QCOMPARE(std::tuple(f->prompter.fileChoices.back().defaultExtension, frame.windowTitle()),
             std::tuple(std::string("rtp"), QString("trip6.rtp[*] - Marigold Route")));
    QCOMPARE(frame.RecentFiles(), std::vector<std::string>({f->File("trip6.rtp"), f->File("trip5.rtp"),
                                                            f->File("trip4.rtp"), f->File("trip3.rtp")}));
    QCOMPARE(std::tuple(f->store.GetString("Recent File List", "File1", ""),
                        frame.Action(command::kRecentFile1 + 3)->text()),
             std::tuple(f->File("trip6.rtp"), QString("&4 trip3.rtp")));

    // A listed file opens; a vanished one leaves the list.
    f->doc->Voyage().AddNew()->SetName("Extra");
    f->doc->modified = true;
    f->prompter.saveAnswers = {ESaveAnswer::Discard};
    QVERIFY(RunCommand(command::kRecentFile1 + 2, frame));
    QCOMPARE(std::tuple(frame.DocumentPath(), frame.RecentFiles().front(), f->doc->Voyage().GetCount()),
             std::tuple(f->File("trip4.rtp"), f->File("trip4.rtp"), 0));
    QVERIFY(QFile::remove(Path("trip5.rtp")) && !frame.OpenDocument(f->File("trip5.rtp")));
    QVERIFY(frame.RecentFiles().size() == 3u && !frame.Action(command::kRecentFile1 + 3)->isVisible());
  }

  void statusBandShowsTheVoyageStatus() {
    auto* line = f->frame.findChild<QLineEdit*>("statusLine");
    QVERIFY(line && line->isReadOnly() && line->text().endsWith("NO VOYAGE LOADED"));
    QCOMPARE(line->alignment(), Qt::AlignCenter);

    for (int i = 0; i < 3; ++i) Placed(f->doc->Voyage().AddNew(), 50.0 + i, -4.0);
    CFixRecord* fix = Placed(f->doc->NewFixFromVessel(), 50.5, -4.0);
    f->doc->ProcessFix(*fix);
    f->frame.RefreshViews();
    const QString expected = QString::fromStdString(StatusLine(f->doc->Voyage(), f->doc->LatestFix()));
    QVERIFY(!expected.contains("NO VOYAGE LOADED"));
    QCOMPARE(std::pair(f->frame.StatusText(), line->text()), std::pair(expected, expected));
  }

  void unsavedChangesAreAskedAbout() {
    CMainFrame& frame = f->frame;
    frame.show();
    f->doc->modified = true;
    f->prompter.questions.clear();
    f->prompter.saveAnswers = {ESaveAnswer::Cancel, ESaveAnswer::Cancel};
    QVERIFY(!frame.close());
    QVERIFY(!frame.NewDocument());
    QCOMPARE(f->prompter.questions, std::vector<std::string>(2, "Save changes to Route?"));

    // Save on an untitled document asks for a name; cancelling that keeps the window.
    f->prompter.saveAnswers = {ESaveAnswer::Save, ESaveAnswer::Save};
    QVERIFY(!frame.close());
    f->prompter.files = {f->File("kept.rtp")};
    QVERIFY(frame.close());
    QVERIFY(QFile::exists(Path("kept.rtp")) && !f->doc->modified);
  }

  void dayAndNightColours() {
    CMainFrame& frame = f->frame;
    QVERIFY(RunCommand(command::kDayNight, frame) && frame.NightColours());
    QCOMPARE(QApplication::palette().color(QPalette::Base), NightPalette().color(QPalette::Base));
    RunCommand(command::kDayNight, frame);
    QCOMPARE(QApplication::palette().color(QPalette::Base),
             QApplication::style()->standardPalette().color(QPalette::Base));

    QVERIFY(RunCommand(command::kLargeIcons, frame));
    QCOMPARE(std::tuple(frame.RouteView().ViewStyle(), frame.Action(command::kLargeIcons)->isChecked(),
                        frame.Action(command::kDetails)->isChecked()),
             std::tuple(3, true, false));
  }

  void fileFiltersAndChoiceDialog() {
    QCOMPARE(QtNameFilters("Route Files (*.rtp)|*.rtp|All Files (*.*)|*.*||"),
             QStringList({"Route Files (*.rtp)", "All Files (*)"}));
    QCOMPARE(QtNameFilters("Data|*.dat;*.bak||"), QStringList({"Data (*.dat *.bak)"}));

    CChoiceDialog dialog("Voyage file version", "Please select file type:", {"Old", "New"}, 1);
    QCOMPARE(std::tuple(dialog.windowTitle(), dialog.Chosen()), std::tuple(QString("Voyage file version"), 1));
    dialog.findChildren<QRadioButton*>().at(0)->click();
    dialog.reject();  // the choice stands however the dialog closes
    QCOMPARE(dialog.Chosen(), 0);
  }

  void dataFilesMovedToAnotherFolderTakeItsLockToo() {
    CDataFolderLock mine(DataFolders(f->store));
    QVERIFY(mine.Held());
    f->frame.HoldDataFolders(&mine);
    const CTempFolder moved("moved"), held("held");
    const CDataFolderLock otherCopy({held.Path().string()});
    QVERIFY(otherCopy.Held());

    // The history located or configured elsewhere: that folder is ours too.
    WriteSetting(f->store, settings::kHistoryData, moved.File("voyage.dat"));
    QVERIFY(RunCommand(command::kDetails, f->frame));
    QVERIFY(!f->doc->DataLocked() && f->prompter.messages.empty());
    QVERIFY(!CDataFolderLock({moved.Path().string()}).Held());

    // The ports in a folder another copy holds: read-only, and said so.
    WriteSetting(f->store, settings::kPortData, held.File("port.dat"));
    QVERIFY(RunCommand(command::kDetails, f->frame));
    QVERIFY(f->doc->DataLocked());
    QCOMPARE(Said(f->prompter), std::vector<std::string>{std::string("Exclamation: ") + kDataFilesInUse});
    QVERIFY(f->frame.findChild<QLabel*>("readOnlyBand"));
    QVERIFY(f->frame.windowTitle().endsWith("(read-only)"));
    QVERIFY(!f->doc->SaveListFile(ERecordList::Fixes, ""));
  }

  void messageBoxesAreWideEnoughForTheirTitles() {
    CQtPrompter prompter;
    const auto titleRoom = [](const QWidget& box) {
      const QFontMetrics windowFont(QFontDatabase::systemFont(QFontDatabase::TitleFont));
      // The title, and the window icon with three buttons of the frame.
      return windowFont.horizontalAdvance(box.windowTitle()) + 3 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    };
    // The shortest messages, each kind of box, and the choice dialog.
    const std::vector<std::function<void()>> asks = {
        [&] { prompter.Message("OK", EMessageIcon::None); },
        [&] { prompter.AskYesNo("?"); },
        [&] { prompter.AskSaveChanges("?"); },
        [&] { prompter.Choose("Voyage file version of a long title", "?", {"A"}, 0); },
    };
    for (std::size_t i = 0; i < asks.size(); ++i) {
      int width = 0, room = 0;
      const CDialogScript script([&](QDialog& box) {
        width = box.width();
        room = titleRoom(box);
        box.reject();
        box.done(QDialog::Rejected);
      });
      asks[i]();
      QVERIFY(script.Seen());
      QVERIFY2(width >= room, qPrintable(QString("box %1: %2 < %3").arg(i).arg(width).arg(room)));
    }
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CMainFrameTest)
#include "MainFrameTest.moc"
