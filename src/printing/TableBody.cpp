#include "printing/TableBody.h"

#include <algorithm>

namespace marigold {
namespace {

const CPrintFont kTableFont{kPrintFace, 32, 400, 0};
const CPrintFont kTableTitleFont{kPrintFace, 32, 700, 0};

void DrawColumnLines(CPainter& painter, const std::vector<int>& xs, int top, int bottom) {
  for (int x : xs) painter.Line({x, top}, {x, bottom});
}

}  // namespace

CTableBody::CTableBody(CTableLayout layout, std::vector<CTableRecord> records)
    : layout_(std::move(layout)), records_(std::move(records)) {
  // Figures are padded for the list view's columns; on paper, in a
  // proportional face, the padding would only push them over the column
  // lines.
  for (CTableRecord& record : records_)
    for (CPlacedText& cell : record.cells)
      cell.text.erase(0, std::min(cell.text.find_first_not_of(' '), cell.text.size()));
  // Records fill the band of fifteen rows; one that would cross its foot
  // starts the next page.
  pageStarts_.push_back(0);
  int used = 0;
  for (std::size_t i = 0; i < records_.size(); ++i) {
    const int height = records_[i].height;
    if (used > 0 && used + height > kTableRowsTop - kTableRowsBottom) {
      pageStarts_.push_back(i);
      used = 0;
    }
    used += height;
  }
}

void CTableBody::DrawPage(CPainter& painter, int page) const {
  if (page < 1 || page > PageCount()) return;
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetBrush({});
  painter.Rectangle({50, -50}, {1950, -200});
  painter.SetFont(kTableTitleFont);
  painter.Text({layout_.titleX, -250}, layout_.title);

  painter.SetFont(kTableFont);
  painter.Rectangle({50, -400}, {1950, kTableRowsTop});
  DrawColumnLines(painter, layout_.columnLines, -400, kTableRowsTop);
  for (const CPlacedText& header : layout_.headers) painter.Text({header.x, header.y}, header.text);

  const std::size_t first = pageStarts_[static_cast<std::size_t>(page - 1)];
  const std::size_t end = page < PageCount() ? pageStarts_[static_cast<std::size_t>(page)] : records_.size();
  int top = kTableRowsTop;
  for (std::size_t i = first; i < end; ++i) {
    const CTableRecord& record = records_[i];
    painter.Rectangle({50, top}, {1950, top - record.height});
    DrawColumnLines(painter, layout_.columnLines, top, top - record.linesDepth);
    if (record.subBlockX > 0) {
      painter.Line({record.subBlockX, top - record.linesDepth}, {1950, top - record.linesDepth});
      painter.Line({record.subBlockX, top - record.linesDepth}, {record.subBlockX, top - record.height});
    }
    for (const CPlacedText& cell : record.cells) painter.Text({cell.x, top - cell.y}, cell.text);
    top -= record.height;
  }
}

void AddNameAndPosition(CTableRecord& record, const std::string& name, const std::string& latitude,
                        const std::string& longitude) {
  record.cells.push_back({100, 30, name});
  record.cells.push_back({100, 60, latitude});
  record.cells.push_back({300, 60, longitude});
}

}  // namespace marigold
