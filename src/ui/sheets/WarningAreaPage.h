#pragma once
// "Area" (CPageWarningArea): whether the warning's points outline a no-go
// area or a single line, and the points with "Add", "Edit" and "Delete". The
// page works on copies of the points; OK hands them to the warning, so that
// Cancel leaves the warning's area as it was.
#include "core/Prompter.h"
#include "lists/NavWarning.h"
#include "lists/WarningSheet.h"
#include "ui/sheets/Sheet.h"

class QRadioButton;
class QTreeWidget;

namespace marigold {

class CPageWarningArea final : public CSheetPage {
  Q_OBJECT

 public:
  CPageWarningArea(CNavWarning& warning, CPrompter& prompter, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

 private:
  void Fill(int selectRow);
  int SelectedRow() const;
  // Opens the position dialog on a point.
  CDialogOutcome EditPoint(CPosition2& point);
  void OnAdd();
  void OnEdit();
  void OnDelete();

  CNavWarning& warning_;
  CPrompter& prompter_;
  CWarningAreaFields fields_;
  QRadioButton* noGoArea_;
  QRadioButton* singleLine_;
  QTreeWidget* points_;
};

}  // namespace marigold
