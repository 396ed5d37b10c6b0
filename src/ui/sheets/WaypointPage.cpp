#include "ui/sheets/WaypointPage.h"

#include <QFormLayout>
#include <QLineEdit>

#include "core/SheetFields.h"
#include "core/WaypointSheet.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/PositionEdit.h"

namespace marigold {
namespace {

CWaypointPositionFields FieldsOf(const QLineEdit& name, const CPositionEdit& position, const CFigureEdit& utc) {
  return {name.text().toStdString(), position.Fields(), utc.value()};
}

}  // namespace

CPageWaypoint::CPageWaypoint(CPosition2& record, QWidget* parent)
    : CSheetPage(QStringLiteral("Position"), parent),
      record_(record),
      name_(new QLineEdit(this)),
      position_(new CPositionEdit("", this)),
      utcDifference_(new CFigureEdit("utcDifference", -14.0, 14.0, kHoursDecimals, "hrs + UTC", this)) {
  name_->setObjectName(QStringLiteral("name"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Name:"), name_);
  form->addRow(position_);
  form->addRow(QStringLiteral("Local Time:"), utcDifference_);
}

void CPageWaypoint::Load() {
  const CWaypointPositionFields f = ReadWaypointPosition(record_);
  name_->setText(QString::fromStdString(f.name));
  position_->SetFields(f.position);
  utcDifference_->setValue(f.utcDifference);
}

std::optional<CFieldRefusal> CPageWaypoint::Validate() const {
  return marigold::Validate(FieldsOf(*name_, *position_, *utcDifference_));
}

void CPageWaypoint::Store() { ApplyWaypointPosition(FieldsOf(*name_, *position_, *utcDifference_), record_); }

}  // namespace marigold
