#include "ui/sheets/VoyageLegPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/SheetFields.h"
#include "core/WaypointSheet.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {

CPageVoyageLeg::CPageVoyageLeg(CWaypoint& waypoint, QWidget* parent)
    : CSheetPage(QStringLiteral("Route"), parent),
      waypoint_(waypoint),
      proceedVia_(new QComboBox(this)),
      passWithin_(new QCheckBox(QStringLiteral("Pass within"), this)),
      passWithinDistance_(
          new CFigureEdit("passWithinDistance", 0.0, 999.0, kSpeedDecimals, "nM of this waypoint", this)),
      keepGroundspeed_(new QCheckBox(QStringLiteral("Keep groundspeed at"), this)),
      keptGroundspeed_(new CFigureEdit("keptGroundspeed", 0.1, 55.0, kSpeedDecimals, "kts", this)) {
  proceedVia_->setObjectName(QStringLiteral("proceedVia"));
  for (const char* text : kProceedViaTexts) proceedVia_->addItem(QString::fromLatin1(text));
  passWithin_->setObjectName(QStringLiteral("passWithin"));
  keepGroundspeed_->setObjectName(QStringLiteral("keepGroundspeed"));

  auto* page = new QVBoxLayout(this);
  page->addWidget(new QLabel(QStringLiteral("On the voyage leg TOWARDS this waypoint:"), this));
  auto* grid = new QGridLayout;
  auto* via = new QLabel(QStringLiteral("Proceed via"), this);
  via->setBuddy(proceedVia_);
  grid->addWidget(via, 0, 0);
  grid->addWidget(proceedVia_, 0, 1);
  grid->addWidget(passWithin_, 1, 0);
  grid->addWidget(passWithinDistance_, 1, 1);
  grid->addWidget(keepGroundspeed_, 2, 0);
  grid->addWidget(keptGroundspeed_, 2, 1);
  grid->setColumnStretch(2, 1);
  page->addLayout(grid);
  page->addStretch(1);
  connect(passWithin_, &QCheckBox::toggled, this, &CPageVoyageLeg::EnableFigures);
  connect(keepGroundspeed_, &QCheckBox::toggled, this, &CPageVoyageLeg::EnableFigures);
  EnableFigures();
}

void CPageVoyageLeg::EnableFigures() {
  passWithinDistance_->setEnabled(passWithin_->isChecked());
  keptGroundspeed_->setEnabled(keepGroundspeed_->isChecked());
}

void CPageVoyageLeg::Load() {
  const CVoyageLegFields f = ReadVoyageLeg(waypoint_);
  proceedVia_->setCurrentIndex(f.proceedVia);
  passWithin_->setChecked(f.passWithin);
  passWithinDistance_->setValue(f.passWithinDistance);
  keepGroundspeed_->setChecked(f.keepGroundspeed);
  keptGroundspeed_->setValue(f.keptGroundspeed);
}

CVoyageLegFields CPageVoyageLeg::Fields() const {
  return {proceedVia_->currentIndex(), passWithin_->isChecked(), passWithinDistance_->value(),
          keepGroundspeed_->isChecked(), keptGroundspeed_->value()};
}

std::optional<CFieldRefusal> CPageVoyageLeg::Validate() const { return marigold::Validate(Fields()); }

void CPageVoyageLeg::Store() { ApplyVoyageLeg(Fields(), waypoint_); }

}  // namespace marigold
