#pragma once
// The printed graphs, laid across the page turned by 90 degrees: the time
// axis runs down the page from (200, -200) to (200, -2550), above the
// footer, the speed axis across it to (2000, -200), and every text is
// turned with them.
// Speed versus time spans the document's range of fixes (mode 12); the
// voyage graph (mode 20) spans the whole route with the planned figures of
// each leg dashed beside the fixes' achieved ones.
#include <optional>
#include <string>

#include "core/Painter.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr const char* kGraphNoTime = "The graph spans no time:\nits last position must come after its first";
inline constexpr const char* kGraphNoFixes = "No position fixes in the range of the graph\nCan not print graph";

// The fixes the speed graph spans (indices into the history, `to` none for
// the latest fix); a refusal when they do not make a graph.
struct CGraphFixes {
  int from = 0;
  int to = 0;
  std::string refusal;
};
CGraphFixes GraphFixes(CMarigoldRouteDoc& doc);

void DrawSpeedGraph(CPainter& painter, CMarigoldRouteDoc& doc, int from, int to);
// The route's time from its first waypoint to its arrival must be positive
// (the refusal's text otherwise).
std::optional<std::string> CheckVoyageGraph(CMarigoldRouteDoc& doc);
void DrawVoyageGraph(CPainter& painter, CMarigoldRouteDoc& doc);

}  // namespace marigold
