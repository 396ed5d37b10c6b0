#pragma once
// The storm advisory sheet (mode 14): the storm's data and its closest
// approach, the storm seen from each point of the ship's track, and the
// ship's track drawn relative to the storm. The track starts at the latest
// fix, or at the departure while the document is as opened from file.
#include <optional>
#include <string>

#include "core/Painter.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

// The chosen storm; a refusal when the list has none by that index.
std::optional<std::string> CheckStormAdvisory(CMarigoldRouteDoc& doc);
void DrawStormAdvisory(CPainter& painter, CMarigoldRouteDoc& doc);

}  // namespace marigold
