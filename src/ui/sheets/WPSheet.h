#pragma once
// The waypoint sheet: "Position", "Route" and "Meteo" over one waypoint of
// the route or of a harbour traject.
#include <string>

#include "core/Prompter.h"
#include "core/Waypoint.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CWPSheet final : public CSheet {
  Q_OBJECT

 public:
  CWPSheet(CWaypoint& waypoint, const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);
};

}  // namespace marigold
