#pragma once
// The position dialog of the warning's "Area" page: one area point's
// latitude and longitude.
#include "core/Position2.h"
#include "ui/sheets/EditDialog.h"

namespace marigold {

class CPositionEdit;

class CAreaPointDialog final : public CEditDialog {
  Q_OBJECT

 public:
  CAreaPointDialog(CPosition2& point, CPrompter& prompter, QWidget* parent = nullptr);

 protected:
  std::optional<CFieldRefusal> Validate() override;
  void Apply() override;

 private:
  CPosition2& point_;
  CPositionEdit* position_;
};

}  // namespace marigold
