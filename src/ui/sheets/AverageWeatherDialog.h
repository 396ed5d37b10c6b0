#pragma once
// "Average Weather": what the meteo records hold for a waypoint of the route
// or an entered position, for the season of a date or as last observed.
#include <QDialog>

#include "lists/AverageWeatherTool.h"

class QComboBox;
class QRadioButton;
class QPushButton;

namespace marigold {

class CDateTimeEdit;
class CPositionEdit;

class CAverageWeatherDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CAverageWeatherDialog(CAverageWeatherTool& tool, QWidget* parent = nullptr);

  QRadioButton* waypointButton() const { return byWaypoint_; }
  QRadioButton* positionButton() const { return byPosition_; }
  QComboBox* waypointBox() const { return waypoint_; }
  CPositionEdit* positionEdit() const { return position_; }
  QRadioButton* seasonButton() const { return bySeason_; }
  QRadioButton* latestButton() const { return latest_; }
  CDateTimeEdit* dateEdit() const { return date_; }
  QPushButton* calculateButton() const { return calculate_; }
  // A result by its name in the view ("windDirection", "airPressure", ...).
  QString figure(const char* name) const;

 protected:
  // Leaving a choice recalculates.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Calculate();
  void Show();

  CAverageWeatherTool& tool_;
  QRadioButton* byWaypoint_ = nullptr;
  QRadioButton* byPosition_ = nullptr;
  QComboBox* waypoint_ = nullptr;
  CPositionEdit* position_ = nullptr;
  QRadioButton* bySeason_ = nullptr;
  QRadioButton* latest_ = nullptr;
  CDateTimeEdit* date_ = nullptr;
  QPushButton* calculate_ = nullptr;
};

}  // namespace marigold
