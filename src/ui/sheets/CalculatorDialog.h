#pragma once
// "Navigation Calculator": position B from position A, a course and a
// distance; course and distance from A to B. Keeps nothing after it closes.
#include <QDialog>

#include "core/Prompter.h"
#include "tools/Calculator.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marigold {

class CPositionEdit;

class CCalculatorDialog : public QDialog {
  Q_OBJECT

 public:
  CCalculatorDialog(const CPosition2& presentPosition, CPrompter& prompter, QWidget* parent = nullptr);

  CPositionEdit* positionA() const { return a_; }
  CPositionEdit* positionB() const { return b_; }
  QComboBox* viaBox() const { return via_; }
  QLineEdit* courseField() const { return course_; }
  QLineEdit* distanceField() const { return distance_; }
  QPushButton* positionBButton() const { return positionB_; }
  QPushButton* courseDistanceButton() const { return courseDistance_; }
  // "NA" under position B when no position could be found.
  QLabel* positionBNote() const { return positionBNote_; }

 private:
  // The fields as typed, or nothing when one is refused (its message shown
  // and the focus on it).
  std::optional<CCalculatorFields> Entered();
  void Show();

  CCalculatorTool tool_;
  CPrompter& prompter_;
  CPositionEdit* a_ = nullptr;
  CPositionEdit* b_ = nullptr;
  QComboBox* via_ = nullptr;
  QLineEdit* course_ = nullptr;
  QLineEdit* distance_ = nullptr;
  QPushButton* positionB_ = nullptr;
  QPushButton* courseDistance_ = nullptr;
  QLabel* positionBNote_ = nullptr;
};

}  // namespace marigold
