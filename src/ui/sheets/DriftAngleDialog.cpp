#include "ui/sheets/DriftAngleDialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "tools/Calculator.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolInput.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

using CF = CDriftAngleFields;

struct CField {
  const char* name;
  const char* label;
  const char* unit;
  double CF::*member;
  bool typed;  // the ground vector is the result
};

// In the order of the dialog: water vector, current, ground vector.
constexpr std::array<CField, 6> kFields{{
    {"steeredCourse", "Steered Course:", "deg", &CF::steeredCourse, true},
    {"logSpeed", "Log speed:", "kts", &CF::logSpeed, true},
    {"currentDirection", "Direction:", "deg", &CF::currentDirection, true},
    {"currentVelocity", "Velocity:", "kts", &CF::currentVelocity, true},
    {"groundCourse", "Ground course:", "deg", &CF::groundCourse, false},
    {"groundSpeed", "Ground speed:", "kts", &CF::groundSpeed, false},
}};

constexpr const char* kGroups[] = {"Water Vector (A)", "Current (B)", "Ground vector (C)"};

}  // namespace

CDriftAngleDialog::CDriftAngleDialog(CVoyage& route, const CFixRecord& presentPosition, double steeredCourse,
                                     double logSpeed, CPrompter& prompter, QWidget* parent)
    : QDialog(parent),
      tool_(route, presentPosition),
      prompter_(prompter),
      steeredCourse_(steeredCourse),
      logSpeed_(logSpeed) {
  setWindowTitle(QString::fromLatin1(kDriftAngleCaption));
  auto* layout = new QVBoxLayout(this);
  // One label width in all three groups, so that the figures line up.
  int labelWidth = 0;
  for (const CField& f : kFields)
    labelWidth = std::max(labelWidth, fontMetrics().horizontalAdvance(QString::fromLatin1(f.label)));
  for (std::size_t group = 0; group < std::size(kGroups); ++group) {
    auto* box = new QGroupBox(QString::fromLatin1(kGroups[group]), this);
    auto* form = NewFormLayout(box);
    for (std::size_t i = 2 * group; i < 2 * group + 2; ++i) {
      const CField& f = kFields[i];
      fields_[i] = f.typed ? NewNumberField(f.name, box) : NewFigureField(f.name, box);
      auto* row = new QHBoxLayout;
      row->addWidget(fields_[i]);
      row->addWidget(new QLabel(QString::fromLatin1(f.unit), box));
      auto* label = new QLabel(QString::fromLatin1(f.label), box);
      label->setMinimumWidth(labelWidth);
      label->setBuddy(fields_[i]);
      form->addRow(label, row);
    }
    if (group < 2) {
      auto* actual = new QPushButton(QStringLiteral("Actual Data"), box);
      actual->setAutoDefault(false);
      form->addRow(QString(), actual);
      (group == 0 ? actualWater_ : actualCurrent_) = actual;
    }
    layout->addWidget(box);
  }

  calculate_ = new QPushButton(QStringLiteral("Calculate"), this);
  QDialogButtonBox* buttons = NewCloseButtons(this);
  buttons->addButton(calculate_, QDialogButtonBox::ActionRole);
  layout->addWidget(buttons);
  // Enter in a field calculates, as the one action of the dialog.
  calculate_->setDefault(true);

  connect(actualWater_, &QPushButton::clicked, this, [this] {
    if (const auto entered = Entered(false)) {
      tool_.OnActualWater(*entered, steeredCourse_, logSpeed_);
      Show();
    }
  });
  connect(actualCurrent_, &QPushButton::clicked, this, [this] {
    if (const auto entered = Entered(false); entered && tool_.OnActualCurrent(*entered, prompter_)) Show();
  });
  connect(calculate_, &QPushButton::clicked, this, [this] {
    if (const auto entered = Entered(true)) {
      tool_.OnCalculate(*entered);
      Show();
    }
  });
  Show();
}

QLineEdit* CDriftAngleDialog::field(const char* name) const {
  for (std::size_t i = 0; i < kFields.size(); ++i)
    if (std::string_view(kFields[i].name) == name) return fields_[i];
  return nullptr;
}

std::optional<CDriftAngleFields> CDriftAngleDialog::Entered(bool checkRanges) {
  CDriftAngleFields entered = tool_.View();
  std::optional<CFieldRefusal> refusal;
  for (std::size_t i = 0; i < kFields.size() && !refusal; ++i)
    if (kFields[i].typed) refusal = ReadNumberField(*fields_[i], entered.*kFields[i].member);
  if (!refusal && checkRanges) refusal = Validate(entered);
  if (refusal) {
    RefuseField(*this, prompter_, *refusal);
    return std::nullopt;
  }
  return entered;
}

void CDriftAngleDialog::Show() {
  const CDriftAngleFields& v = tool_.View();
  for (std::size_t i = 0; i < kFields.size(); ++i) ShowText(fields_[i], ToolFigureText(v.*kFields[i].member));
}

}  // namespace marigold
