#pragma once
// The list beside the navigation tree: the columns and rows of the
// document's selected list, the record behind each row, and the column
// headers as commands.
#include <QTableView>
#include <optional>
#include <vector>

#include "core/Position2.h"
#include "core/SettingsStore.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

class CListModel;

class CMarigoldRouteView : public QTableView {
  Q_OBJECT
 public:
  enum EViewStyle { kDetails = 0, kList = 1, kSmallIcons = 2, kLargeIcons = 3 };

  // Column widths the officer drags are kept in `settings`, per list and column.
  CMarigoldRouteView(CMarigoldRouteDoc& doc, CSettingsStore& settings, QWidget* parent = nullptr);

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

 protected:
  // A cell too narrow for its text shows the whole text as a tool tip.
  bool viewportEvent(QEvent* event) override;

 signals:
  // After a header click and the refresh it ends with; the caller opens the
  // "Calculate ETA" dialog when asked to (and refreshes after it).
  void headerActionRequested(bool openCalculateEta);
  // A header click may have changed the document's settings.
  void recordsChanged();

 private:
  void ApplyColumns();
  int MeasuredWidth(int column, int given) const;
  void OnSectionResized(int column, int newWidth);
  void OnHeaderClicked(int column);
  void OnDoubleClicked();

  CMarigoldRouteDoc& document;
  CSettingsStore& settings;
  CListModel* listModel;
  bool applyingColumns = false;
  int viewStyle = kDetails;
};

}  // namespace marigold
