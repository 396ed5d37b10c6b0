#pragma once
// The list beside the navigation tree: the columns and rows of the
// document's selected list, the record behind each row, and the column
// headers as commands.
#include <QTableView>
#include <optional>
#include <vector>

#include "core/Position2.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

class CListModel;

class CMarigoldRouteView : public QTableView {
  Q_OBJECT
 public:
  enum EViewStyle { kDetails = 0, kList = 1, kSmallIcons = 2, kLargeIcons = 3 };

  explicit CMarigoldRouteView(CMarigoldRouteDoc& doc, QWidget* parent = nullptr);

  // Rebuilds the columns and rows of the selected list (and recomputes the
  // schedule where the list shows times). The selection is cleared.
  void Refresh();

  // The records of the selected rows in row order; the start position row
  // stands for no record and is left out.
  std::vector<CPosition2*> SelectedRecords() const;
  // The record of the first selected row; nullptr when nothing is selected
  // or that row is the start position.
  CPosition2* CurrentRecord() const;
  // The first selected row; none when nothing is selected.
  std::optional<int> FirstSelectedRow() const;

  // 0 details, 1 list, 2 small icons, 3 large icons; anything else is ignored.
  void SetViewStyle(int style);
  int ViewStyle() const { return viewStyle; }

  const CListModel& Model() const { return *listModel; }

 signals:
  // After a header click and the refresh it ends with; the caller opens the
  // "Calculate ETA" dialog when asked to (and refreshes after it).
  void headerActionRequested(bool openCalculateEta);
  // A header click may have changed the document's settings.
  void recordsChanged();

 private:
  void ApplyColumns();
  void OnHeaderClicked(int column);
  void OnDoubleClicked();

  CMarigoldRouteDoc& document;
  CListModel* listModel;
  int viewStyle = kDetails;
};

}  // namespace marigold
