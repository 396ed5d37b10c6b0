#pragma once
// The storm's sheet, "Hurricane": "Position", "Vector" and "Eye".
#include <string>

#include "core/Prompter.h"
#include "lists/Hurricane.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CHurricaneSheet final : public CSheet {
  Q_OBJECT

 public:
  CHurricaneSheet(CHurricane& storm, const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);
};

// Shows the sheet modally; OK writes the edits into the storm.
CDialogOutcome ShowHurricaneSheet(QWidget* parent, CPrompter& prompter, CHurricane& storm, const std::string& caption);

}  // namespace marigold
