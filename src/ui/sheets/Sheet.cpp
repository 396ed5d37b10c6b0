#include "ui/sheets/Sheet.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace marigold {

CSheetPage::CSheetPage(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {}

CSheet::CSheet(const std::string& caption, CPrompter& prompter, const char* cancelQuestion, QWidget* parent)
    : CEditDialog(prompter, cancelQuestion, parent), tabs_(new QTabWidget(this)) {
  SetCaption(caption);
  // Every tab in sight: the sheet is as wide as its tabs need.
  tabs_->setUsesScrollButtons(false);
  ContentLayout()->addWidget(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, &CSheet::OnPageChanged);
}

// The tabs go with the base's children, after this part of the sheet.
CSheet::~CSheet() { disconnect(tabs_, nullptr, this, nullptr); }

void CSheet::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void CSheet::AddPage(CSheetPage* page) {
  pages_.push_back(page);
  tabs_->addTab(page, page->Caption());
  WatchForChanges(page);
  connect(page, &CSheetPage::edited, this, [this] { SetChanged(); });
}

CSheetPage* CSheet::CurrentPage() const { return qobject_cast<CSheetPage*>(tabs_->currentWidget()); }

void CSheet::showEvent(QShowEvent* event) {
  shownPage_ = CurrentPage();
  LoadPage(shownPage_);
  CEditDialog::showEvent(event);
}

void CSheet::OnPageChanged() {
  // Adding the first tab makes it current long before the sheet is shown,
  // when the caller may not have handed over the record yet.
  if (!isVisible() || returning_) return;
  // A value the page refuses keeps the officer on it, as OK would.
  if (CSheetPage* left = shownPage_; left && left->loaded_) {
    if (const std::optional<CFieldRefusal> refusal = left->Validate()) {
      ShowRefusingPage(left);
      Prompter().Message(refusal->message, EMessageIcon::Exclamation);
      FocusField(left, refusal->field);
      return;
    }
  }
  shownPage_ = CurrentPage();
  LoadPage(shownPage_);
}

void CSheet::ShowRefusingPage(CSheetPage* page) {
  returning_ = true;
  tabs_->setCurrentWidget(page);
  returning_ = false;
  shownPage_ = page;
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
  ShowRefusingPage(refusingPage_);
  FocusField(refusingPage_, refusal.field);
}

}  // namespace marigold
