#pragma once
// The frame of every printed page: the header line with the document's
// title and the page numbers, and the footer box with the vessel's name, the
// time of printing and the two signature lines. Both stand at the same place
// on every page.
#include <ctime>
#include <string>

#include "core/Painter.h"

namespace marigold {

struct CPageFrameTexts {
  std::string title;  // the route document's title
  std::string vesselName;
  std::time_t printedAt = 0;
};

// "%s,   page %d of %d" at x 100, y -100.
void DrawPageHeader(CPainter& painter, const std::string& title, int page, int pageCount);
// The box from x 50 to 1950 and y -2600 to -2800 with its divider, the
// vessel's name, "Printed at ..." on the computer's clock and the two
// signature lines.
void DrawPageFooter(CPainter& painter, const std::string& vesselName, std::time_t printedAt);

// Pages of a list printout by the record count: records / 15 + 1 from the
// list view, records / 22 + 1 from the tree view; a body that prints on one
// page whatever its length (the schedule, every report of its own) gives
// 0 records.
int PageCountByRecords(int records, bool fromTree);

}  // namespace marigold
