#pragma once
// "Position" (CPageWaypoint): the name, the position and the local time
// difference of any located record. The waypoint, meteo and port sheets
// show it, each bound to its own record.
#include "core/Position2.h"
#include "ui/sheets/Sheet.h"

class QLineEdit;

namespace marigold {

class CFigureEdit;
class CPositionEdit;

class CPageWaypoint final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageWaypoint(CPosition2& record, QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;

 private:
  CPosition2& record_;
  QLineEdit* name_;
  CPositionEdit* position_;
  CFigureEdit* utcDifference_;
};

}  // namespace marigold
