#include "ui/sheets/PositionPage.h"

#include <QFormLayout>

#include "core/FixSheet.h"
#include "core/SheetFields.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/PositionEdit.h"

namespace marigold {

CPagePosition::CPagePosition(CFixRecord& fix, CPrompter& prompter, QWidget* parent)
    : CSheetPage(QStringLiteral("PositionFix"), parent),
      fix_(fix),
      prompter_(prompter),
      localTime_(new CDateTimeEdit(kLocalTimeFieldFormat, this)),
      utcDifference_(new CFigureEdit("utcDifference", -14.0, 14.0, kHoursDecimals, "hrs", this)),
      position_(new CPositionEdit("", this)),
      gyroCourse_(new CFigureEdit("gyroCourse", 0.0, 360.0, kDegreesDecimals, "deg", this)),
      logSpeed_(new CFigureEdit("logSpeed", 0.0, 55.0, kSpeedDecimals, "kts", this)),
      engineRpm_(new CFigureEdit("engineRpm", 0.0, 9999.0, kReadingDecimals, "rpm", this)) {
  localTime_->setObjectName(QStringLiteral("localTime"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Local Time:"), localTime_);
  form->addRow(QStringLiteral("Time difference with UTC:"), utcDifference_);
  form->addRow(position_);
  form->addRow(QStringLiteral("Gyrocourse:"), gyroCourse_);
  form->addRow(QStringLiteral("Log Speed"), logSpeed_);
  form->addRow(QStringLiteral("Engine"), engineRpm_);
  connect(utcDifference_, &CFigureEdit::editingFinished, this, &CPagePosition::CheckUtcSign);
}

void CPagePosition::Load() {
  const CFixPositionFields f = ReadFixPosition(fix_);
  localTime_->SetCivilTime(f.localTime);
  utcDifference_->setValue(f.utcDifference);
  position_->SetFields(f.position);
  gyroCourse_->setValue(f.gyroCourse);
  logSpeed_->setValue(f.logSpeed);
  engineRpm_->setValue(f.engineRpm);
}

CFixPositionFields CPagePosition::Fields() const {
  return {localTime_->CivilTime(), utcDifference_->value(), position_->Fields(),
          gyroCourse_->value(),    logSpeed_->value(),      engineRpm_->value()};
}

void CPagePosition::CheckUtcSign() {
  const std::pair<double, int> now{utcDifference_->value(), position_->Fields().longitudeHemisphere};
  if (warned_ == now) return;
  if (const char* warning = UtcSignWarning(now.first, now.second)) {
    warned_ = now;
    prompter_.Message(warning, EMessageIcon::Exclamation);
  }
}

std::optional<CFieldRefusal> CPagePosition::Validate() const { return marigold::Validate(Fields()); }

void CPagePosition::Store() { ApplyFixPosition(Fields(), fix_); }

}  // namespace marigold
