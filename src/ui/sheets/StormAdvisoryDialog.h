#pragma once
// "Storm Advisory": the storm, where the ship's track starts and whether it
// keeps its present course and speed. Every choice is stored in the
// document at once (the start as the opened-from-file flag, which closing
// gives back); "Print" prints the sheet.
#include <QDialog>

#include "voyage/PrintMode.h"

namespace marigold {

class CMainFrame;

class CStormAdvisoryDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit CStormAdvisoryDialog(CMainFrame& frame);
  ~CStormAdvisoryDialog() override;

 private:
  CMainFrame& frame_;
  CPrintScope scope_;
  bool openedFromFile_;
};

}  // namespace marigold
