#pragma once
// The rows of the selected list as a table model. The rows are built once
// per refresh; data() only looks up the one cell asked for, so a list of
// 100,000 records scrolls as fast as one of ten.
#include <QAbstractTableModel>
#include <QIcon>

#include "voyage/ListView.h"

namespace marigold {

class CListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit CListModel(QObject* parent = nullptr);

  // Replaces every column and row. `image` is the icon of every row, -1
  // for none.
  void SetContent(CListContent content, int image);

  const CListContent& Content() const { return content; }
  const CListColumns& Columns() const { return content.columns; }
  // The record a row stands for; nullptr for the start position and for a
  // row that does not exist.
  CPosition2* RecordAt(int row) const { return content.RecordAt(row); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  CListContent content;
  QIcon rowIcon;
};

}  // namespace marigold
