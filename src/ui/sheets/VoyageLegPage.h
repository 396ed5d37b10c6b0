#pragma once
// "Route" (CPageVoyageLeg): how the leg towards the waypoint is sailed.
#include "core/Waypoint.h"
#include "ui/sheets/Sheet.h"

class QCheckBox;
class QComboBox;

namespace marigold {

class CFigureEdit;
struct CVoyageLegFields;

class CPageVoyageLeg final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageVoyageLeg(CWaypoint& waypoint, QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;

 private:
  CVoyageLegFields Fields() const;
  // Each figure only while its check is set.
  void EnableFigures();

  CWaypoint& waypoint_;
  QComboBox* proceedVia_;
  QCheckBox* passWithin_;
  CFigureEdit* passWithinDistance_;
  QCheckBox* keepGroundspeed_;
  CFigureEdit* keptGroundspeed_;
};

}  // namespace marigold
