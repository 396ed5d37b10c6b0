#include "ui/sheets/MeteoPage.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/SheetFields.h"
#include "core/WaypointSheet.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {

CPageMeteo::CPageMeteo(CWaypoint& waypoint, QWidget* parent)
    : CSheetPage(QStringLiteral("Meteo"), parent),
      waypoint_(waypoint),
      average_(new QRadioButton(QString::fromLatin1(kWaypointWeatherTexts[0]), this)),
      manual_(new QRadioButton(QString::fromLatin1(kWaypointWeatherTexts[1]), this)),
      windDirection_(new CFigureEdit("windDirection", 0.0, 360.0, kDegreesDecimals, "deg", this)),
      windSpeed_(new CFigureEdit("windSpeed", 0.0, 150.0, kSpeedDecimals, "kts", this)),
      currentDirection_(new CFigureEdit("currentDirection", 0.0, 360.0, kDegreesDecimals, "deg", this)),
      currentSpeed_(new CFigureEdit("currentSpeed", 0.0, 8.0, kSpeedDecimals, "kts", this)) {
  average_->setObjectName(QStringLiteral("averageWeather"));
  manual_->setObjectName(QStringLiteral("manualWeather"));
  auto* page = new QVBoxLayout(this);
  auto* source = new QGroupBox(QStringLiteral("Average Weather on stretch towards this waypoint"), this);
  auto* choice = new QVBoxLayout(source);
  choice->addWidget(average_);
  choice->addWidget(manual_);
  page->addWidget(source);
  auto* expected = new QGroupBox(QStringLiteral("Expected Weather "), this);
  auto* form = new QFormLayout(expected);
  form->addRow(QStringLiteral("Wind direction"), windDirection_);
  form->addRow(QStringLiteral("Wind speed"), windSpeed_);
  form->addRow(QStringLiteral("Current direction"), currentDirection_);
  form->addRow(QStringLiteral("Current speed"), currentSpeed_);
  page->addWidget(expected);
  page->addStretch(1);
  connect(manual_, &QRadioButton::toggled, this, &CPageMeteo::EnableFigures);
  average_->setChecked(true);
  EnableFigures();
}

void CPageMeteo::EnableFigures() {
  for (CFigureEdit* figure : {windDirection_, windSpeed_, currentDirection_, currentSpeed_})
    figure->setEnabled(manual_->isChecked());
}

void CPageMeteo::Load() {
  const CWaypointWeatherFields f = ReadWaypointWeather(waypoint_);
  (f.source == 1 ? manual_ : average_)->setChecked(true);
  windDirection_->setValue(f.windDirection);
  windSpeed_->setValue(f.windSpeed);
  currentDirection_->setValue(f.currentDirection);
  currentSpeed_->setValue(f.currentSpeed);
}

CWaypointWeatherFields CPageMeteo::Fields() const {
  return {manual_->isChecked() ? 1 : 0, windDirection_->value(), windSpeed_->value(), currentDirection_->value(),
          currentSpeed_->value()};
}

std::optional<CFieldRefusal> CPageMeteo::Validate() const { return marigold::Validate(Fields()); }

void CPageMeteo::Store() { ApplyWaypointWeather(Fields(), waypoint_); }

}  // namespace marigold
