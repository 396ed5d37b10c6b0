#pragma once
// "Calculate Hurricane CPA": the chosen storm's closest point of approach
// from the latest fix or from the departure.
#include <QDialog>

#include "lists/HurricaneCpaTool.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace marigold {

class CHurricaneCpaDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CHurricaneCpaDialog(CHurricaneCpaTool& tool, QWidget* parent = nullptr);

  QComboBox* stormBox() const { return storm_; }
  QRadioButton* fromFixButton() const { return fromFix_; }
  QRadioButton* fromDepartureButton() const { return fromDeparture_; }
  QPushButton* calculateButton() const { return calculate_; }
  // A result by name: "time", "latitude", "longitude", "distance", "bearing".
  QString figure(const char* name) const;
  QString note() const;

 private:
  void Calculate();
  void Show();

  CHurricaneCpaTool& tool_;
  QComboBox* storm_ = nullptr;
  QRadioButton* fromFix_ = nullptr;
  QRadioButton* fromDeparture_ = nullptr;
  QPushButton* calculate_ = nullptr;
  QLabel* note_ = nullptr;
};

}  // namespace marigold
