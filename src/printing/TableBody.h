#pragma once
// The layout every tabular printout shares (the lists, the schedule, the
// harbour trajects): a title, a box of column headers and one box per
// record, 100 units high (two for a record with a closest-approach block),
// with the column lines running through each box. Fifteen record rows fit a
// page; the title and the column headers stand on every page, so a
// continued table still says what its columns are. A record is never cut
// between two pages.
#include <string>
#include <vector>

#include "printing/PrintBody.h"

namespace marigold {

inline constexpr int kTableRowHeight = 100;
inline constexpr int kTableRowsTop = -500;      // below the column-header box
inline constexpr int kTableRowsBottom = -2000;  // fifteen rows

struct CPlacedText {
  int x = 0;
  int y = 0;  // page y of a header; units below the top of a record's box
  std::string text;
};

struct CTableLayout {
  std::string title;
  int titleX = 700;
  std::vector<CPlacedText> headers;  // at page y (-450, or -418 / -430 over -460)
  std::vector<int> columnLines;      // x of the column boundaries
};

struct CTableRecord {
  std::vector<CPlacedText> cells;  // y: units below the top of the box
  int height = kTableRowHeight;
  // Column lines through the whole box, or only through its upper row.
  int linesDepth = kTableRowHeight;
  // A block beneath the record's row, boxed from this x (0: none).
  int subBlockX = 0;
};

class CTableBody final : public CPrintBody {
 public:
  CTableBody(CTableLayout layout, std::vector<CTableRecord> records);

  int PageCount() const override { return static_cast<int>(pageStarts_.size()); }
  void DrawPage(CPainter& painter, int page) const override;

  // The records' first index on each page (tests).
  const std::vector<std::size_t>& PageStarts() const { return pageStarts_; }

 private:
  CTableLayout layout_;
  std::vector<CTableRecord> records_;
  std::vector<std::size_t> pageStarts_;
};

// The cell texts of the common position block: the name 30 units below the
// top, latitude at x 100 and longitude at x 300 60 units below it.
void AddNameAndPosition(CTableRecord& record, const std::string& name, const std::string& latitude,
                        const std::string& longitude);

}  // namespace marigold
