#pragma once
// The bodies of one page: the VOYAGE PLAN cover page, a port's information
// and the tide curve of a port.
#include <string>

#include "core/Painter.h"
#include "lists/PortInfo.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr const char* kCannotPrintPortInfo = "No voyage loaded\nor no port selected\nCan not print port info";

// The box above the body that frames the page header (x 50 to 1950, y -50
// to -200), as the tables, the cover and the tide curve draw it.
void DrawTitleBox(CPainter& painter);

// Computes the schedule from the departure record for the arrival time and
// the fuel.
void DrawCoverPage(CPainter& painter, CMarigoldRouteDoc& doc);
void DrawPortPage(CPainter& painter, const CPortInfo& port);
void DrawTidePage(CPainter& painter, const CPortInfo& port);

}  // namespace marigold
