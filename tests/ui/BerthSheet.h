#pragma once
// A small sheet over a plain record, with one editor of every kind the edit
// dialogs watch, for the tests of the sheet base and the shared widgets.
#include <QtWidgets>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/CivilTime.h"
#include "core/PositionFields.h"
#include "ui/sheets/Sheet.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/LenientSpinBox.h"
#include "ui/widgets/PositionEdit.h"

namespace marigold {

struct CBerthRecord {
  std::string name = "Europoort";
  int berths = 4;  // 1 to 20
  bool pilot = true;
  bool starboard = false;
  std::string notes = "VHF 14";
  CPositionFields position = PositionFields(51.98, 4.05);
  CCivilTime arrival{2024, 3, 31, 1, 45, 0};
};

inline bool operator==(const CBerthRecord& a, const CBerthRecord& b) {
  return a.name == b.name && a.berths == b.berths && a.pilot == b.pilot && a.starboard == b.starboard &&
         a.notes == b.notes && a.position == b.position && a.arrival == b.arrival;
}

class CBerthGeneralPage final : public CSheetPage {
 public:
  explicit CBerthGeneralPage(CBerthRecord& record) : CSheetPage(QStringLiteral("General")), record_(record) {
    auto* form = new QFormLayout(this);
    const std::pair<QWidget*, const char*> names[] = {
        {name_, "name"}, {berths_, "berths"}, {pilot_, "pilot"}, {starboard_, "starboard"}, {notes_, "notes"}};
    for (const auto& [editor, name] : names) editor->setObjectName(QString::fromLatin1(name));
    notes_->setTabChangesFocus(true);
    form->addRow(QStringLiteral("Name:"), name_);
    form->addRow(QStringLiteral("Berths:"), berths_);
    for (QWidget* editor : std::initializer_list<QWidget*>{pilot_, port_, starboard_, notes_}) form->addRow(editor);
  }

  void Load() override {
    name_->setText(QString::fromStdString(record_.name));
    berths_->setValue(record_.berths);
    pilot_->setChecked(record_.pilot);
    (record_.starboard ? starboard_ : port_)->setChecked(true);
    notes_->setPlainText(QString::fromStdString(record_.notes));
  }
  std::optional<CFieldRefusal> Validate() const override {
    return CheckIntegerField("berths", berths_->value(), 1, 20);
  }
  void Store() override {
    record_.name = name_->text().toStdString();
    record_.berths = berths_->value();
    record_.pilot = pilot_->isChecked();
    record_.starboard = starboard_->isChecked();
    record_.notes = notes_->toPlainText().toStdString();
  }

 private:
  CBerthRecord& record_;
  QLineEdit* name_ = new QLineEdit(this);
  QSpinBox* berths_ = new CLenientSpinBox<QSpinBox>(1, 20, 99, this);
  QCheckBox* pilot_ = new QCheckBox(QStringLiteral("Pilot"), this);
  QRadioButton* port_ = new QRadioButton(QStringLiteral("Port side"), this);
  QRadioButton* starboard_ = new QRadioButton(QStringLiteral("Starboard side"), this);
  QTextEdit* notes_ = new QTextEdit(this);
};

// Its position editors are named with the prefix "a".
class CBerthPositionPage final : public CSheetPage {
 public:
  explicit CBerthPositionPage(CBerthRecord& record) : CSheetPage(QStringLiteral("Position")), record_(record) {
    auto* form = new QFormLayout(this);
    arrival_->setObjectName(QStringLiteral("arrival"));
    form->addRow(position_);
    form->addRow(QStringLiteral("Arrival:"), arrival_);
  }

  void Load() override {
    position_->SetFields(record_.position);
    arrival_->SetCivilTime(record_.arrival);
  }
  std::optional<CFieldRefusal> Validate() const override { return ValidatePositionFields(position_->Fields(), "a"); }
  void Store() override {
    record_.position = position_->Fields();
    record_.arrival = arrival_->CivilTime();
  }

 private:
  CBerthRecord& record_;
  CPositionEdit* position_ = new CPositionEdit("a", this);
  CDateTimeEdit* arrival_ = new CDateTimeEdit("dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s LT", this);
};

class CBerthSheet final : public CSheet {
 public:
  CBerthSheet(CBerthRecord& record, CPrompter& prompter) : CSheet("Berth", prompter, kDataHasBeenChangedQuestion) {
    AddPage(new CBerthGeneralPage(record));
    AddPage(new CBerthPositionPage(record));
  }
};

}  // namespace marigold
