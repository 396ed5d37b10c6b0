#include "ui/sheets/SlipCalibrationDialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

struct CFigure {
  const char* name;
  const char* label;
  std::string CSlipCalibrationView::*text;
};

constexpr CFigure kFigures[] = {
    {"theoreticalSpeed", "Theoretical Speed:", &CSlipCalibrationView::theoreticalSpeed},
    {"engineSetting", "Engine setting:", &CSlipCalibrationView::engineSetting},
    {"logSpeed", "Log Speed:", &CSlipCalibrationView::logSpeed},
    {"windSpeed", "Windspeed:", &CSlipCalibrationView::windSpeed},
    {"trueSlip", "True propellor slip:", &CSlipCalibrationView::trueSlip},
    {"hullFactor", "Hull resistance factor:", &CSlipCalibrationView::hullFactor},
    {"airFactor", "Air resistance factor:", &CSlipCalibrationView::airFactor},
    {"estimatedLogSpeed", "Est. Logspeed:", &CSlipCalibrationView::estimatedLogSpeed},
    {"calculatedSlip", "Calculated propellor slip:", &CSlipCalibrationView::calculatedSlip},
};

}  // namespace

CSlipCalibrationDialog::CSlipCalibrationDialog(CVessel2& documentVessel, const CSlipReading& reading,
                                               CPrompter& prompter, QWidget* parent)
    : QDialog(parent), calibration_(documentVessel, reading) {
  setWindowTitle(QStringLiteral("Vessel Performance"));
  auto* layout = new QVBoxLayout(this);
  auto* form = NewFormLayout();
  for (const CFigure& figure : kFigures) {
    QLineEdit* field = NewFigureField(figure.name, this);
    field->setMinimumWidth(100);
    form->addRow(QString::fromLatin1(figure.label), field);
    fields_.push_back(field);
  }
  layout->addLayout(form);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
  calibrate_ = buttons_->addButton(QStringLiteral("Calibrate"), QDialogButtonBox::ActionRole);
  calibrate_->setObjectName(QStringLiteral("calibrate"));
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(calibrate_, &QPushButton::clicked, this, [this, &prompter] {
    if (calibration_.OnCalibrate(prompter)) calibrated_ = true;
    Show();
  });
  layout->addWidget(buttons_);
  // Enter closes: the factor changes only on a deliberate click.
  calibrate_->setAutoDefault(false);
  buttons_->button(QDialogButtonBox::Close)->setDefault(true);
  Show();
}

QLineEdit* CSlipCalibrationDialog::field(const char* name) const {
  for (std::size_t i = 0; i < std::size(kFigures); ++i)
    if (std::string_view(kFigures[i].name) == name) return fields_[i];
  return nullptr;
}

void CSlipCalibrationDialog::Show() {
  const CSlipCalibrationView v = calibration_.View();
  for (std::size_t i = 0; i < std::size(kFigures); ++i) ShowText(fields_[i], v.*kFigures[i].text);
}

}  // namespace marigold
