#include "ui/sheets/DangerSheet.h"

#include <QFormLayout>

#include <QLineEdit>
#include "ui/widgets/FormLayout.h"

#include "core/SheetFields.h"
#include "lists/WarningSheet.h"
#include "ui/sheets/NotesPage.h"
#include "ui/sheets/WarningAreaPage.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {
namespace {

// "Warning": the times in UTC, as the warning keeps them.
class CPageWarning final : public CSheetPage {
 public:
  explicit CPageWarning(CNavWarning& warning) : CSheetPage(QStringLiteral("Warning")), warning_(warning) {
    number_->setObjectName(QStringLiteral("number"));
    validFrom_->setObjectName(QStringLiteral("validFrom"));
    validTill_->setObjectName(QStringLiteral("validTill"));
    auto* form = NewFormLayout(this);
    form->addRow(QStringLiteral("Navigational Warning Nr"), number_);
    form->addRow(QStringLiteral("Valid from"), validFrom_);
    form->addRow(QStringLiteral("Valid till"), validTill_);
    form->addRow(QStringLiteral("Minimum save passing distance"), passingDistance_);
  }

  void Load() override {
    const CWarningFields f = ReadWarning(warning_);
    number_->setText(QString::fromStdString(f.number));
    validFrom_->SetCivilTime(f.validFrom);
    validTill_->SetCivilTime(f.validTill);
    passingDistance_->setValue(f.passingDistance);
  }
  void Store() override {
    ApplyWarning(
        {number_->text().toStdString(), validFrom_->CivilTime(), validTill_->CivilTime(), passingDistance_->value()},
        warning_);
  }

 private:
  CNavWarning& warning_;
  QLineEdit* number_ = new QLineEdit(this);
  CDateTimeEdit* validFrom_ = new CDateTimeEdit(kWarningDateTimeFormat, this);
  CDateTimeEdit* validTill_ = new CDateTimeEdit(kWarningDateTimeFormat, this);
  // Any distance is taken: the officer judges it against the closest approach.
  CFigureEdit* passingDistance_ = new CFigureEdit("passingDistance", 0.0, 999.0, kSpeedDecimals, "nM", this);
};

}  // namespace

CDangerSheet::CDangerSheet(CNavWarning& warning, const std::string& caption, CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent), warning_(warning) {
  setObjectName(QStringLiteral("CDangerSheet"));
  AddPage(new CPageWarning(warning));
  AddPage(new CPageWarningArea(warning, prompter));
  AddPage(new CPageNotes(warning.secondText));
}

void CDangerSheet::Apply() {
  CSheet::Apply();
  FinishWarningEdit(warning_);
}

CDialogOutcome ShowDangerSheet(QWidget* parent, CPrompter& prompter, CNavWarning& warning, const std::string& caption) {
  return ShowSheet<CDangerSheet>(warning, caption, prompter, parent);
}

}  // namespace marigold
