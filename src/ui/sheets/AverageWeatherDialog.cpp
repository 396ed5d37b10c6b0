#include "ui/sheets/AverageWeatherDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/LocalClock.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/PositionEdit.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

constexpr const char* kDateFormat = "dddd' 'd' 'MMM' 'yyy";

bool SameDay(const CCivilTime& a, const CCivilTime& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

CAverageWeatherDialog::CAverageWeatherDialog(CAverageWeatherTool& tool, QWidget* parent)
    : QDialog(parent), tool_(tool) {
  setWindowTitle(QStringLiteral("Average Weather"));
  auto* layout = new QVBoxLayout(this);

  auto* where = new QGroupBox(this);
  auto* whereGrid = new QGridLayout(where);
  byWaypoint_ = new QRadioButton(QStringLiteral("Select waypoint"), where);
  waypoint_ = new QComboBox(where);
  waypoint_->setObjectName(QStringLiteral("waypoint"));
  for (const std::string& name : tool_.View().waypointNames) waypoint_->addItem(QString::fromStdString(name));
  byPosition_ = new QRadioButton(QStringLiteral("Enter position:"), where);
  position_ = new CPositionEdit("", where);
  whereGrid->addWidget(byWaypoint_, 0, 0);
  whereGrid->addWidget(waypoint_, 0, 1);
  whereGrid->addWidget(byPosition_, 1, 0, Qt::AlignTop);
  whereGrid->addWidget(position_, 1, 1);
  layout->addWidget(where);
  // A route of fewer than two waypoints offers none to choose.
  byWaypoint_->setEnabled(waypoint_->count() > 0);
  waypoint_->setEnabled(waypoint_->count() > 0);

  auto* when = new QGroupBox(this);
  auto* whenGrid = new QGridLayout(when);
  bySeason_ = new QRadioButton(QStringLiteral("Show average weather on:"), when);
  date_ = new CDateTimeEdit(kDateFormat, when);
  date_->setObjectName(QStringLiteral("date"));
  date_->setCalendarPopup(true);
  latest_ = new QRadioButton(QStringLiteral("Show latest observation only"), when);
  whenGrid->addWidget(bySeason_, 0, 0);
  whenGrid->addWidget(date_, 0, 1);
  whenGrid->addWidget(latest_, 1, 0, 1, 2);
  whenGrid->setColumnStretch(2, 1);
  layout->addWidget(when);

  auto* results = new QGroupBox(this);
  auto* grid = new QGridLayout(results);
  const struct {
    const char* label;
    const char* name;
    int row, column;
  } kResults[] = {
      {"Wind direction", "windDirection", 0, 0},       {"Speed", "windSpeed", 0, 2},
      {"Current direction", "currentDirection", 1, 0}, {"Speed", "currentSpeed", 1, 2},
      {"Air temperature", "airTemperature", 2, 0},     {"Air pressure", "airPressure", 2, 2},
      {"Sea temperature", "seaTemperature", 3, 0},     {"Nr observations", "observations", 3, 2},
  };
  for (const auto& r : kResults) {
    grid->addWidget(new QLabel(QString::fromLatin1(r.label), results), r.row, r.column);
    grid->addWidget(NewFigureField(r.name, results), r.row, r.column + 1);
  }
  layout->addWidget(results);

  calculate_ = AddCalculateAndClose(*this, *layout);
  connect(calculate_, &QPushButton::clicked, this, &CAverageWeatherDialog::Calculate);

  for (QRadioButton* button : {byWaypoint_, byPosition_, bySeason_, latest_})
    connect(button, &QRadioButton::clicked, this, &CAverageWeatherDialog::Calculate);
  for (QSpinBox* degrees : position_->findChildren<QSpinBox*>())
    connect(degrees, &QSpinBox::editingFinished, this, &CAverageWeatherDialog::Calculate);
  for (QDoubleSpinBox* minutes : position_->findChildren<QDoubleSpinBox*>())
    connect(minutes, &QDoubleSpinBox::editingFinished, this, &CAverageWeatherDialog::Calculate);
  connect(date_, &QDateTimeEdit::editingFinished, this, &CAverageWeatherDialog::Calculate);
  QList<QComboBox*> choices = position_->findChildren<QComboBox*>();
  choices << waypoint_;
  for (QComboBox* choice : choices) choice->installEventFilter(this);
  Show();
}

bool CAverageWeatherDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut && qobject_cast<QComboBox*>(watched)) Calculate();
  return QDialog::eventFilter(watched, event);
}

QString CAverageWeatherDialog::figure(const char* name) const { return FigureText(*this, name); }

void CAverageWeatherDialog::Calculate() {
  CAverageWeatherFields fields = tool_.View().fields;
  fields.enterPosition = byPosition_->isChecked();
  fields.waypointIndex = waypoint_->currentIndex();
  fields.position = position_->Fields();
  fields.latestOnly = latest_->isChecked();
  // The date stays as it came until another day is picked.
  const CCivilTime picked = date_->CivilTime();
  if (!SameDay(picked, LocalFieldsOf(fields.date)))
    fields.date = CalendarTimeFromLocal({picked.year, picked.month, picked.day, 12, 0, 0});
  tool_.OnCalculate(fields);
  Show();
}

void CAverageWeatherDialog::Show() {
  const CAverageWeatherView& v = tool_.View();
  const CAverageWeatherFields& f = v.fields;
  (f.enterPosition ? byPosition_ : byWaypoint_)->setChecked(true);
  (f.latestOnly ? latest_ : bySeason_)->setChecked(true);
  {
    const QSignalBlocker quiet(waypoint_);
    waypoint_->setCurrentIndex(f.waypointIndex < waypoint_->count() ? f.waypointIndex : -1);
  }
  position_->SetFields(f.position);
  {
    const QSignalBlocker quiet(date_);
    date_->SetCivilTime(LocalFieldsOf(f.date));
  }
  const auto set = [this](const char* name, const std::string& text) { ShowFigure(*this, name, text); };
  set("windDirection", v.windDirection);
  set("windSpeed", v.windSpeed);
  set("currentDirection", v.currentDirection);
  set("currentSpeed", v.currentSpeed);
  set("airTemperature", v.airTemperature);
  set("airPressure", v.airPressure);
  set("seaTemperature", v.seaTemperature);
  set("observations", v.observations);
}

}  // namespace marigold
