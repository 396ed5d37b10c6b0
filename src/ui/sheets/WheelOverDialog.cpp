#include "ui/sheets/WheelOverDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/SheetFields.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

struct CInput {
  const char* name;
  const char* label;
  double CWheelOverFields::*member;
  double high;
  const char* unit;
};

constexpr CInput kInputs[] = {
    {"originalCourse", "Original ground course:", &CWheelOverFields::originalCourse, 360, "deg"},
    {"originalSpeed", "Original ground speed:", &CWheelOverFields::originalSpeed, 40, "kts"},
    {"intendedCourse", "Intended ground course:", &CWheelOverFields::intendedCourse, 360, "deg"},
    {"currentDirection", "Current direction:", &CWheelOverFields::currentDirection, 360, "deg"},
    {"currentSpeed", "Current speed:", &CWheelOverFields::currentSpeed, 10, "kts"},
};

struct CResult {
  const char* name;
  const char* label;
  std::string CWheelOverView::*text;
};

constexpr CResult kResults[] = {
    {"originalSteered", "Original steered course:", &CWheelOverView::originalSteered},
    {"originalLogSpeed", "Logspeed:", &CWheelOverView::originalLogSpeed},
    {"finalSteered", "Final steerde course:", &CWheelOverView::finalSteered},
    {"finalLogSpeed", "Logspeed:", &CWheelOverView::finalLogSpeed},
    {"duration", "Duration of change:", &CWheelOverView::duration},
    {"wheelOverDistance", "Wheel over point distance:", &CWheelOverView::wheelOverDistance},
    {"radius", "Radius of course change:", &CWheelOverView::radius},
    {"crossTrackError", "Cross track error (XTE)", &CWheelOverView::crossTrackError},
};

}  // namespace

CWheelOverDialog::CWheelOverDialog(const CVoyage& route, QWidget* parent) : QDialog(parent), tool_(route) {
  setWindowTitle(QStringLiteral("Wheel over point"));
  auto* layout = new QVBoxLayout(this);

  auto* situation = new QGroupBox(this);
  auto* grid = new QGridLayout(situation);
  atWaypoint_ = new QRadioButton(QStringLiteral("Show situation at waypoint:"), situation);
  manual_ = new QRadioButton(QStringLiteral("Manually select data:"), situation);
  waypoint_ = new QComboBox(situation);
  waypoint_->setObjectName(QStringLiteral("waypoint"));
  grid->addWidget(atWaypoint_, 0, 0);
  grid->addWidget(waypoint_, 0, 1);
  grid->addWidget(manual_, 1, 0);
  auto* inputs = NewFormLayout();
  for (std::size_t i = 0; i < std::size(kInputs); ++i) {
    const CInput& in = kInputs[i];
    inputs_[i] = new CFigureEdit(in.name, 0, in.high, kSpeedDecimals, in.unit, situation);
    inputs->addRow(QString::fromLatin1(in.label), inputs_[i]);
    connect(inputs_[i], &QDoubleSpinBox::editingFinished, this, &CWheelOverDialog::FieldsEdited);
  }
  grid->addLayout(inputs, 2, 0, 1, 2);
  layout->addWidget(situation);

  auto* middle = new QHBoxLayout;
  // Position 0 (40 deg/min) at the top.
  const CSliderColumn rateColumn = NewUpwardSliderColumn("rate", "rateOfTurn", "Rate of turn", "deg/min", this);
  rate_ = rateColumn.slider;
  middle->addLayout(rateColumn.layout);

  auto* results = NewFormLayout();
  for (const CResult& r : kResults) {
    QLineEdit* field = NewFigureField(r.name, this);
    field->setMinimumWidth(100);
    results->addRow(QString::fromLatin1(r.label), field);
  }
  middle->addLayout(results, 1);
  layout->addLayout(middle);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  const CWheelOverView v = tool_.View();
  for (const std::string& name : v.waypointNames) waypoint_->addItem(QString::fromStdString(name));
  connect(waypoint_, &QComboBox::currentIndexChanged, this, [this](int index) {
    tool_.OnWaypointSelected(index);
    Show();
  });
  for (QRadioButton* button : {atWaypoint_, manual_})
    connect(button, &QRadioButton::clicked, this, [this] {
      tool_.OnModeChosen(atWaypoint_->isChecked());
      Show();
    });
  connect(rate_, &QSlider::valueChanged, this, [this](int position) {
    tool_.OnRateSliderReleased(position);
    Show();
  });
  Show();
}

void CWheelOverDialog::FieldsEdited() {
  CWheelOverFields fields;
  for (std::size_t i = 0; i < std::size(kInputs); ++i) fields.*kInputs[i].member = inputs_[i]->value();
  tool_.OnFieldsEdited(fields);
  Show();
}

QString CWheelOverDialog::figure(const char* name) const {
  const auto* field = findChild<QLineEdit*>(QString::fromLatin1(name));
  return field ? field->text() : QString();
}

void CWheelOverDialog::Show() {
  const CWheelOverView v = tool_.View();
  {
    const QSignalBlocker quiet(waypoint_);
    waypoint_->setCurrentIndex(v.selectedWaypoint);
  }
  atWaypoint_->setChecked(v.atWaypoint);
  manual_->setChecked(!v.atWaypoint);
  // Only the chosen source of the five values takes input.
  atWaypoint_->setEnabled(!v.waypointNames.empty());
  waypoint_->setEnabled(v.atWaypoint);
  for (std::size_t i = 0; i < std::size(kInputs); ++i) {
    const QSignalBlocker quiet(inputs_[i]);
    inputs_[i]->setValue(Shown(v.fields.*kInputs[i].member, kSpeedDecimals));
    inputs_[i]->setEnabled(!v.atWaypoint);
  }
  ShowSlider(rate_, v.rateSlider);
  ShowText(findChild<QLineEdit*>(QStringLiteral("rateOfTurn")), v.rateOfTurn);
  for (const CResult& r : kResults) ShowText(findChild<QLineEdit*>(QString::fromLatin1(r.name)), v.*r.text);
}

}  // namespace marigold
