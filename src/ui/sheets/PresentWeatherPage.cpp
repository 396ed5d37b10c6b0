#include "ui/sheets/PresentWeatherPage.h"

#include <QFormLayout>

#include "core/FixSheet.h"
#include "core/SheetFields.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {

CPagePresentWeather::CPagePresentWeather(CFixRecord& fix, QWidget* parent)
    : CSheetPage(QStringLiteral("Present Weather"), parent),
      fix_(fix),
      windDirection_(new CFigureEdit("windDirection", 0.0, 360.0, kDegreesDecimals, "deg", this)),
      windSpeed_(new CFigureEdit("windSpeed", 0.0, 300.0, kSpeedDecimals, "kts", this)),
      airPressure_(new CFigureEdit("airPressure", 900.0, 1100.0, kReadingDecimals, "mb", this)),
      airTemperature_(new CFigureEdit("airTemperature", -50.0, 60.0, kReadingDecimals, "deg Celcius", this)),
      seawaterTemperature_(new CFigureEdit("seawaterTemperature", -15.0, 90.0, kReadingDecimals, "deg Celcius", this)) {
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("Wind direction"), windDirection_);
  form->addRow(QStringLiteral("Wind speed"), windSpeed_);
  form->addRow(QStringLiteral("Air pressure"), airPressure_);
  form->addRow(QStringLiteral("Air temperature"), airTemperature_);
  form->addRow(QStringLiteral("Seawater temperature"), seawaterTemperature_);
}

void CPagePresentWeather::Load() {
  const CPresentWeatherFields f = ReadPresentWeather(fix_);
  windDirection_->setValue(f.windDirection);
  windSpeed_->setValue(f.windSpeed);
  airPressure_->setValue(f.airPressure);
  airTemperature_->setValue(f.airTemperature);
  seawaterTemperature_->setValue(f.seawaterTemperature);
}

CPresentWeatherFields CPagePresentWeather::Fields() const {
  return {windDirection_->value(), windSpeed_->value(), airPressure_->value(), airTemperature_->value(),
          seawaterTemperature_->value()};
}

std::optional<CFieldRefusal> CPagePresentWeather::Validate() const { return marigold::Validate(Fields()); }

void CPagePresentWeather::Store() { ApplyPresentWeather(Fields(), fix_); }

}  // namespace marigold
