#pragma once
// Pictures of the window a command opens, for the documentation and for
// checking every dialog by eye: `marigold-route --show ID --screenshot
// OUT.png`. The command runs as if chosen from the menu; nothing it opens is
// applied.
#include <QString>
#include <QStringList>

namespace marigold {

class CMainFrame;

struct CCommandPicture {
  bool opened = false;      // a dialog or sheet opened
  QStringList files;        // the pictures written
  double milliseconds = 0;  // from the command to the dialog shown and painted
};

// Runs the command (Edit Item and the context menu's Edit with that row
// selected, the first by default) and saves a picture of the first modal
// dialog it opens:
// `picture` itself, or, for a sheet of several pages, one picture per page
// as NAME-1.png, NAME-2.png, ... Every dialog it opens is then closed as
// with Cancel.
CCommandPicture PictureOfCommand(CMainFrame& frame, int commandId, const QString& picture, int row = 0);

}  // namespace marigold
