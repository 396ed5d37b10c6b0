#include "ui/sheets/VesselFormDialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/FormLayout.h"

namespace marigold {

CVesselFormDialog::CVesselFormDialog(const CVesselForm& form, CVessel2& vessel, CSettingsStore& settings,
                                     CPrompter& prompter, QWidget* parent, bool writeFiles, const CDataFileGuard* guard)
    : CEditDialog(prompter, form.asksBeforeDiscarding ? kDataHasBeenChangedQuestion : nullptr, parent),
      form_(form),
      vessel_(vessel),
      settings_(settings),
      writeFiles_(writeFiles),
      guard_(guard) {
  setWindowTitle(QString::fromUtf8(form.title));
  QVBoxLayout* layout = ContentLayout();
  QFormLayout* rows = NewFormLayout();
  layout->addLayout(rows);
  const char* group = nullptr;
  const std::vector<CVesselValue> values = ReadVesselForm(form, vessel);
  for (std::size_t i = 0; i < form.fields.size(); ++i) {
    const CVesselFormField& field = form.fields[i];
    // Fields of one group follow each other in the table.
    if (field.group && field.group != group) {
      auto* box = new QGroupBox(QString::fromUtf8(field.group), this);
      rows = NewFormLayout(box);
      layout->addWidget(box);
    }
    group = field.group;
    QWidget* editor = nullptr;
    if (const auto* text = std::get_if<std::string>(&values[i])) {
      auto* edit = new QLineEdit(QString::fromStdString(*text), this);
      edit->setObjectName(QString::fromLatin1(field.name));
      edit->setMinimumWidth(220);
      editor = edit;
    } else {
      auto* edit = new CFigureEdit(field.name, field.low, field.high, field.decimals, field.unit, this);
      edit->setValue(std::get<double>(values[i]));
      editor = edit;
    }
    rows->addRow(QString::fromUtf8(field.label), editor);
    editors_.push_back(editor);
  }
  if (form.note) {
    auto* note = new QLabel(QString::fromUtf8(form.note), this);
    note->setWordWrap(true);
    layout->addWidget(note);
  }
  WatchForChanges(this);
}

QWidget* CVesselFormDialog::editor(const char* field) const { return findChild<QWidget*>(QString::fromLatin1(field)); }

std::vector<CVesselValue> CVesselFormDialog::Values() const {
  std::vector<CVesselValue> values;
  for (QWidget* editor : editors_) {
    if (auto* text = qobject_cast<QLineEdit*>(editor))
      values.emplace_back(text->text().trimmed().toStdString());
    else
      values.emplace_back(static_cast<CFigureEdit*>(editor)->value());
  }
  return values;
}

std::optional<CFieldRefusal> CVesselFormDialog::Validate() { return ValidateVesselForm(form_, Values()); }

void CVesselFormDialog::Apply() {
  ApplyVesselForm(form_, Values(), vessel_);
  if (!form_.saves || !writeFiles_) return;
  // The edits stay in the record when the file cannot be written; the
  // document's next store tries again.
  if (!vessel_.Save(settings_, guard_)) Prompter().Message(form_.saveFailure, EMessageIcon::Exclamation);
}

bool RunVesselForm(QWidget* parent, const CVesselForm& form, CVessel2& vessel, CSettingsStore& settings,
                   CPrompter& prompter, bool writeFiles, const CDataFileGuard* guard) {
  CVesselFormDialog dialog(form, vessel, settings, prompter, parent, writeFiles, guard);
  return dialog.Run().applied;
}

}  // namespace marigold
