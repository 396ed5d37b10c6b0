#include "printing/PageFrame.h"

#include "core/LocalClock.h"
#include "core/TextFormat.h"

namespace marigold {

void DrawPageHeader(CPainter& painter, const std::string& title, int page, int pageCount) {
  painter.SetFont({kPrintFace, 36, 400, 0});
  painter.Text({100, -100}, Format("%s,   page %d of %d", title.c_str(), page, pageCount));
}

void DrawPageFooter(CPainter& painter, const std::string& vesselName, std::time_t printedAt) {
  painter.SetFont({kPrintFace, 36, 400, 0});
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetBrush({});
  painter.Rectangle({50, -2600}, {1950, -2800});
  painter.Line({950, -2600}, {950, -2800});
  painter.Text({100, -2680}, vesselName);
  painter.Text({100, -2740}, "Printed at " + FormatTime("%a %d %b %H:%M ST", LocalFieldsOf(printedAt)));
  painter.Text({1000, -2680}, "Printed by: ................................ (Name/Signature)");
  painter.Text({1000, -2740}, "Approved by: ............................... (Name/Signature)");
}

int PageCountByRecords(int records, bool fromTree) { return records / (fromTree ? 22 : 15) + 1; }

}  // namespace marigold
