#include "ui/sheets/PublicationDialog.h"

#include <QFormLayout>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include "ui/widgets/FormLayout.h"

#include "lists/PublicationSheet.h"
#include "ui/widgets/DateTimeEdit.h"

namespace marigold {
namespace {

QLineEdit* TextEdit(const char* field, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(field));
  return edit;
}

CDateTimeEdit* DateEdit(const char* field, QWidget* parent) {
  auto* edit = new CDateTimeEdit(kPublicationDateFormat, parent);
  edit->setObjectName(QString::fromLatin1(field));
  edit->setCalendarPopup(true);
  return edit;
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CPublicationDialog::CPublicationDialog(CPublication& publication, const std::string& caption, CPrompter& prompter,
                                       QWidget* parent)
    : CEditDialog(prompter, kDataHasBeenChangedQuestion, parent),
      publication_(publication),
      number_(TextEdit("number", this)),
      chart_(new QRadioButton(QString::fromLatin1(kPublicationKindTexts[0]), this)),
      book_(new QRadioButton(QString::fromLatin1(kPublicationKindTexts[1]), this)),
      description_(TextEdit("description", this)),
      publisher_(TextEdit("publisher", this)),
      publicationDate_(DateEdit("publicationDate", this)),
      correctionNumber_(TextEdit("correctionNumber", this)),
      correctionDate_(DateEdit("correctionDate", this)) {
  setObjectName(QStringLiteral("CPublicationDialog"));
  setWindowTitle(ToQt(caption));
  chart_->setObjectName(QStringLiteral("chart"));
  book_->setObjectName(QStringLiteral("book"));

  auto* form = NewFormLayout();
  auto* kind = new QHBoxLayout;
  kind->addWidget(chart_);
  kind->addWidget(book_);
  kind->addStretch(1);
  form->addRow(QStringLiteral("Number"), number_);
  form->addRow(QString(), kind);
  form->addRow(QStringLiteral("Description:"), description_);
  form->addRow(QStringLiteral("Publisher:"), publisher_);
  form->addRow(QStringLiteral("Date of Publication:"), publicationDate_);
  auto* correction = new QGroupBox(QStringLiteral("Latest Correction"), this);
  auto* correctionForm = NewFormLayout(correction);
  correctionForm->addRow(QStringLiteral("Number:"), correctionNumber_);
  correctionForm->addRow(QStringLiteral("Date:"), correctionDate_);
  ContentLayout()->addLayout(form);
  ContentLayout()->addWidget(correction);

  const CPublicationFields f = ReadPublication(publication);
  number_->setText(ToQt(f.number));
  (f.kind == 0 ? chart_ : book_)->setChecked(true);
  description_->setText(ToQt(f.description));
  publisher_->setText(ToQt(f.publisher));
  publicationDate_->SetCivilTime(f.publicationDate);
  correctionNumber_->setText(ToQt(f.correctionNumber));
  correctionDate_->SetCivilTime(f.correctionDate);
  WatchForChanges(this);
}

std::optional<CFieldRefusal> CPublicationDialog::Validate() { return std::nullopt; }

void CPublicationDialog::Apply() {
  ApplyPublication({number_->text().toStdString(), chart_->isChecked() ? 0 : 1, description_->text().toStdString(),
                    publisher_->text().toStdString(), publicationDate_->CivilTime(),
                    correctionNumber_->text().toStdString(), correctionDate_->CivilTime()},
                   publication_);
}

CDialogOutcome ShowPublicationDialog(QWidget* parent, CPrompter& prompter, CPublication& publication,
                                     const std::string& caption) {
  CPublicationDialog dialog(publication, caption, prompter, parent);
  return dialog.Run();
}

}  // namespace marigold
