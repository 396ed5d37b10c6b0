#include "ui/widgets/ToolInput.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTextEdit>

#include "tools/Conversions.h"

namespace marigold {

QLineEdit* NewNumberField(const char* name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setAlignment(Qt::AlignRight);
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000000000000")));
  return field;
}

std::optional<CFieldRefusal> ReadNumberField(const QLineEdit& field, double& value) {
  const std::optional<double> typed = ParseConversionValue(field.text().toStdString());
  if (!typed) return CFieldRefusal{field.objectName().toStdString(), kNotANumberMessage};
  value = *typed;
  return std::nullopt;
}

void FocusNamedField(QWidget& scope, const std::string& field) {
  auto* widget = scope.findChild<QWidget*>(QString::fromStdString(field));
  if (!widget) return;
  widget->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->selectAll();
  } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
    spin->selectAll();
  } else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
    combo->lineEdit()->selectAll();
  } else if (auto* text = qobject_cast<QTextEdit*>(widget)) {
    text->selectAll();
  }
}

QDialogButtonBox* NewCloseButtons(QDialog* dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

void RefuseField(QWidget& scope, CPrompter& prompter, const CFieldRefusal& refusal) {
  prompter.Message(refusal.message, EMessageIcon::Exclamation);
  FocusNamedField(scope, refusal.field);
}

}  // namespace marigold
