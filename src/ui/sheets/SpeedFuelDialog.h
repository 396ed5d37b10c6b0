#pragma once
// "Speed and Fuel Consumption": speed over the ground, fuel and stopping
// figures for an engine setting, wind, current and drafts, on a working copy
// of the vessel that is discarded on closing.
#include <QDialog>

#include "core/Prompter.h"
#include "vessel/SpeedFuelTool.h"

class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QSlider;

namespace marigold {

class CSpeedFuelDialog : public QDialog {
  Q_OBJECT

 public:
  CSpeedFuelDialog(CVessel2 workingCopy, CPrompter& prompter, QWidget* parent = nullptr);
  ~CSpeedFuelDialog() override;

  QSlider* engineSlider() const { return engine_; }
  QSlider* windSlider() const { return wind_; }
  QSlider* currentSlider() const { return current_; }
  QRadioButton* windOnHeadButton() const { return windHead_; }
  QRadioButton* windOnSternButton() const { return windStern_; }
  QRadioButton* currentOnHeadButton() const { return currentHead_; }
  QRadioButton* currentOnSternButton() const { return currentStern_; }
  QDoubleSpinBox* draftForwardEdit() const { return draftForward_; }
  QDoubleSpinBox* draftAftEdit() const { return draftAft_; }
  QDialogButtonBox* buttonBox() const { return buttons_; }
  const CSpeedFuelTool& Tool() const { return tool_; }

 private:
  void Show();

  CSpeedFuelTool tool_;
  QSlider* engine_ = nullptr;
  QSlider* wind_ = nullptr;
  QSlider* current_ = nullptr;
  QRadioButton* windHead_ = nullptr;
  QRadioButton* windStern_ = nullptr;
  QRadioButton* currentHead_ = nullptr;
  QRadioButton* currentStern_ = nullptr;
  QLineEdit* rpm_ = nullptr;
  QLineEdit* fuelPerDay_ = nullptr;
  QLineEdit* windSpeed_ = nullptr;
  QLineEdit* currentRate_ = nullptr;
  QDoubleSpinBox* draftForward_ = nullptr;
  QDoubleSpinBox* draftAft_ = nullptr;
  QLineEdit* displacement_ = nullptr;
  struct CResultLine {
    QProgressBar* bar;
    QLineEdit* text;
  };
  CResultLine groundSpeed_{};
  CResultLine fuelPerMile_{};
  CResultLine stopDistance_{};
  CResultLine stopTime_{};
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace marigold
