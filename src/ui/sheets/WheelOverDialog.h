#pragma once
// "Wheel over point": steered courses before and after a turn, and where to
// put the wheel over for a rate of turn. Stores nothing.
#include <QDialog>
#include <array>

#include "vessel/WheelOverTool.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace marigold {

class CWheelOverDialog : public QDialog {
  Q_OBJECT

 public:
  CWheelOverDialog(const CVoyage& route, QWidget* parent = nullptr);

  QComboBox* waypointBox() const { return waypoint_; }
  QRadioButton* atWaypointButton() const { return atWaypoint_; }
  QRadioButton* manualButton() const { return manual_; }
  QSlider* rateSlider() const { return rate_; }
  // The five inputs, in the order of CWheelOverFields.
  QDoubleSpinBox* input(int index) const { return inputs_[static_cast<std::size_t>(index)]; }
  // A computed figure by its name in CWheelOverView ("duration", ...).
  QString figure(const char* name) const;

 private:
  void FieldsEdited();
  void Show();

  CWheelOverTool tool_;
  QComboBox* waypoint_ = nullptr;
  QRadioButton* atWaypoint_ = nullptr;
  QRadioButton* manual_ = nullptr;
  QSlider* rate_ = nullptr;
  std::array<QDoubleSpinBox*, 5> inputs_{};
};

}  // namespace marigold
