#pragma once
// The plotting sheet (mode 13): a degree grid in the chosen projection, the
// title block, and the chosen objects plotted over it. Whatever falls off
// the sheet or cannot be projected is left out.
#include <optional>
#include <string>

#include "core/Painter.h"
#include "printing/Projection.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr const char* kScaleRefused = "The scale of the chart must be a number above 0";

// The geometry of the document's settings, centred on the latest fix (or
// the first waypoint) until a centre was chosen.
CSheetGeometry SheetGeometry(CMarigoldRouteDoc& doc);
// The refusal's message for settings that cannot print; none when they can.
std::optional<std::string> CheckSheet(const CSheetGeometry& sheet);

void DrawPlottingSheet(CPainter& painter, CMarigoldRouteDoc& doc, const CSheetGeometry& sheet, std::time_t now);

}  // namespace marigold
