#include "ui/sheets/CalculatorDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/PositionEdit.h"
#include "ui/widgets/ToolInput.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

CPositionEdit* NewPositionGroup(const char* title, const char* prefix, QWidget* parent, QVBoxLayout* layout,
                                QLabel* note = nullptr) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  auto* position = new CPositionEdit(prefix, group);
  auto* rows = new QVBoxLayout(group);
  rows->addWidget(position);
  if (note) rows->addWidget(note);
  layout->addWidget(group);
  return position;
}

}  // namespace

CCalculatorDialog::CCalculatorDialog(const CPosition2& presentPosition, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), tool_(presentPosition), prompter_(prompter) {
  setWindowTitle(QString::fromLatin1(kCalculatorCaption));
  auto* layout = new QVBoxLayout(this);
  a_ = NewPositionGroup("Position A", "a", this, layout);
  positionBNote_ = new QLabel(QStringLiteral("NA"), this);
  positionBNote_->setObjectName(QStringLiteral("positionBNote"));
  positionBNote_->setToolTip(QStringLiteral("No rhumb line from A is that long: it would run past a pole"));
  b_ = NewPositionGroup("Position B", "b", this, layout, positionBNote_);

  auto* form = NewFormLayout();
  via_ = new CChoiceBox("via", kViaTexts, this);
  course_ = NewNumberField("course", this);
  distance_ = NewNumberField("distance", this);
  auto* courseRow = new QHBoxLayout;
  courseRow->addWidget(course_);
  courseRow->addWidget(new QLabel(QStringLiteral("deg"), this));
  auto* distanceRow = new QHBoxLayout;
  distanceRow->addWidget(distance_);
  distanceRow->addWidget(new QLabel(QStringLiteral("nM"), this));
  form->addRow(QStringLiteral("via"), via_);
  form->addRow(QStringLiteral("Course"), courseRow);
  form->addRow(QStringLiteral("Distance:"), distanceRow);
  layout->addLayout(form);

  auto* calculate = new QHBoxLayout;
  positionB_ = new QPushButton(QStringLiteral("Position B"), this);
  courseDistance_ = new QPushButton(QStringLiteral("Course/Dist"), this);
  calculate->addWidget(new QLabel(QStringLiteral("Calculate:"), this));
  calculate->addWidget(positionB_);
  calculate->addWidget(courseDistance_);
  calculate->addStretch(1);
  layout->addLayout(calculate);

  layout->addWidget(NewCloseButtons(this));

  // Enter in a field calculates nothing by surprise, nor closes the dialog.
  for (QPushButton* button : {positionB_, courseDistance_}) button->setAutoDefault(false);
  connect(positionB_, &QPushButton::clicked, this, [this] {
    if (const auto fields = Entered()) {
      tool_.OnPositionB(*fields);
      Show();
    }
  });
  connect(courseDistance_, &QPushButton::clicked, this, [this] {
    if (const auto fields = Entered()) {
      tool_.OnCourseDistance(*fields);
      Show();
    }
  });
  Show();
}

std::optional<CCalculatorFields> CCalculatorDialog::Entered() {
  CCalculatorFields fields;
  fields.a = a_->Fields();
  fields.b = b_->Fields();
  fields.via = via_->currentIndex();
  // The positions come first on the form, while course and distance are
  // still 0; then the two figures as typed, then their ranges.
  std::optional<CFieldRefusal> refusal = Validate(fields);
  if (!refusal) refusal = ReadNumberField(*course_, fields.course);
  if (!refusal) refusal = ReadNumberField(*distance_, fields.distance);
  if (!refusal) refusal = Validate(fields);
  if (refusal) {
    RefuseField(*this, prompter_, *refusal);
    return std::nullopt;
  }
  return fields;
}

void CCalculatorDialog::Show() {
  const CCalculatorView& v = tool_.View();
  a_->SetFields(v.fields.a);
  b_->SetFields(v.fields.b);
  via_->setCurrentIndex(v.fields.via);
  ShowText(course_, ToolFigureText(v.fields.course));
  ShowText(distance_, ToolFigureText(v.fields.distance));
  // No rhumb line reaches that far: the B fields keep what was typed and
  // "NA" stands under them.
  positionBNote_->setVisible(!v.positionBAvailable);
}

}  // namespace marigold
