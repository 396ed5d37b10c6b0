#pragma once
// The warning's sheet: "Warning", "Area" and "Notes" (the warning's second
// text). OK also sets the reference position from the area points.
#include <string>

#include "core/Prompter.h"
#include "lists/NavWarning.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CDangerSheet final : public CSheet {
  Q_OBJECT

 public:
  CDangerSheet(CNavWarning& warning, const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);

 protected:
  void Apply() override;

 private:
  CNavWarning& warning_;
};

// Shows the sheet modally; OK writes the edits into the warning.
CDialogOutcome ShowDangerSheet(QWidget* parent, CPrompter& prompter, CNavWarning& warning, const std::string& caption);

}  // namespace marigold
