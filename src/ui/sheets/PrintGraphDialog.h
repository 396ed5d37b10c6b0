#pragma once
// "Print Graph": the range of fixes the speed graph spans, and whether the
// whole voyage prints instead (the voyage graph with the planned values).
// Every choice is stored in the document at once; "Print" prints.
#include <QDialog>

#include "voyage/PrintMode.h"

class QCheckBox;
class QComboBox;

namespace marigold {

class CMainFrame;

class CPrintGraphDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit CPrintGraphDialog(CMainFrame& frame);

 private:
  CMainFrame& frame_;
  CPrintScope scope_;
  QComboBox* from_ = nullptr;
  QComboBox* to_ = nullptr;
  QCheckBox* wholeVoyage_ = nullptr;
};

}  // namespace marigold
