#pragma once
// "Print plottingsheet": the sheet's centre, scale, latitude of scale,
// projection and the objects to plot. Every change is stored in the
// document at once (the chart data only while "Manually select chart
// data:" is chosen); "Print" prints the sheet, refusing a scale that is no
// number above 0.
#include <QDialog>

#include "voyage/PrintMode.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace marigold {

class CMainFrame;

class CPlottingSheetDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit CPlottingSheetDialog(CMainFrame& frame);

 private:
  void Store();

  CMainFrame& frame_;
  CPrintScope scope_;
  QRadioButton* manual_ = nullptr;
  QComboBox* scale_ = nullptr;
  QComboBox* projection_ = nullptr;
  QSpinBox* scaleLatitude_ = nullptr;
  QComboBox* scaleHemisphere_ = nullptr;
  QSpinBox* latitude_ = nullptr;
  QComboBox* latitudeHemisphere_ = nullptr;
  QSpinBox* longitude_ = nullptr;
  QComboBox* longitudeHemisphere_ = nullptr;
  std::vector<QCheckBox*> objects_;
};

}  // namespace marigold
