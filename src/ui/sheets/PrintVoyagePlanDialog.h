#pragma once
// "Print Voyage Plan": one radio button per section of the plan, in the
// order the plan is printed. Choosing one sets what Print prints (the list
// view shows a chosen list); "Print" prints that section, "Save whole plan
// as PDF..." writes every section into one file with continuous page
// numbers. Closing gives the document back its selected list.
#include <QDialog>
#include <memory>
#include <optional>

#include "voyage/PrintMode.h"

class QButtonGroup;

namespace marigold {

class CMainFrame;
class CPrintJob;

inline constexpr const char* kPrintVoyagePlanTitle = "Print Voyage Plan";

class CPrintVoyagePlanDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit CPrintVoyagePlanDialog(CMainFrame& frame);

  // The chosen section's print mode.
  int ChosenMode() const;
  // What "Print" prints: the chosen section; null, with the message shown,
  // when it cannot print.
  std::unique_ptr<CPrintJob> SectionJob();

 private:
  void Choose(int mode);
  void Print();
  void SaveWholePlan();

  CMainFrame& frame_;
  CPrintScope scope_;
  QButtonGroup* sections_ = nullptr;
};

}  // namespace marigold
