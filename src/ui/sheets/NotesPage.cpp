#include "ui/sheets/NotesPage.h"

#include <QTextEdit>
#include <QVBoxLayout>

namespace marigold {

CPageNotes::CPageNotes(std::string& notes, QWidget* parent)
    : CSheetPage(QStringLiteral("Notes"), parent), notes_(notes), text_(new QTextEdit(this)) {
  text_->setObjectName(QStringLiteral("notes"));
  // The record keeps plain text: what is pasted comes in as text.
  text_->setAcceptRichText(false);
  text_->setTabChangesFocus(true);
  auto* page = new QVBoxLayout(this);
  page->addWidget(text_);
}

void CPageNotes::Load() {
  text_->setPlainText(QString::fromStdString(notes_));
  shown_ = text_->toPlainText();
}

void CPageNotes::Store() {
  const QString typed = text_->toPlainText();
  if (typed == shown_) return;
  // Lines end as they did in the record: notes written on Windows keep CR LF.
  const bool crlf = notes_.find("\r\n") != std::string::npos;
  notes_ = (crlf ? QString(typed).replace(QLatin1Char('\n'), QStringLiteral("\r\n")) : typed).toStdString();
}

}  // namespace marigold
