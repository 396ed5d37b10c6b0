#pragma once
// The position-fix sheet: "PositionFix" and "Present Weather" over a new
// or an existing fix.
#include <string>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CPositionSheet final : public CSheet {
  Q_OBJECT

 public:
  CPositionSheet(CFixRecord& fix, const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);
};

}  // namespace marigold
