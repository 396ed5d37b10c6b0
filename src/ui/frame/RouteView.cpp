#include "ui/frame/RouteView.h"

#include <QHeaderView>
#include <algorithm>
#include <cstddef>

#include "ui/frame/TreeIcons.h"
#include "ui/models/ListModel.h"
#include "voyage/ListView.h"

namespace marigold {

CMarigoldRouteView::CMarigoldRouteView(CMarigoldRouteDoc& doc, QWidget* parent)
    : QTableView(parent), document(doc), listModel(new CListModel(this)) {
  setModel(listModel);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);  // rows always appear in list order
  setShowGrid(false);
  setWordWrap(false);
  // Fixed row heights keep a long list cheap to lay out.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CMarigoldRouteView::OnHeaderClicked);
  connect(this, &QAbstractItemView::doubleClicked, this, &CMarigoldRouteView::OnDoubleClicked);
  SetViewStyle(kDetails);
}

void CMarigoldRouteView::Refresh() {
  listModel->SetContent(FillList(document), ListKindInfo(document.selectedList).image);
  ApplyColumns();
}

void CMarigoldRouteView::ApplyColumns() {
  const bool details = viewStyle == kDetails;
  const CListColumns& columns = listModel->Columns();
  for (int i = 0; i < kListColumnCount; ++i) {
    const int width = columns[static_cast<std::size_t>(i)].width;
    // The other styles show each row by its first column only.
    const bool shown = width > 0 && (details || i == 0);
    setColumnHidden(i, !shown);
    if (shown) setColumnWidth(i, width);
  }
}

std::vector<CPosition2*> CMarigoldRouteView::SelectedRecords() const {
  std::vector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  std::vector<CPosition2*> records;
  records.reserve(rows.size());
  for (const int row : rows)
    if (CPosition2* record = listModel->RecordAt(row)) records.push_back(record);
  return records;
}

CPosition2* CMarigoldRouteView::CurrentRecord() const {
  const std::optional<int> row = FirstSelectedRow();
  return row ? listModel->RecordAt(*row) : nullptr;
}

std::optional<int> CMarigoldRouteView::FirstSelectedRow() const {
  const QModelIndexList selected = selectionModel()->selectedRows();
  if (selected.isEmpty()) return std::nullopt;
  const auto first = std::min_element(selected.begin(), selected.end(),
                                      [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  return first->row();
}

void CMarigoldRouteView::SetViewStyle(int style) {
  if (style < kDetails || style > kLargeIcons) return;
  viewStyle = style;
  const int icon = style == kLargeIcons ? 32 : 16;
  setIconSize(QSize(icon, icon));
  verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height(), icon) + 4);
  horizontalHeader()->setVisible(style == kDetails);
  ApplyColumns();
}

void CMarigoldRouteView::OnHeaderClicked(int column) {
  const CHeaderClickResult result = OnHeaderClick(document, column);
  if (result.refresh) Refresh();
  emit headerActionRequested(result.openCalculateEta);
  emit recordsChanged();
}

void CMarigoldRouteView::OnDoubleClicked() {
  document.Prompter().Message(kUseRightMouseButton, EMessageIcon::Exclamation);
}

}  // namespace marigold
