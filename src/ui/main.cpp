// marigold-route: the desktop program.
//   marigold-route [--data FOLDER] [--screenshot OUT.png] [ROUTE.rtp]
// --data takes the six data files from FOLDER and keeps the settings in
// memory, so that the example voyage never touches the user's own data;
// --screenshot saves a picture of the main window and exits.
#include <QApplication>
#include <QTimer>
#include <clocale>
#include <memory>

#include "core/Clock.h"
#include "core/MemorySettingsStore.h"
#include "qtplatform/DataFolderLock.h"
#include "qtplatform/QtSettingsStore.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/QtPrompter.h"
#include "voyage/MarigoldRouteDoc.h"

namespace {

std::unique_ptr<marigold::CSettingsStore> SettingsFor(const QString& dataFolder) {
  using namespace marigold;
  if (dataFolder.isEmpty()) return std::make_unique<CQtSettingsStore>();
  auto settings = std::make_unique<CMemorySettingsStore>();
  UseDataFolder(*settings, dataFolder.toStdString());
  settings->WriteInt("Path", "AskLoadOld", 0);
  return settings;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace marigold;
  QApplication app(argc, argv);
  // The logic formats its numbers with printf: always a decimal point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setOrganizationName("Lanternfish Works");
  QApplication::setApplicationName(kAppTitle);

  QString dataFolder, screenshot, route;
  const QStringList arguments = QApplication::arguments();
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--data") && i + 1 < arguments.size())
      dataFolder = arguments[++i];
    else if (arguments[i] == QLatin1String("--screenshot") && i + 1 < arguments.size())
      screenshot = arguments[++i];
    else
      route = arguments[i];
  }

  const std::unique_ptr<CSettingsStore> settings = SettingsFor(dataFolder);
  CQtPrompter prompter;
  CSystemClock clock;
  // One copy writes the data files; a second one only reads them.
  const CDataFolderLock lock(DataFolders(*settings));
  CMarigoldRouteDoc doc(*settings, prompter, clock,
                        lock.Held() ? CMarigoldRouteDoc::EMode::ReadWrite : CMarigoldRouteDoc::EMode::DataLocked);
  int result = 1;
  {
    CMainFrame frame(doc, *settings, prompter);
    prompter.SetParent(&frame);
    const bool ready = route.isEmpty() ? frame.NewDocument() : frame.OpenDocument(route.toStdString());
    if (ready) {
      frame.resize(1200, 700);
      frame.show();
      if (!screenshot.isEmpty()) {
        QTimer::singleShot(0, &frame, [&frame, &screenshot] {
          frame.RefreshViews();
          QApplication::processEvents();
          QApplication::exit(frame.grab().save(screenshot) ? 0 : 1);
        });
      }
      result = QApplication::exec();
    }
    prompter.SetParent(nullptr);
  }
  return result;
}
