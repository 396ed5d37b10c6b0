#include "ui/sheets/MessageListPage.h"

#include <QDesktopServices>
#include <QListWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "lists/ReportsPage.h"
#include "ui/widgets/ButtonRow.h"

namespace marigold {

CPageMessageList::CPageMessageList(std::vector<std::string>& documents, CPrompter& prompter, QWidget* parent)
    : CSheetPage(QStringLiteral("Reports"), parent),
      documents_(documents),
      prompter_(prompter),
      list_(new QListWidget(this)) {
  list_->setObjectName(QStringLiteral("documents"));
  connect(list_, &QListWidget::itemDoubleClicked, this, &CPageMessageList::OnView);

  auto* page = new QVBoxLayout(this);
  page->addWidget(list_, 1);
  page->addLayout(NewButtonRow(this, {{"Add", &CPageMessageList::OnAdd},
                                      {"View", &CPageMessageList::OnView},
                                      {"Remove", &CPageMessageList::OnRemove}}));
}

void CPageMessageList::Load() {
  work_ = documents_;
  Fill(-1);
}

void CPageMessageList::Store() { documents_ = work_; }

void CPageMessageList::Fill(int selectRow) {
  list_->clear();
  for (const std::string& path : work_) list_->addItem(QString::fromStdString(path));
  if (QListWidgetItem* item = list_->item(selectRow)) list_->setCurrentItem(item);
}

int CPageMessageList::SelectedRow() const {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void CPageMessageList::OnAdd() {
  if (!AddDocument(work_, prompter_)) return;
  Fill(static_cast<int>(work_.size()) - 1);
  emit edited();
}

void CPageMessageList::OnView() {
  const std::optional<std::string> path = DocumentToView(work_, SelectedRow(), prompter_);
  if (path && !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(*path))))
    prompter_.Message(kDocumentNotOpened + *path, EMessageIcon::Stop);
}

void CPageMessageList::OnRemove() {
  const int row = SelectedRow();
  if (!RemoveDocument(work_, row, prompter_)) return;
  Fill(std::min(row, static_cast<int>(work_.size()) - 1));
  emit edited();
}

}  // namespace marigold
