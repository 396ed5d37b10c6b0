#pragma once
// The weather of a waypoint, from the Meteo list: its "Position" and
// "Meteo" pages.
#include <string>

#include "core/Prompter.h"
#include "core/Waypoint.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CMeteoSheet final : public CSheet {
  Q_OBJECT

 public:
  CMeteoSheet(CWaypoint& waypoint, const std::string& caption, CPrompter& prompter, QWidget* parent = nullptr);
};

}  // namespace marigold
