#include "ui/sheets/EtaDialog.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/LocalClock.h"
#include "core/SheetFields.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

QGroupBox* NewGroup(const char* title, QWidget* parent) { return new QGroupBox(QString::fromLatin1(title), parent); }

}  // namespace

CEtaDialog::CEtaDialog(CEtaCalculator& calculator, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), calculator_(calculator), prompter_(prompter) {
  setWindowTitle(QStringLiteral("Calculate ETA"));
  auto* layout = new QVBoxLayout(this);

  QGroupBox* start = NewGroup("Departure position", this);
  auto* startLayout = new QVBoxLayout(start);
  fromFix_ = new QRadioButton(QStringLiteral("Calculate ETA from latest positionfix"), start);
  fromFirst_ = new QRadioButton(QStringLiteral("Calculate ETA from first waypoint"), start);
  startLayout->addWidget(fromFix_);
  startLayout->addWidget(fromFirst_);
  layout->addWidget(start);

  QGroupBox* engine = NewGroup("Engine setting", this);
  auto* engineLayout = new QGridLayout(engine);
  byRpm_ = new QRadioButton(QStringLiteral("Engine rpm:"), engine);
  bySpeed_ = new QRadioButton(QStringLiteral("Groundspeed:"), engine);
  rpm_ = new QSpinBox(engine);
  rpm_->setObjectName(QStringLiteral("rpm"));
  rpm_->setRange(0, 999);
  rpm_->setSuffix(QStringLiteral(" rpm"));
  rpm_->setAlignment(Qt::AlignRight);
  speed_ = new QDoubleSpinBox(engine);
  speed_->setObjectName(QStringLiteral("groundspeed"));
  speed_->setRange(0, 99.9);
  speed_->setDecimals(1);
  speed_->setSuffix(QStringLiteral(" kts"));
  speed_->setAlignment(Qt::AlignRight);
  engineLayout->addWidget(byRpm_, 0, 0);
  engineLayout->addWidget(rpm_, 0, 1);
  engineLayout->addWidget(bySpeed_, 1, 0);
  engineLayout->addWidget(speed_, 1, 1);
  engineLayout->setColumnStretch(2, 1);
  layout->addWidget(engine);

  QGroupBox* options = NewGroup("Options", this);
  auto* optionsLayout = new QVBoxLayout(options);
  weather_ = new QCheckBox(QStringLiteral("Correct for average weather"), options);
  reduce_ = new QCheckBox(QStringLiteral("Correct for reduce engine"), options);
  optionsLayout->addWidget(weather_);
  optionsLayout->addWidget(reduce_);
  layout->addWidget(options);

  QGroupBox* results = NewGroup("Results", this);
  auto* resultsLayout = new QGridLayout(results);
  eta_ = NewFigureField("eta", results);
  eta_->setMaximumWidth(QWIDGETSIZE_MAX);
  eta_->setMinimumWidth(eta_->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday 30 Sep 2026  00:00:00 LT")) +
                        16);
  fuel_ = NewFigureField("fuel", results);
  resultsLayout->addWidget(new QLabel(QStringLiteral("ETA at destination:"), results), 0, 0);
  resultsLayout->addWidget(eta_, 0, 1);
  resultsLayout->addWidget(new QLabel(QStringLiteral("Fuel consumption:"), results), 1, 0);
  resultsLayout->addWidget(fuel_, 1, 1, Qt::AlignLeft);
  layout->addWidget(results);

  auto* buttons = new QDialogButtonBox(this);
  calculate_ = buttons->addButton(QStringLiteral("Calculate"), QDialogButtonBox::ActionRole);
  setEta_ = buttons->addButton(QStringLiteral("Set ETA"), QDialogButtonBox::ActionRole);
  close_ = buttons->addButton(QDialogButtonBox::Close);
  calculate_->setDefault(true);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  connect(calculate_, &QPushButton::clicked, this, &CEtaDialog::Recalculate);
  connect(setEta_, &QPushButton::clicked, this, [this] {
    if (calculator_.OnSetEta(prompter_)) etaSet_ = true;
  });
  layout->addWidget(buttons);

  for (QRadioButton* button : {fromFix_, fromFirst_, byRpm_, bySpeed_})
    connect(button, &QRadioButton::clicked, this, &CEtaDialog::Recalculate);
  for (QCheckBox* box : {weather_, reduce_}) connect(box, &QCheckBox::clicked, this, &CEtaDialog::Recalculate);
  connect(rpm_, &QSpinBox::editingFinished, this, &CEtaDialog::Recalculate);
  connect(speed_, &QDoubleSpinBox::editingFinished, this, &CEtaDialog::Recalculate);
  Show();
}

void CEtaDialog::Recalculate() {
  CEtaFields fields;
  fields.fromLatestFix = fromFix_->isChecked();
  fields.byGroundspeed = bySpeed_->isChecked();
  fields.rpm = rpm_->value();
  fields.groundspeed = speed_->value();
  fields.correctForWeather = weather_->isChecked();
  fields.correctForReduceEngine = reduce_->isChecked();
  calculator_.OnFieldsChanged(fields);
  Show();
}

void CEtaDialog::Show() {
  const CEtaFields& fields = calculator_.Fields();
  const CEtaResults& results = calculator_.Results();
  const QSignalBlocker quietRpm(rpm_);
  const QSignalBlocker quietSpeed(speed_);
  fromFix_->setChecked(fields.fromLatestFix);
  fromFirst_->setChecked(!fields.fromLatestFix);
  byRpm_->setChecked(!fields.byGroundspeed);
  bySpeed_->setChecked(fields.byGroundspeed);
  rpm_->setEnabled(!fields.byGroundspeed);
  speed_->setEnabled(fields.byGroundspeed);
  // The edit not chosen shows the figure computed for it.
  rpm_->setValue(fields.rpm);
  speed_->setValue(Shown(fields.groundspeed, 1));
  weather_->setChecked(fields.correctForWeather);
  reduce_->setChecked(fields.correctForReduceEngine);
  if (results.eta) {
    const CCivilTime t = LocalFieldsOf(*results.eta);
    const QDateTime shown(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    eta_->setText(shown.toString(QString::fromStdString(QtDisplayFormat(kLocalTimeFieldFormat))));
  } else {
    eta_->setText(QStringLiteral("NA"));
  }
  ShowText(fuel_, results.fuelText);
  setEta_->setEnabled(results.eta.has_value());
}

}  // namespace marigold
