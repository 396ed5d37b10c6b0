#pragma once
// "Vessel Performance": the propeller slip of the latest fix and the
// "Calibrate" button, which changes the document's vessel; the dialog stays
// open to show the new figures.
#include <QDialog>

#include "core/Prompter.h"
#include "vessel/SlipCalibration.h"

class QDialogButtonBox;
class QLineEdit;
class QPushButton;

namespace marigold {

class CSlipCalibrationDialog : public QDialog {
  Q_OBJECT

 public:
  CSlipCalibrationDialog(CVessel2& documentVessel, const CSlipReading& reading, CPrompter& prompter,
                         QWidget* parent = nullptr);

  // The figure of that label, by its member name in CSlipCalibrationView.
  QLineEdit* field(const char* name) const;
  QPushButton* calibrateButton() const { return calibrate_; }
  QDialogButtonBox* buttonBox() const { return buttons_; }
  // True once "Calibrate" changed the vessel.
  bool Calibrated() const { return calibrated_; }

 private:
  void Show();

  CSlipCalibration calibration_;
  std::vector<QLineEdit*> fields_;
  QPushButton* calibrate_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  bool calibrated_ = false;
};

}  // namespace marigold
