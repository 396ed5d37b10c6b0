#pragma once
// "Calculate ETA": arrival and fuel at an engine rpm or a groundspeed, and
// "Set ETA" to take the arrival into the schedule.
#include <QDialog>

#include "voyage/EtaCalculator.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace marigold {

class CEtaDialog : public QDialog {
  Q_OBJECT

 public:
  CEtaDialog(CEtaCalculator& calculator, CPrompter& prompter, QWidget* parent = nullptr);

  QRadioButton* fromFixButton() const { return fromFix_; }
  QRadioButton* fromFirstButton() const { return fromFirst_; }
  QRadioButton* rpmButton() const { return byRpm_; }
  QRadioButton* groundspeedButton() const { return bySpeed_; }
  QSpinBox* rpmEdit() const { return rpm_; }
  QDoubleSpinBox* groundspeedEdit() const { return speed_; }
  QCheckBox* weatherBox() const { return weather_; }
  QCheckBox* reduceEngineBox() const { return reduce_; }
  QLineEdit* etaField() const { return eta_; }
  QLineEdit* fuelField() const { return fuel_; }
  QPushButton* calculateButton() const { return calculate_; }
  QPushButton* setEtaButton() const { return setEta_; }
  QPushButton* closeButton() const { return close_; }
  // True once "Set ETA" changed the schedule's arrival.
  bool EtaSet() const { return etaSet_; }

 private:
  void Recalculate();
  void Show();

  CEtaCalculator& calculator_;
  CPrompter& prompter_;
  bool etaSet_ = false;
  QRadioButton* fromFix_ = nullptr;
  QRadioButton* fromFirst_ = nullptr;
  QRadioButton* byRpm_ = nullptr;
  QRadioButton* bySpeed_ = nullptr;
  QSpinBox* rpm_ = nullptr;
  QDoubleSpinBox* speed_ = nullptr;
  QCheckBox* weather_ = nullptr;
  QCheckBox* reduce_ = nullptr;
  QLineEdit* eta_ = nullptr;
  QLineEdit* fuel_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QPushButton* setEta_ = nullptr;
  QPushButton* close_ = nullptr;
};

}  // namespace marigold
