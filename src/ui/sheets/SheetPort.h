#pragma once
// The port's sheet, eight pages: "Position", "General", "Agent", "Pilot",
// "Notes", "Reports", "Harbour Traject" and "Tide".
#include <string>

#include "core/Prompter.h"
#include "lists/PortInfo.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CSheetPort final : public CSheet {
  Q_OBJECT

 public:
  CSheetPort(CPortInfo& port, const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);
};

// Shows the sheet modally; OK writes the edits into the port.
CDialogOutcome ShowPortSheet(QWidget* parent, CPrompter& prompter, CPortInfo& port, const std::string& caption);

}  // namespace marigold
