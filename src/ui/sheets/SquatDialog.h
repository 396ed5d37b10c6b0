#pragma once
// "Estimated Squat": the running drafts at a speed, on a working copy of the
// vessel that is discarded on closing.
#include <QDialog>

#include "vessel/SquatTool.h"

class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QSlider;

namespace marigold {

class CSquatDialog : public QDialog {
  Q_OBJECT

 public:
  CSquatDialog(CVessel2 workingCopy, QWidget* parent = nullptr);

  QDoubleSpinBox* draftForwardEdit() const { return draftForward_; }
  QDoubleSpinBox* draftAftEdit() const { return draftAft_; }
  QSlider* speedSlider() const { return speed_; }
  QRadioButton* oceanButton() const { return ocean_; }
  QRadioButton* shallowButton() const { return shallow_; }
  QLineEdit* speedField() const { return speedText_; }
  QLineEdit* aftField() const { return aft_; }
  QLineEdit* forwardField() const { return forward_; }
  QProgressBar* aftBar() const { return aftBar_; }
  QProgressBar* forwardBar() const { return forwardBar_; }
  QDialogButtonBox* buttonBox() const { return buttons_; }

 private:
  void Show();

  CSquatTool tool_;
  QDoubleSpinBox* draftForward_ = nullptr;
  QDoubleSpinBox* draftAft_ = nullptr;
  QSlider* speed_ = nullptr;
  QLineEdit* speedText_ = nullptr;
  QRadioButton* ocean_ = nullptr;
  QRadioButton* shallow_ = nullptr;
  QLineEdit* aft_ = nullptr;
  QLineEdit* forward_ = nullptr;
  QProgressBar* aftBar_ = nullptr;
  QProgressBar* forwardBar_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace marigold
