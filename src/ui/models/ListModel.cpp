#include "ui/models/ListModel.h"

#include <cstddef>
#include <utility>

#include "ui/frame/TreeIcons.h"

namespace marigold {
namespace {

Qt::Alignment AlignmentOf(EColumnAlign align) {
  switch (align) {
    case EColumnAlign::Left: return Qt::AlignLeft | Qt::AlignVCenter;
    case EColumnAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case EColumnAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

CListModel::CListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CListModel::SetContent(CListContent newContent, int image) {
  beginResetModel();
  content = std::move(newContent);
  // The list's own image in both sizes; unlike the tree, a selected row
  // keeps it.
  rowIcon = QIcon();
  if (image >= 0)
    for (const int size : {16, 32}) rowIcon.addPixmap(TreeIconPixmap(image, size));
  endResetModel();
}

int CListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(content.rows.size());
}

int CListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kListColumnCount; }

QVariant CListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= kListColumnCount) return {};
  const auto column = static_cast<std::size_t>(index.column());
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(content.rows[static_cast<std::size_t>(index.row())].cells[column]);
    case Qt::TextAlignmentRole: return QVariant::fromValue(AlignmentOf(content.columns[column].align));
    case Qt::DecorationRole:
      if (column == 0 && !rowIcon.isNull()) return rowIcon;
      return {};
    default: return {};
  }
}

QVariant CListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= kListColumnCount) return {};
  const CListColumn& column = content.columns[static_cast<std::size_t>(section)];
  if (role == Qt::DisplayRole) return QString::fromStdString(column.title);
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(AlignmentOf(column.align));
  return {};
}

Qt::ItemFlags CListModel::flags(const QModelIndex& index) const {
  // Never editable in place: the edit sheets are the way to change a record.
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace marigold
