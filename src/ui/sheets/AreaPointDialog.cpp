#include "ui/sheets/AreaPointDialog.h"

#include <QVBoxLayout>

#include "core/PositionFields.h"
#include "ui/widgets/PositionEdit.h"

namespace marigold {

CAreaPointDialog::CAreaPointDialog(CPosition2& point, CPrompter& prompter, QWidget* parent)
    : CEditDialog(prompter, nullptr, parent), point_(point), position_(new CPositionEdit("", this)) {
  setWindowTitle(QStringLiteral("Position"));
  ContentLayout()->addWidget(position_);
  position_->SetFields(PositionFields(point.GetLatitude(), point.GetLongitude()));
  WatchForChanges(this);
}

std::optional<CFieldRefusal> CAreaPointDialog::Validate() { return ValidatePositionFields(position_->Fields()); }

void CAreaPointDialog::Apply() {
  const CPosition2 entered = ReadPosition(position_->Fields());
  point_.SetLatitude(entered.GetLatitude());
  point_.SetLongitude(entered.GetLongitude());
}

}  // namespace marigold
