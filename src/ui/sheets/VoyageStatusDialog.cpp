#include "ui/sheets/VoyageStatusDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/LocalClock.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

constexpr const char* kEtaFormat = "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s";

// One row of a group: label, figure, unit.
struct CFigureRow {
  const char* name;
  const char* label;
  const char* unit;
};

QGroupBox* NewFigureGroup(const char* title, std::initializer_list<CFigureRow> rows, QWidget* parent, int firstRow = 0,
                          QGridLayout** gridOut = nullptr) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  auto* grid = new QGridLayout(group);
  int row = firstRow;
  for (const CFigureRow& r : rows) {
    QLineEdit* field = NewFigureField(r.name, group);
    field->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->addWidget(new QLabel(QString::fromLatin1(r.label), group), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(QString::fromLatin1(r.unit), group), row, 2);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  if (gridOut) *gridOut = grid;
  return group;
}

}  // namespace

CVoyageStatusDialog::CVoyageStatusDialog(CVoyageStatus& status, CPrintReport printReport, QWidget* parent)
    : QDialog(parent), status_(status), printReport_(std::move(printReport)) {
  setWindowTitle(QStringLiteral("Voyage Status"));
  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;

  // The route's own entries, which go into it at once.
  auto* voyage = new QGroupBox(QStringLiteral("Voyage"), this);
  auto* voyageGrid = new QGridLayout(voyage);
  voyageNumber_ = new QLineEdit(voyage);
  voyageNumber_->setObjectName(QStringLiteral("voyageNumber"));
  departure_ = new CDateTimeEdit(kEtaFormat, voyage);
  departure_->setObjectName(QStringLiteral("departure"));
  voyageGrid->addWidget(new QLabel(QStringLiteral("Voyage Number:"), voyage), 0, 0);
  voyageGrid->addWidget(voyageNumber_, 0, 1);
  voyageGrid->addWidget(new QLabel(QStringLiteral("Begin Seavoyage:"), voyage), 1, 0);
  voyageGrid->addWidget(departure_, 1, 1);
  voyageGrid->setColumnStretch(1, 1);
  left->addWidget(voyage);

  QGridLayout* remainingGrid = nullptr;
  left->addWidget(NewFigureGroup("Remaining voyage",
                                 {{"distanceToGo", "Total Remaining Distance:", "nM"},
                                  {"hoursToGo", "Scheduled remaining hours:", "hrs"},
                                  {"fuel", "Estimated  fuel consumption:", "mT"}},
                                 this, 1, &remainingGrid));
  eta_ = new CDateTimeEdit(kEtaFormat, this);
  eta_->setObjectName(QStringLiteral("scheduledEta"));
  remainingGrid->addWidget(new QLabel(QStringLiteral("Scheduled ETA :"), this), 0, 0);
  remainingGrid->addWidget(eta_, 0, 1, 1, 2);
  left->addWidget(
      NewFigureGroup("On present stretch till next waypoint:",
                     {{"legGroundspeed", "Av. Ground Spd:", "kts"}, {"requiredRevs", "Required revs:", "rpm"}}, this));
  left->addWidget(NewFigureGroup("Next Waypoint",
                                 {{"waypointName", "Name:", ""},
                                  {"waypointDirection", "Direction:", "deg"},
                                  {"waypointDistance", "Distance:", "nM"},
                                  {"waypointEta", "ETA", ""}},
                                 this));

  right->addWidget(
      NewFigureGroup("Next Reporting Point", {{"reportingName", "", ""}, {"reportingTime", "Time:", ""}}, this));
  QGridLayout* historyGrid = nullptr;
  right->addWidget(NewFigureGroup("History",
                                  {{"distanceMade", "Total distance made:", "nM"},
                                   {"groundSpeed", "Average ground speed:", "kts"},
                                   {"waterSpeed", "Water speed:", "kts"}},
                                  this, 2, &historyGrid));
  from_ = new QComboBox(this);
  till_ = new QComboBox(this);
  from_->setObjectName(QStringLiteral("from"));
  till_->setObjectName(QStringLiteral("till"));
  historyGrid->addWidget(new QLabel(QStringLiteral("From:"), this), 0, 0);
  historyGrid->addWidget(from_, 0, 1, 1, 2);
  historyGrid->addWidget(new QLabel(QStringLiteral("Till:"), this), 1, 0);
  historyGrid->addWidget(till_, 1, 1, 1, 2);
  auto* notesGroup = new QGroupBox(QStringLiteral("Notes"), this);
  auto* notesLayout = new QVBoxLayout(notesGroup);
  notes_ = new QPlainTextEdit(notesGroup);
  notes_->setObjectName(QStringLiteral("notes"));
  notes_->setTabChangesFocus(true);
  notesLayout->addWidget(notes_);
  right->addWidget(notesGroup, 1);
  // Names read from the left, figures from the right.
  for (const char* name : {"waypointName", "reportingName"})
    findChild<QLineEdit*>(QString::fromLatin1(name))->setAlignment(Qt::AlignLeft);
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);

  auto* buttons = new QDialogButtonBox(this);
  print_ = buttons->addButton(QStringLiteral("Print Report"), QDialogButtonBox::ActionRole);
  view_ = buttons->addButton(QStringLiteral("View Report"), QDialogButtonBox::ActionRole);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(print_, &QPushButton::clicked, this, [this] { printReport_(false); });
  connect(view_, &QPushButton::clicked, this, [this] { printReport_(true); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addWidget(buttons);

  const CVoyageStatusView& v = status_.View();
  for (const std::string& text : v.fixTexts) {
    from_->addItem(QString::fromStdString(text));
    till_->addItem(QString::fromStdString(text));
  }
  // The whole history until the latest fix.
  from_->setCurrentIndex(0);
  till_->setCurrentIndex(till_->count() - 1);
  status_.OnFromChosen(from_->currentIndex());
  status_.OnTillChosen(till_->currentIndex());
  connect(from_, &QComboBox::currentIndexChanged, this, [this](int index) {
    status_.OnFromChosen(index);
    Show();
  });
  connect(till_, &QComboBox::currentIndexChanged, this, [this](int index) {
    status_.OnTillChosen(index);
    Show();
  });
  connect(eta_, &QDateTimeEdit::dateTimeChanged, this, [this] {
    status_.OnScheduledEtaChanged(CalendarTimeFromLocal(eta_->CivilTime()));
    Show();
  });
  connect(departure_, &QDateTimeEdit::dateTimeChanged, this, [this] {
    status_.OnDepartureChanged(departure_->CivilTime());
    Show();
  });
  connect(voyageNumber_, &QLineEdit::textChanged, this,
          [this](const QString& text) { status_.OnVoyageNumberChanged(text.toStdString()); });
  connect(notes_, &QPlainTextEdit::textChanged, this,
          [this] { status_.OnNotesChanged(notes_->toPlainText().toStdString()); });
  {
    const QSignalBlocker quietNumber(voyageNumber_);
    const QSignalBlocker quietNotes(notes_);
    voyageNumber_->setText(QString::fromStdString(v.voyageNumber));
    notes_->setPlainText(QString::fromStdString(v.notes));
  }
  departure_->setEnabled(v.departureEditable);
  eta_->setEnabled(v.scheduledEtaEditable);
  Show();
}

QString CVoyageStatusDialog::figure(const char* name) const { return FigureText(*this, name); }

void CVoyageStatusDialog::Show() {
  const CVoyageStatusView& v = status_.View();
  const auto set = [this](const char* name, const std::string& text) { ShowFigure(*this, name, text); };
  const CRemainingVoyage& r = v.remaining;
  set("distanceToGo", r.distanceToGo);
  set("hoursToGo", r.hoursToGo);
  set("fuel", r.fuel);
  set("legGroundspeed", r.legGroundspeed);
  set("requiredRevs", r.requiredRevs);
  set("waypointName", r.waypointName);
  set("waypointDirection", r.waypointDirection);
  set("waypointDistance", r.waypointDistance);
  set("waypointEta", r.waypointEta);
  set("reportingName", v.nextReportingPoint.name);
  set("reportingTime", v.nextReportingPoint.time);
  set("distanceMade", v.history.distanceMade);
  set("groundSpeed", v.history.groundSpeed);
  set("waterSpeed", v.history.waterSpeed);
  const QSignalBlocker quietEta(eta_);
  const QSignalBlocker quietDeparture(departure_);
  eta_->SetCivilTime(LocalFieldsOf(v.scheduledEta));
  departure_->SetCivilTime(v.departure);
}

}  // namespace marigold
