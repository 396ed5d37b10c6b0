#include "ui/sheets/ConversionsDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolInput.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

// A group holding one labelled row.
QFormLayout* NewGroup(const char* title, QWidget* parent, QVBoxLayout* layout) {
  auto* group = new QGroupBox(QString::fromLatin1(title), parent);
  layout->addWidget(group);
  return NewFormLayout(group);
}

}  // namespace

CConversionsDialog::CConversionsDialog(CPrompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
  setWindowTitle(QString::fromLatin1(kConversionsCaption));
  auto* layout = new QVBoxLayout(this);

  value_ = NewNumberField("value", this);
  NewGroup("Input", this, layout)->addRow(QStringLiteral("Value:"), value_);

  conversion_ = new QComboBox(this);
  conversion_->setObjectName(QStringLiteral("conversion"));
  for (const CConversion& conversion : kConversions) conversion_->addItem(QString::fromUtf8(conversion.name));
  NewGroup("Conversion", this, layout)->addRow(QStringLiteral("Conversion:"), conversion_);

  result_ = NewFigureField("result", this);
  result_->setMaximumWidth(QWIDGETSIZE_MAX);
  result_->setMinimumWidth(value_->minimumWidth());
  calculate_ = new QPushButton(QStringLiteral("Calculate"), this);
  QFormLayout* result = NewGroup("Result", this, layout);
  result->addRow(QStringLiteral("Result:"), result_);
  result->addRow(QString(), calculate_);

  layout->addWidget(NewCloseButtons(this));
  // Enter in "Value:" calculates.
  calculate_->setDefault(true);
  connect(calculate_, &QPushButton::clicked, this, &CConversionsDialog::Calculate);

  const CConversionsView& v = tool_.View();
  ShowText(value_, ConversionResultText(v.fields.value));
  conversion_->setCurrentIndex(v.fields.selected);
  ShowText(result_, ConversionResultText(v.result));
}

void CConversionsDialog::Calculate() {
  CConversionsFields entered;
  if (const auto refusal = ReadNumberField(*value_, entered.value)) {
    RefuseField(*this, prompter_, *refusal);
    return;
  }
  entered.selected = conversion_->currentIndex();
  tool_.OnCalculate(entered);
  ShowText(result_, ConversionResultText(tool_.View().result));
}

}  // namespace marigold
