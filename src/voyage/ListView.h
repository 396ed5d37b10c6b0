#pragma once
// What the list beside the navigation tree shows for the document's selected
// list: eight columns and one row per record, each row remembering the
// record it stands for. The desktop table and the `marigold list` command
// both show these rows, so they never disagree.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/Position2.h"
#include "lists/ListKind.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr int kListColumnCount = 8;

// Double-clicking a row never opens an editor; the context menu does.
inline constexpr const char* kUseRightMouseButton = "Please use right mouse button";

enum class EColumnAlign { Left, Centre, Right };

struct CListColumn {
  std::string title;  // may be empty
  EColumnAlign align = EColumnAlign::Left;
  int width = 0;  // pixels; 0 hides the column
};

using CListColumns = std::array<CListColumn, kListColumnCount>;
using CListCells = std::array<std::string, kListColumnCount>;

struct CListRow {
  // Borrowed from the document's lists; nullptr for the start position that
  // opens the Schedule and Waypoints lists.
  CPosition2* record = nullptr;
  CListCells cells;
};

struct CListContent {
  CListColumns columns;
  std::vector<CListRow> rows;

  // The record of a row; nullptr for the start position and for an index
  // outside the rows.
  CPosition2* RecordAt(int row) const;
};

// The columns of a list; the Schedule and Waypoints titles follow the
// opened-from-file flag and the route's speed setting.
CListColumns ListColumns(CMarigoldRouteDoc& doc, EListKind kind);

// Where the Schedule and Waypoints lists start: the latest fix, or the
// departure record while the document is as opened from file (or has no fix).
const CFixRecord& StartPosition(CMarigoldRouteDoc& doc);

// The rows of a list, after the recomputation that list needs: the Schedule
// fills the waypoints' weather and computes the schedule from the start
// position, the Waypoints list computes it without the weather step, the
// Meteo list fills the weather and computes from the departure record, and
// the reporting points take their passing times from the schedule.
std::vector<CListRow> ListRows(CMarigoldRouteDoc& doc, EListKind kind);

// Refresh: columns and rows of the document's selected list.
CListContent FillList(CMarigoldRouteDoc& doc);

// A click on a column header of the selected list. What it asks of the
// caller beyond the changes made to the document.
struct CHeaderClickResult {
  bool openCalculateEta = false;  // the "Calculate ETA" dialog, then refresh
  bool refresh = true;            // every header click refreshes
};
CHeaderClickResult OnHeaderClick(CMarigoldRouteDoc& doc, int column);

}  // namespace marigold
