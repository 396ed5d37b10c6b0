#pragma once
// "Drift angle": the ground vector from the water vector and the current.
// Keeps nothing after it closes.
#include <QDialog>
#include <array>
#include <optional>

#include "core/Prompter.h"
#include "tools/DriftAngle.h"

class QLineEdit;
class QPushButton;

namespace marigold {

class CDriftAngleDialog : public QDialog {
  Q_OBJECT

 public:
  // `steeredCourse` and `logSpeed` are the ship's, for "Actual Data" of the
  // water vector.
  CDriftAngleDialog(CVoyage& route, const CFixRecord& presentPosition, double steeredCourse, double logSpeed,
                    CPrompter& prompter, QWidget* parent = nullptr);

  // A field by the name of its member in CDriftAngleFields ("logSpeed", ...).
  QLineEdit* field(const char* name) const;
  QPushButton* actualWaterButton() const { return actualWater_; }
  QPushButton* actualCurrentButton() const { return actualCurrent_; }
  QPushButton* calculateButton() const { return calculate_; }

 private:
  // The four typed values; nothing when one is no number (or, with
  // `checkRanges`, out of its range), with the message shown.
  std::optional<CDriftAngleFields> Entered(bool checkRanges);
  void Show();

  CDriftAngleTool tool_;
  CPrompter& prompter_;
  double steeredCourse_;
  double logSpeed_;
  std::array<QLineEdit*, 6> fields_{};
  QPushButton* actualWater_ = nullptr;
  QPushButton* actualCurrent_ = nullptr;
  QPushButton* calculate_ = nullptr;
};

}  // namespace marigold
