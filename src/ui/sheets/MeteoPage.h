#pragma once
// "Meteo" (CPageMeteo): whether the leg towards the waypoint takes the
// average weather or the wind and current entered here. The waypoint and
// meteo sheets show it.
#include "core/Waypoint.h"
#include "ui/sheets/Sheet.h"

class QRadioButton;

namespace marigold {

class CFigureEdit;
struct CWaypointWeatherFields;

class CPageMeteo final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageMeteo(CWaypoint& waypoint, QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;

 private:
  CWaypointWeatherFields Fields() const;
  // The figures count only when entered manually.
  void EnableFigures();

  CWaypoint& waypoint_;
  QRadioButton* average_;
  QRadioButton* manual_;
  CFigureEdit* windDirection_;
  CFigureEdit* windSpeed_;
  CFigureEdit* currentDirection_;
  CFigureEdit* currentSpeed_;
};

}  // namespace marigold
