#include "ui/sheets/HurricaneCpaDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/ToolWidgets.h"

namespace marigold {

CHurricaneCpaDialog::CHurricaneCpaDialog(CHurricaneCpaTool& tool, QWidget* parent) : QDialog(parent), tool_(tool) {
  setWindowTitle(QStringLiteral("Calculate Hurricane CPA"));
  auto* layout = new QVBoxLayout(this);

  auto* choice = new QHBoxLayout;
  auto* stormLabel = new QLabel(QStringLiteral("Select Hurricane"), this);
  storm_ = new QComboBox(this);
  storm_->setObjectName(QStringLiteral("storm"));
  stormLabel->setBuddy(storm_);
  for (const std::string& name : tool_.View().stormNames) storm_->addItem(QString::fromStdString(name));
  choice->addWidget(stormLabel);
  choice->addWidget(storm_, 1);
  layout->addLayout(choice);

  auto* start = new QGroupBox(QStringLiteral("Starting Point"), this);
  auto* startLayout = new QVBoxLayout(start);
  fromFix_ = new QRadioButton(QStringLiteral("Calculate from latest positionfix"), start);
  fromDeparture_ = new QRadioButton(QStringLiteral("Calculate from departure position"), start);
  startLayout->addWidget(fromFix_);
  startLayout->addWidget(fromDeparture_);
  layout->addWidget(start);
  (tool_.View().fromLatestFix ? fromFix_ : fromDeparture_)->setChecked(true);

  auto* results = new QGroupBox(this);
  auto* grid = new QGridLayout(results);
  // The two parts of the position sit under their heading, right-aligned.
  const auto row = [&](int line, const char* label, const char* name, Qt::Alignment align = {}) {
    grid->addWidget(new QLabel(QString::fromLatin1(label), results), line, 0, align);
    QLineEdit* field = NewFigureField(name, results);
    field->setMaximumWidth(QWIDGETSIZE_MAX);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("Wednesday 30 Sep 00:00 UTC")) + 16);
    grid->addWidget(field, line, 1);
  };
  row(0, "Date and time of closest approach:", "time");
  grid->addWidget(new QLabel(QStringLiteral("Estimated position of hurricane at time of CPA:"), results), 1, 0, 1, 2);
  row(2, "Latitude:", "latitude", Qt::AlignRight);
  row(3, "Longitude:", "longitude", Qt::AlignRight);
  row(4, "Distance at CPA:", "distance");
  row(5, "Bearing at CPA:", "bearing");
  note_ = new QLabel(results);
  note_->setObjectName(QStringLiteral("note"));
  note_->setWordWrap(true);
  grid->addWidget(note_, 6, 0, 1, 2);
  layout->addWidget(results);

  calculate_ = AddCalculateAndClose(*this, *layout);
  connect(calculate_, &QPushButton::clicked, this, &CHurricaneCpaDialog::Calculate);
  Show();
}

QString CHurricaneCpaDialog::figure(const char* name) const { return FigureText(*this, name); }

QString CHurricaneCpaDialog::note() const { return note_->text(); }

void CHurricaneCpaDialog::Calculate() {
  tool_.OnCalculate(storm_->currentIndex(), fromFix_->isChecked());
  Show();
}

void CHurricaneCpaDialog::Show() {
  const CHurricaneCpaView& v = tool_.View();
  const auto set = [this](const char* name, const std::string& text) { ShowFigure(*this, name, text); };
  set("time", v.results.time);
  set("latitude", v.results.latitude);
  set("longitude", v.results.longitude);
  set("distance", v.results.distance);
  set("bearing", v.results.bearing);
  note_->setText(QString::fromStdString(v.note));
  note_->setVisible(!v.note.empty());
}

}  // namespace marigold
