#include "ui/sheets/WarningAreaPage.h"

#include <QHeaderView>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/sheets/AreaPointDialog.h"
#include "ui/widgets/ButtonRow.h"

namespace marigold {

CPageWarningArea::CPageWarningArea(CNavWarning& warning, CPrompter& prompter, QWidget* parent)
    : CSheetPage(QStringLiteral("Area"), parent),
      warning_(warning),
      prompter_(prompter),
      noGoArea_(new QRadioButton(QString::fromLatin1(kNoGoAreaText), this)),
      singleLine_(new QRadioButton(QString::fromLatin1(kSingleLineText), this)),
      points_(new QTreeWidget(this)) {
  noGoArea_->setObjectName(QStringLiteral("noGoArea"));
  singleLine_->setObjectName(QStringLiteral("singleLine"));
  points_->setObjectName(QStringLiteral("areaPoints"));
  points_->setHeaderLabels({QStringLiteral("Latitude"), QStringLiteral("Longitude")});
  points_->setRootIsDecorated(false);
  points_->setAllColumnsShowFocus(true);
  points_->header()->setSectionResizeMode(QHeaderView::Stretch);
  connect(points_, &QTreeWidget::itemDoubleClicked, this, &CPageWarningArea::OnEdit);

  auto* page = new QVBoxLayout(this);
  page->addWidget(noGoArea_);
  page->addWidget(singleLine_);
  page->addWidget(points_, 1);
  page->addLayout(NewButtonRow(this, {{"Add", &CPageWarningArea::OnAdd},
                                      {"Edit", &CPageWarningArea::OnEdit},
                                      {"Delete", &CPageWarningArea::OnDelete}}));
}

void CPageWarningArea::Load() {
  fields_ = ReadWarningArea(warning_);
  (fields_.areaKind == CNavWarning::kNoGoArea ? noGoArea_ : singleLine_)->setChecked(true);
  Fill(-1);
}

void CPageWarningArea::Store() {
  // A stored kind other than the two choices shows as a single line and
  // stays as it is unless the officer chooses the no-go area.
  const bool noGoShown = fields_.areaKind == CNavWarning::kNoGoArea;
  if (noGoArea_->isChecked() != noGoShown)
    fields_.areaKind = noGoArea_->isChecked() ? CNavWarning::kNoGoArea : CNavWarning::kSingleLine;
  ApplyWarningArea(fields_, warning_);
}

void CPageWarningArea::Fill(int selectRow) {
  points_->clear();
  for (const auto& [latitude, longitude] : AreaPointRows(fields_.points))
    points_->addTopLevelItem(
        new QTreeWidgetItem({QString::fromStdString(latitude), QString::fromStdString(longitude)}));
  if (QTreeWidgetItem* item = points_->topLevelItem(selectRow)) points_->setCurrentItem(item);
}

int CPageWarningArea::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = points_->selectedItems();
  return selected.isEmpty() ? -1 : points_->indexOfTopLevelItem(selected.first());
}

CDialogOutcome CPageWarningArea::EditPoint(CPosition2& point) {
  CAreaPointDialog dialog(point, prompter_, this);
  return dialog.Run();
}

void CPageWarningArea::OnAdd() {
  fields_.points.emplace_back();
  if (!EditPoint(fields_.points.back()).confirmed) {
    fields_.points.pop_back();
    return;
  }
  Fill(static_cast<int>(fields_.points.size()) - 1);
  emit edited();
}

void CPageWarningArea::OnEdit() {
  const int row = SelectedRow();
  CPosition2* point = AreaPointToEdit(fields_.points, row, prompter_);
  if (!point || !EditPoint(*point).applied) return;
  Fill(row);
  emit edited();
}

void CPageWarningArea::OnDelete() {
  const int row = SelectedRow();
  if (!DeleteAreaPoint(fields_.points, row, prompter_)) return;
  Fill(std::min(row, static_cast<int>(fields_.points.size()) - 1));
  emit edited();
}

}  // namespace marigold
