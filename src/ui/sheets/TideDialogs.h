#pragma once
// "Tide Calculation" (the height of tide at a port at a time of day) and
// "Tidal Angles and Factors" (the angles and factors of a port's tide for
// one date, written into the port's tide data as the officer leaves each
// field; the port list takes them to port.dat at its next save).
#include <QDialog>
#include <array>

#include "lists/TideCalculationTool.h"
#include "tools/TideFields.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;

namespace marigold {

class CDateTimeEdit;

inline constexpr const char* kTideCalculationTitle = "Tide Calculation";
inline constexpr const char* kTidalAnglesTitle = "Tidal Angles and Factors";

class CTidalAnglesDialog : public QDialog {
  Q_OBJECT

 public:
  CTidalAnglesDialog(CTideInfo& tide, QWidget* parent = nullptr);
  ~CTidalAnglesDialog() override;

  CDateTimeEdit* dateEdit() const { return date_; }
  // The "A" and "F" fields by their names in CTidalAnglesFields ("aM2", ...).
  QDoubleSpinBox* field(const char* name) const;
  // Whether anything reached the tide data.
  bool Changed() const { return changed_; }

  void done(int result) override;

 private:
  // All nine values into the tide data, as a field is left.
  void CopyBack();

  CTideInfo& tide_;
  bool changed_ = false;
  CDateTimeEdit* date_ = nullptr;
  std::array<QDoubleSpinBox*, 8> fields_{};
};

class CTideCalculationDialog : public QDialog {
  Q_OBJECT

 public:
  CTideCalculationDialog(CPortList& ports, std::time_t now, QWidget* parent = nullptr);

  QComboBox* portBox() const { return port_; }
  QLineEdit* dateField() const { return date_; }
  CDateTimeEdit* timeEdit() const { return time_; }
  QLineEdit* heightField() const { return height_; }
  QPushButton* changeButton() const { return change_; }
  // Whether "Change" wrote into a port's tide data.
  bool TideChanged() const { return tideChanged_; }

 private:
  void Show();

  CTideCalculationTool tool_;
  bool tideChanged_ = false;
  QComboBox* port_ = nullptr;
  QLineEdit* date_ = nullptr;
  QPushButton* change_ = nullptr;
  CDateTimeEdit* time_ = nullptr;
  QLineEdit* height_ = nullptr;
};

}  // namespace marigold
