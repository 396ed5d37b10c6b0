#pragma once
// "Metric Conversions": a value converted between the units met on board.
// Keeps nothing after it closes.
#include <QDialog>

#include "core/Prompter.h"
#include "tools/Conversions.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace marigold {

class CConversionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CConversionsDialog(CPrompter& prompter, QWidget* parent = nullptr);

  QLineEdit* valueField() const { return value_; }
  QComboBox* conversionBox() const { return conversion_; }
  QLineEdit* resultField() const { return result_; }
  QPushButton* calculateButton() const { return calculate_; }

 private:
  void Calculate();

  CConversionsTool tool_;
  CPrompter& prompter_;
  QLineEdit* value_ = nullptr;
  QComboBox* conversion_ = nullptr;
  QLineEdit* result_ = nullptr;
  QPushButton* calculate_ = nullptr;
};

}  // namespace marigold
