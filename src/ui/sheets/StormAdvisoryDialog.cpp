#include "ui/sheets/StormAdvisoryDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "lists/StormAdvisory.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PrintCommands.h"
#include "ui/sheets/PrintDialogButtons.h"

namespace marigold {

CStormAdvisoryDialog::CStormAdvisoryDialog(CMainFrame& frame)
    : QDialog(&frame),
      frame_(frame),
      scope_(frame.Doc(), EPrintMode::StormAdvisory),
      openedFromFile_(frame.Doc().openedFromFile) {
  setWindowTitle("Storm Advisory");
  CMarigoldRouteDoc& doc = frame.Doc();
  auto* layout = new QVBoxLayout(this);
  auto* storms = new QComboBox(this);
  storms->setObjectName("storm");
  for (const auto& storm : doc.Storms()) storms->addItem(QString::fromStdString(storm->GetName()));
  doc.stormAdvisory.storm = std::clamp(doc.stormAdvisory.storm, 0, std::max(0, doc.Storms().GetCount() - 1));
  storms->setCurrentIndex(doc.stormAdvisory.storm);
  layout->addWidget(storms);

  auto* fromFix = new QRadioButton("Calculate from latest positionfix", this);
  auto* fromFirst = new QRadioButton("Calculate from first waypoint ", this);
  fromFix->setObjectName("fromFix");
  fromFirst->setObjectName("fromFirstWaypoint");
  auto* start = new QButtonGroup(this);
  start->addButton(fromFix, 0);
  start->addButton(fromFirst, 1);
  (doc.openedFromFile ? fromFirst : fromFix)->setChecked(true);
  layout->addWidget(fromFix);
  layout->addWidget(fromFirst);
  auto* keep = new QCheckBox(kKeepCourseAndSpeed, this);
  keep->setObjectName("keepCourseAndSpeed");
  keep->setChecked(doc.stormAdvisory.keepCourseAndSpeed);
  layout->addWidget(keep);

  layout->addLayout(PrintDialogButtons(this, "Cancel", [this] { FilePrint(frame_, 0); }));

  connect(storms, &QComboBox::activated, this, [this](int index) { frame_.Doc().stormAdvisory.storm = index; });
  connect(start, &QButtonGroup::idClicked, this, [this](int id) { frame_.Doc().openedFromFile = id == 1; });
  connect(keep, &QCheckBox::toggled, this, [this](bool on) { frame_.Doc().stormAdvisory.keepCourseAndSpeed = on; });
}

CStormAdvisoryDialog::~CStormAdvisoryDialog() { frame_.Doc().openedFromFile = openedFromFile_; }

}  // namespace marigold
