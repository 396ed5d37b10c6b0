#include "ui/sheets/EditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ui/widgets/ToolInput.h"

namespace marigold {

CEditDialog::CEditDialog(CPrompter& prompter, const char* cancelQuestion, QWidget* parent)
    : QDialog(parent), prompter_(prompter), cancelQuestion_(cancelQuestion) {
  auto* layout = new QVBoxLayout(this);
  content_ = new QVBoxLayout;
  layout->addLayout(content_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &CEditDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &CEditDialog::reject);
  layout->addWidget(buttons_);
}

namespace {

constexpr const char* kViewOnly = "marigoldViewOnly";

// The editors of a type under `root` that hold data.
template <class T>
QList<T*> DataEditors(const QWidget* root) {
  QList<T*> editors = root->findChildren<T*>();
  editors.removeIf([](const T* editor) { return editor->property(kViewOnly).toBool(); });
  return editors;
}

}  // namespace

void CEditDialog::MarkViewOnly(QWidget* editor) { editor->setProperty(kViewOnly, true); }

void CEditDialog::WatchForChanges(QWidget* root) {
  const auto edited = [this] {
    if (quiet_ == 0) changed_ = true;
  };
  for (QLineEdit* edit : DataEditors<QLineEdit>(root)) {
    // The line edits inside spin and combo boxes report through their owners.
    QWidget* owner = edit->parentWidget();
    if (qobject_cast<QAbstractSpinBox*>(owner) || qobject_cast<QComboBox*>(owner)) continue;
    connect(edit, &QLineEdit::textChanged, this, edited);
  }
  for (QSpinBox* box : DataEditors<QSpinBox>(root)) connect(box, &QSpinBox::valueChanged, this, edited);
  for (QDoubleSpinBox* box : DataEditors<QDoubleSpinBox>(root))
    connect(box, &QDoubleSpinBox::valueChanged, this, edited);
  for (QDateTimeEdit* edit : DataEditors<QDateTimeEdit>(root))
    connect(edit, &QDateTimeEdit::dateTimeChanged, this, edited);
  for (QComboBox* box : DataEditors<QComboBox>(root)) {
    connect(box, &QComboBox::currentIndexChanged, this, edited);
    connect(box, &QComboBox::editTextChanged, this, edited);
  }
  for (QCheckBox* box : DataEditors<QCheckBox>(root)) connect(box, &QCheckBox::toggled, this, edited);
  for (QRadioButton* button : DataEditors<QRadioButton>(root)) connect(button, &QRadioButton::toggled, this, edited);
  for (QTextEdit* edit : DataEditors<QTextEdit>(root)) connect(edit, &QTextEdit::textChanged, this, edited);
  for (QPlainTextEdit* edit : DataEditors<QPlainTextEdit>(root))
    connect(edit, &QPlainTextEdit::textChanged, this, edited);
}

void CEditDialog::SetChanged() { changed_ = true; }

void CEditDialog::FocusRefusal(const CFieldRefusal& refusal) { FocusField(this, refusal.field); }

void CEditDialog::FocusField(QWidget* scope, const std::string& field) { FocusNamedField(*scope, field); }

bool CEditDialog::Commit() {
  if (const std::optional<CFieldRefusal> refusal = Validate()) {
    prompter_.Message(refusal->message, EMessageIcon::Exclamation);
    FocusRefusal(*refusal);
    return false;
  }
  Apply();
  changed_ = false;
  applied_ = true;
  return true;
}

void CEditDialog::accept() {
  if (changed_ && !Commit()) return;
  QDialog::accept();
}

void CEditDialog::reject() {
  if (changed_ && cancelQuestion_ && !prompter_.AskYesNo(cancelQuestion_)) {
    // Keeping the changes must not store values the OK button would refuse.
    if (Commit()) QDialog::accept();
    return;
  }
  QDialog::reject();
}

CDialogOutcome CEditDialog::Run() {
  const bool confirmed = exec() == QDialog::Accepted;
  return {confirmed, applied_};
}

void CEditDialog::showEvent(QShowEvent* event) {
  if (!focusArranged_) {
    ArrangeFocus();
    focusArranged_ = true;
  }
  QDialog::showEvent(event);
}

// The buttons are made before the editors and so come first in the focus
// chain: the dialog would open with the focus on OK. Open on the first editor
// instead (Tab then reaches the buttons after the last editor), and let Tab
// pass the buttons in the order the platform shows them.
void CEditDialog::ArrangeFocus() {
  QWidget* previous = nullptr;
  if (QLayout* row = buttons_->layout()) {
    for (int i = 0; i < row->count(); ++i) {
      auto* button = qobject_cast<QPushButton*>(row->itemAt(i)->widget());
      if (!button) continue;
      if (previous) setTabOrder(previous, button);
      previous = button;
    }
  }
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    // The tabs of a sheet are no editor.
    if (buttons_->isAncestorOf(w) || qobject_cast<QTabWidget*>(w) || qobject_cast<QTabBar*>(w)) continue;
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(this)) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace marigold
