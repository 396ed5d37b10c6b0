#include "ui/sheets/PlottingSheetDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "lists/Publication.h"
#include "printing/PlottingSheet.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PrintCommands.h"
#include "ui/sheets/PrintDialogButtons.h"

namespace marigold {
namespace {

const char* const kScales[] = {"20000000", "10000000", "4000000", "2000000", "1500000", "1000000",
                               "500000",   "400000",   "200000",  "100000",  "50000",   "25000"};

struct CObjectFlag {
  const char* text;
  bool CPlottingSheetSettings::*flag;
};
const CObjectFlag kObjects[] = {{"Waypoints", &CPlottingSheetSettings::waypoints},
                                {"Position fixes", &CPlottingSheetSettings::fixes},
                                {"Reporting points", &CPlottingSheetSettings::reportingPoints},
                                {"Average weather", &CPlottingSheetSettings::averageWeather},
                                {"Latest weather", &CPlottingSheetSettings::latestWeather},
                                {"Tropical storms", &CPlottingSheetSettings::storms},
                                {"Navigational warnings", &CPlottingSheetSettings::warnings}};

// Whole degrees and a hemisphere box.
QWidget* DegreesRow(QWidget* parent, QSpinBox*& degrees, QComboBox*& hemisphere, int maximum, const char* positive,
                    const char* negative, double value, const char* name) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  degrees = new QSpinBox(row);
  degrees->setRange(0, maximum);
  degrees->setValue(static_cast<int>(std::fabs(value)));
  degrees->setObjectName(name);
  hemisphere = new QComboBox(row);
  hemisphere->addItems({positive, negative});
  hemisphere->setCurrentIndex(value < 0 ? 1 : 0);
  layout->addWidget(degrees);
  layout->addWidget(hemisphere);
  layout->addStretch();
  return row;
}

double Signed(const QSpinBox* degrees, const QComboBox* hemisphere) {
  return hemisphere->currentIndex() == 1 ? -degrees->value() : degrees->value();
}

}  // namespace

CPlottingSheetDialog::CPlottingSheetDialog(CMainFrame& frame)
    : QDialog(&frame), frame_(frame), scope_(frame.Doc(), EPrintMode::PlottingSheet) {
  setWindowTitle("Print plottingsheet");
  CMarigoldRouteDoc& doc = frame.Doc();
  const CSheetGeometry sheet = SheetGeometry(doc);
  auto* layout = new QVBoxLayout(this);

  auto* chartData = new QGroupBox(this);
  auto* form = new QFormLayout(chartData);
  auto* forChart = new QRadioButton("Create plottingsheet for chart:", chartData);
  manual_ = new QRadioButton("Manually select chart data:", chartData);
  manual_->setObjectName("manual");
  manual_->setChecked(true);
  auto* source = new QButtonGroup(this);
  source->addButton(forChart);
  source->addButton(manual_);
  auto* charts = new QComboBox(chartData);
  for (const CPublication* chart : PublicationsOfKind(doc.Publications(), true))
    charts->addItem(QString::fromStdString(chart->number + "  " + chart->description));
  form->addRow(forChart, charts);
  form->addRow(manual_);

  auto* scaleRow = new QWidget(chartData);
  auto* scaleLayout = new QHBoxLayout(scaleRow);
  scaleLayout->setContentsMargins(0, 0, 0, 0);
  scale_ = new QComboBox(scaleRow);
  scale_->setObjectName("scale");
  scale_->setEditable(true);
  for (const char* s : kScales) scale_->addItem(s);
  scale_->setEditText(QString::number(doc.plottingSheet.scale, 'f', 0));
  projection_ = new QComboBox(scaleRow);
  projection_->setObjectName("projection");
  projection_->addItems({"Mercator", "Gnomonisch", "Polair"});
  projection_->setCurrentIndex(static_cast<int>(doc.plottingSheet.projection));
  scaleLayout->addWidget(new QLabel("1 to ", scaleRow));
  scaleLayout->addWidget(scale_, 1);
  scaleLayout->addWidget(projection_);
  form->addRow("Scale of chart :", scaleRow);
  form->addRow("Latitude of Scale:", DegreesRow(chartData, scaleLatitude_, scaleHemisphere_, 90, "N", "S",
                                                doc.plottingSheet.scaleLatitude, "scaleLatitude"));
  form->addRow("Latitude of center position:", DegreesRow(chartData, latitude_, latitudeHemisphere_, 90, "N", "S",
                                                          sheet.centreLatitude, "centreLatitude"));
  form->addRow("Longitude of center position:", DegreesRow(chartData, longitude_, longitudeHemisphere_, 180, "E", "W",
                                                           sheet.centreLongitude, "centreLongitude"));
  layout->addWidget(chartData);

  auto* objects = new QGroupBox("Objects on chart", this);
  auto* objectLayout = new QVBoxLayout(objects);
  for (const CObjectFlag& object : kObjects) {
    auto* box = new QCheckBox(object.text, objects);
    box->setChecked(doc.plottingSheet.*object.flag);
    objectLayout->addWidget(box);
    objects_.push_back(box);
    connect(box, &QCheckBox::toggled, this, [this] { Store(); });
  }
  layout->addWidget(objects);

  layout->addLayout(PrintDialogButtons(this, "Close", [this] {
    Store();
    FilePrint(frame_, 0);
  }));

  connect(source, &QButtonGroup::buttonClicked, this, [this] { Store(); });
  connect(scale_, &QComboBox::currentTextChanged, this, [this] { Store(); });
  for (QComboBox* box : {projection_, scaleHemisphere_, latitudeHemisphere_, longitudeHemisphere_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Store(); });
  for (QSpinBox* box : {scaleLatitude_, latitude_, longitude_})
    connect(box, &QSpinBox::valueChanged, this, [this] { Store(); });
}

void CPlottingSheetDialog::Store() {
  CPlottingSheetSettings& s = frame_.Doc().plottingSheet;
  for (std::size_t i = 0; i < objects_.size(); ++i) s.*kObjects[i].flag = objects_[i]->isChecked();
  if (!manual_->isChecked()) return;
  s.centreLatitude = Signed(latitude_, latitudeHemisphere_);
  s.centreLongitude = Signed(longitude_, longitudeHemisphere_);
  s.scaleLatitude = Signed(scaleLatitude_, scaleHemisphere_);
  // A text that is no number is kept as 0, which printing refuses.
  bool number = false;
  const double scale = scale_->currentText().trimmed().toDouble(&number);
  s.scale = number ? scale : 0;
  s.projection = static_cast<EProjection>(projection_->currentIndex());
}

}  // namespace marigold
