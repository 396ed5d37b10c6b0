#include "ui/sheets/HurricaneSheet.h"

#include <QFormLayout>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <limits>
#include "ui/widgets/FormLayout.h"

#include "core/SheetFields.h"
#include "lists/HurricaneSheet.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/PositionEdit.h"

namespace marigold {
namespace {

// "Position": the observation in UTC, as the storm keeps it.
class CPageHurriPos final : public CSheetPage {
 public:
  explicit CPageHurriPos(CHurricane& storm) : CSheetPage(QStringLiteral("Position")), storm_(storm) {
    name_->setObjectName(QStringLiteral("name"));
    observed_->setObjectName(QStringLiteral("observed"));
    auto* form = NewFormLayout(this);
    form->addRow(QStringLiteral("Name / ID:"), name_);
    form->addRow(QStringLiteral("Time of observation:"), observed_);
    form->addRow(position_);
  }

  void Load() override {
    const CHurricanePositionFields f = ReadHurricanePosition(storm_);
    name_->setText(QString::fromStdString(f.name));
    observed_->SetCivilTime(f.observed);
    position_->SetFields(f.position);
  }
  std::optional<CFieldRefusal> Validate() const override { return marigold::Validate(Fields()); }
  void Store() override { ApplyHurricanePosition(Fields(), storm_); }

 private:
  CHurricanePositionFields Fields() const {
    return {name_->text().toStdString(), observed_->CivilTime(), position_->Fields()};
  }

  CHurricane& storm_;
  QLineEdit* name_ = new QLineEdit(this);
  CDateTimeEdit* observed_ = new CDateTimeEdit(kObservationTimeFormat, this);
  CPositionEdit* position_ = new CPositionEdit("position", this);
};

class CPageVector final : public CSheetPage {
 public:
  explicit CPageVector(CHurricane& storm) : CSheetPage(QStringLiteral("Vector")), storm_(storm) {
    auto* form = NewFormLayout(this);
    form->addRow(QStringLiteral("Ground Course:"), course_);
    form->addRow(QStringLiteral("Ground Speed:"), speed_);
  }

  void Load() override {
    const CHurricaneVectorFields f = ReadHurricaneVector(storm_);
    course_->setValue(f.course);
    speed_->setValue(f.speed);
  }
  std::optional<CFieldRefusal> Validate() const override { return marigold::Validate(Fields()); }
  void Store() override { ApplyHurricaneVector(Fields(), storm_); }

 private:
  CHurricaneVectorFields Fields() const { return {course_->value(), speed_->value()}; }

  CHurricane& storm_;
  CFigureEdit* course_ = new CFigureEdit("course", 0.0, 360.0, kDegreesDecimals, "deg", this);
  CFigureEdit* speed_ = new CFigureEdit("speed", 0.0, 999.0, kSpeedDecimals, "kts", this);
};

// Whole numbers of any size: nothing checks them, and a stored value must
// show as it is. The box is as wide as five digits need.
QSpinBox* WholeNumberEdit(const char* field, const char* unit, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(field));
  box->setSuffix(QStringLiteral(" ") + QString::fromLatin1(unit));
  box->setAlignment(Qt::AlignRight);
  box->setRange(-99999, 99999);
  box->setMaximumWidth(box->sizeHint().width());
  box->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  return box;
}

class CPageHurriEye final : public CSheetPage {
 public:
  explicit CPageHurriEye(CHurricane& storm) : CSheetPage(QStringLiteral("Eye")), storm_(storm) {
    auto* form = NewFormLayout(this);
    form->addRow(QStringLiteral("Pressure in eye:"), eyePressure_);
    auto* wind = new QHBoxLayout;
    wind->addWidget(maxWind_);
    wind->addWidget(new QLabel(QStringLiteral("within"), this));
    wind->addWidget(windRange_);
    wind->addStretch(1);
    auto* windLabel = new QLabel(QStringLiteral("Max Windspeed:"), this);
    windLabel->setBuddy(maxWind_);
    form->addRow(windLabel, wind);
  }

  void Load() override {
    const CHurricaneEyeFields f = ReadHurricaneEye(storm_);
    eyePressure_->setValue(f.eyePressure);
    maxWind_->setValue(f.maxWind);
    windRange_->setValue(f.windRange);
  }
  void Store() override { ApplyHurricaneEye({eyePressure_->value(), maxWind_->value(), windRange_->value()}, storm_); }

 private:
  CHurricane& storm_;
  QSpinBox* eyePressure_ = WholeNumberEdit("eyePressure", "mb", this);
  QSpinBox* maxWind_ = WholeNumberEdit("maxWind", "kts", this);
  QSpinBox* windRange_ = WholeNumberEdit("windRange", "nM", this);
};

}  // namespace

CHurricaneSheet::CHurricaneSheet(CHurricane& storm, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent) {
  setObjectName(QStringLiteral("CHurricaneSheet"));
  AddPage(new CPageHurriPos(storm));
  AddPage(new CPageVector(storm));
  AddPage(new CPageHurriEye(storm));
}

CDialogOutcome ShowHurricaneSheet(QWidget* parent, CPrompter& prompter, CHurricane& storm, const std::string& caption) {
  return ShowSheet<CHurricaneSheet>(storm, caption, prompter, parent);
}

}  // namespace marigold
