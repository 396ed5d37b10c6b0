// marigold-route: the desktop program.
//   marigold-route [--data FOLDER] [--list LIST] [--night] [--show ID [--row N]] [--screenshot OUT.png]
//                  [ROUTE.rtp]
// --data takes the six data files from FOLDER and keeps the settings in
// memory, so that the example voyage never touches the user's own data;
// --list shows that list (the command line's names: schedule, meteo, ...);
// --night starts in night colours;
// --screenshot saves a picture of the main window and exits; with --show
// it runs the command with that id as if chosen from the menu (Edit on row
// N, the first by default), saves pictures of the dialog that opened (one
// per page of a sheet) and exits without applying anything.
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <memory>

#include "core/Clock.h"
#include "core/DataFile.h"
#include "core/MemorySettingsStore.h"
#include "core/StartFolder.h"
#include "lists/ListKind.h"
#include "qtplatform/DataFolderLock.h"
#include "qtplatform/QtSettingsStore.h"
#include "qtplatform/UserDataFolder.h"
#include "ui/frame/CommandPicture.h"
#include "ui/frame/LeftView.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/QtPrompter.h"
#include "ui/frame/TreeIcons.h"
#include "voyage/MarigoldRouteDoc.h"

namespace {

std::unique_ptr<marigold::CSettingsStore> SettingsFor(const QString& dataFolder) {
  using namespace marigold;
  if (dataFolder.isEmpty()) return std::make_unique<CQtSettingsStore>();
  auto settings = std::make_unique<CMemorySettingsStore>();
  // The folder's own settings (call sign, separator, ...), as the command
  // line reads them; kept in memory, so nothing is written back.
  ReadDataFolderSettings(dataFolder.toStdString(), *settings);
  UseDataFolder(*settings, dataFolder.toStdString());
  settings->WriteInt("Path", "AskLoadOld", 0);
  return settings;
}

// The per-user data folder, made when missing; empty when it cannot be made
// (the data-file settings then stay as they are).
QString MadeUserDataFolder() {
  const QString folder = QString::fromStdString(marigold::UserDataFolder());
  return !folder.isEmpty() && QDir().mkpath(folder) ? folder : QString();
}

}  // namespace

int main(int argc, char** argv) {
  using namespace marigold;
  QApplication app(argc, argv);
  // The logic formats its numbers with printf: always a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setOrganizationName("Lanternfish Works");
  QApplication::setApplicationName(kAppTitle);

  QString dataFolder, screenshot, route, list;
  bool night = false;
  int show = 0;
  int row = 0;
  const QStringList arguments = QApplication::arguments();
  for (int i = 1; i < arguments.size(); ++i) {
    const bool valued = i + 1 < arguments.size();
    if (arguments[i] == QLatin1String("--data") && valued)
      dataFolder = arguments[++i];
    else if (arguments[i] == QLatin1String("--screenshot") && valued)
      screenshot = arguments[++i];
    else if (arguments[i] == QLatin1String("--show") && valued)
      show = arguments[++i].toInt();
    else if (arguments[i] == QLatin1String("--row") && valued)
      row = arguments[++i].toInt();
    else if (arguments[i] == QLatin1String("--list") && valued)
      list = arguments[++i];
    else if (arguments[i] == QLatin1String("--night"))
      night = true;
    else
      route = arguments[i];
  }

  QApplication::setWindowIcon(ProgramIcon());
  const std::unique_ptr<CSettingsStore> settings = SettingsFor(dataFolder);
  // Data files never depend on the folder the program was started from.
  const QString userData = dataFolder.isEmpty() ? MadeUserDataFolder() : QString();
  const bool firstStart = !userData.isEmpty() && SettleDataPaths(*settings, userData.toStdString());
  CQtPrompter dialogs;
  CStartFolderPrompter prompter(dialogs, *settings);
  CSystemClock clock;
  // One copy writes the data files; a second one only reads them.
  CDataFolderLock lock(DataFolders(*settings));
  const CMarigoldRouteDoc::EMode mode = !lock.Held() ? CMarigoldRouteDoc::EMode::DataLocked
                                        : firstStart ? CMarigoldRouteDoc::EMode::FirstStart
                                                     : CMarigoldRouteDoc::EMode::ReadWrite;
  CMarigoldRouteDoc doc(*settings, prompter, clock, mode);
  int result = 1;
  {
    CMainFrame frame(doc, *settings, prompter);
    dialogs.SetParent(&frame);
    // A data file located in another folder while loading needs that folder too.
    if (lock.Held()) frame.HoldDataFolders(&lock);
    const bool ready = route.isEmpty() ? frame.NewDocument() : frame.OpenDocument(route.toStdString());
    if (ready) {
      if (!frame.RestoreLayout()) frame.resize(kDefaultWidth, kDefaultHeight);
      if (const auto kind = ListKindNamed(list.toStdString())) {
        doc.selectedList = *kind;
        frame.LeftView().Refresh();
      }
      if (night && !frame.NightColours()) frame.ToggleNightColours();
      if (firstStart) frame.ShowWelcome(userData);
      frame.show();
      if (show != 0) {
        QTimer::singleShot(0, &frame, [&frame, &screenshot, show, row] {
          frame.RefreshViews();
          QApplication::processEvents();
          const CCommandPicture picture = PictureOfCommand(frame, show, screenshot, row);
          if (!picture.opened) {
            std::fprintf(stderr, "marigold-route: command %d opened no dialog\n", show);
          } else {
            std::fprintf(stderr, "marigold-route: command %d open in %.1f ms: %s\n", show, picture.milliseconds,
                         qPrintable(picture.files.join(QStringLiteral(", "))));
          }
          QApplication::exit(picture.opened && !picture.files.isEmpty() ? 0 : 1);
        });
      } else if (!screenshot.isEmpty()) {
        QTimer::singleShot(0, &frame, [&frame, &screenshot] {
          frame.RefreshViews();
          QApplication::processEvents();
          QApplication::exit(frame.grab().save(screenshot) ? 0 : 1);
        });
      }
      result = QApplication::exec();
    }
    dialogs.SetParent(nullptr);
  }
  return result;
}
