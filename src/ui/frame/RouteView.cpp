#include "ui/frame/RouteView.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QStringList>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cstddef>

#include "core/Settings.h"
#include "lists/ListKind.h"
#include "ui/frame/TreeIcons.h"
#include "ui/models/ListModel.h"
#include "voyage/ListView.h"

namespace marigold {

namespace {

// The widths the officer dragged for one list: eight numbers, 0 for none.
std::array<int, kListColumnCount> DraggedWidths(const CSettingsStore& settings, EListKind list) {
  std::array<int, kListColumnCount> widths{};
  const QStringList stored =
      QString::fromStdString(settings.GetString(settings::kColumnWidthSection, ListKindInfo(list).cliName, ""))
          .split(',');
  for (int i = 0; i < kListColumnCount && i < stored.size(); ++i)
    widths[static_cast<std::size_t>(i)] = std::clamp(stored[i].toInt(), 0, 4000);
  return widths;
}

}  // namespace

CMarigoldRouteView::CMarigoldRouteView(CMarigoldRouteDoc& doc, CSettingsStore& store, QWidget* parent)
    : QTableView(parent), document(doc), settings(store), listModel(new CListModel(this)) {
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
  connect(horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int newWidth) { OnSectionResized(column, newWidth); });
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
  const std::array<int, kListColumnCount> dragged = DraggedWidths(settings, document.selectedList);
  applyingColumns = true;
  for (int i = 0; i < kListColumnCount; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const int width = columns[at].width;
    // The other styles show each row by its first column only.
    const bool shown = width > 0 && (details || i == 0);
    setColumnHidden(i, !shown);
    if (shown) setColumnWidth(i, dragged[at] > 0 ? dragged[at] : MeasuredWidth(i, width));
  }
  applyingColumns = false;
}

int CMarigoldRouteView::MeasuredWidth(int column, int given) const {
  // The list's own widths were set for one font; the texts and the
  // platform's fonts decide, the given width is the least a column gets.
  const int cells = sizeHintForColumn(column);
  const int header = horizontalHeader()->sectionSizeHint(column);
  return std::max({given, cells, header});
}

void CMarigoldRouteView::OnSectionResized(int column, int newWidth) {
  if (applyingColumns || newWidth <= 0) return;
  std::array<int, kListColumnCount> widths = DraggedWidths(settings, document.selectedList);
  if (column < 0 || column >= kListColumnCount) return;
  widths[static_cast<std::size_t>(column)] = newWidth;
  QStringList stored;
  for (const int width : widths) stored << QString::number(width);
  settings.WriteString(settings::kColumnWidthSection, ListKindInfo(document.selectedList).cliName,
                       stored.join(',').toStdString());
}

bool CMarigoldRouteView::viewportEvent(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QModelIndex index = indexAt(help->pos());
  const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
  // Only a cut cell needs one; a whole text needs no second showing.
  const int room = visualRect(index).width() - 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin) - 2 -
                   (index.data(Qt::DecorationRole).isNull() ? 0 : iconSize().width() + 4);
  if (!text.isEmpty() && fontMetrics().horizontalAdvance(text) > room)
    QToolTip::showText(help->globalPos(), text, viewport(), visualRect(index));
  else
    QToolTip::hideText();
  return true;
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
