#include "ui/frame/CommandPicture.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTimer>

#include "core/CommandIds.h"
#include "ui/frame/CommandTable.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/RouteView.h"

namespace marigold {
namespace {

// NAME-n.png beside NAME.png.
QString PagePicture(const QString& picture, int page) {
  const QFileInfo file(picture);
  const QString suffix = file.suffix().isEmpty() ? QStringLiteral("png") : file.suffix();
  return file.dir().filePath(QStringLiteral("%1-%2.%3").arg(file.completeBaseName()).arg(page).arg(suffix));
}

QStringList SavePictures(QWidget& dialog, const QString& picture) {
  QStringList files;
  auto* tabs = dialog.findChild<QTabWidget*>();
  if (!tabs || tabs->count() < 2) {
    if (dialog.grab().save(picture)) files << picture;
    return files;
  }
  for (int page = 0; page < tabs->count(); ++page) {
    tabs->setCurrentIndex(page);
    QApplication::processEvents();
    const QString file = PagePicture(picture, page + 1);
    if (dialog.grab().save(file)) files << file;
  }
  return files;
}

void Close(QWidget& dialog) {
  if (auto* modal = qobject_cast<QDialog*>(&dialog))
    modal->reject();
  else
    dialog.close();
}

}  // namespace

CCommandPicture PictureOfCommand(CMainFrame& frame, int commandId, const QString& picture, int row) {
  if (commandId == command::kEditItem || commandId == command::kContextEdit) {
    CMarigoldRouteView& view = frame.RouteView();
    view.selectionModel()->select(view.model()->index(row, 0),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  CCommandPicture result;
  QElapsedTimer clock;
  // Looks for the dialog while the command waits in it; every later one is
  // closed unseen, so that the command always comes back.
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog || !dialog->isVisible()) return;
    if (!result.opened) {
      // Built, filled, laid out and painted: open as the officer sees it.
      dialog->repaint();
      result.milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
      result.opened = true;
      result.files = SavePictures(*dialog, picture);
    }
    Close(*dialog);
  });
  clock.start();
  poll.start();
  RunCommand(commandId, frame);
  poll.stop();
  return result;
}

}  // namespace marigold
