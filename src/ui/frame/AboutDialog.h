#pragma once
// The About box: program icon, name and version, maker, OK.
#include <QDialog>

namespace marigold {

class CAboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDialog(QWidget* parent = nullptr);
};

// Shows the About box modally.
void ShowAbout(QWidget* parent);

}  // namespace marigold
