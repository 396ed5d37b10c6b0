#include "ui/sheets/Sheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace marigold {

CSheetPage::CSheetPage(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

CSheet::CSheet(const std::string& caption, CPrompter& prompter, const char* cancelQuestion, QWidget* parent)
    : CEditDialog(prompter, cancelQuestion, parent), tabs_(new QTabWidget(this)) {
  SetCaption(caption);
  ContentLayout()->addWidget(tabs_);
  // Adding the first tab makes it current long before the sheet is shown,
  // when the caller may not have handed over the record yet.
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    if (isVisible()) LoadPage(CurrentPage());
  });
}

void CSheet::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void CSheet::AddPage(CSheetPage* page) {
  pages_.push_back(page);
  tabs_->addTab(page, page->Caption());
  WatchForChanges(page);
  connect(page, &CSheetPage::edited, this, [this] { SetChanged(); });
}

CSheetPage* CSheet::CurrentPage() const { return qobject_cast<CSheetPage*>(tabs_->currentWidget()); }

void CSheet::showEvent(QShowEvent* event) {
  LoadPage(CurrentPage());
  CEditDialog::showEvent(event);
}

void CSheet::LoadPage(CSheetPage* page) {
  if (!page || page->loaded_) return;
  const CQuietScope quiet(*this);
  page->Load();
  page->loaded_ = true;
}

std::optional<CFieldRefusal> CSheet::Validate() {
  for (CSheetPage* page : pages_) {
    if (!page->loaded_) continue;
    if (std::optional<CFieldRefusal> refusal = page->Validate()) {
      refusingPage_ = page;
      return refusal;
    }
  }
  return std::nullopt;
}

void CSheet::Apply() {
  for (CSheetPage* page : pages_)
    if (page->loaded_) page->Store();
}

void CSheet::FocusRefusal(const CFieldRefusal& refusal) {
  tabs_->setCurrentWidget(refusingPage_);
  FocusField(refusingPage_, refusal.field);
}

}  // namespace marigold
