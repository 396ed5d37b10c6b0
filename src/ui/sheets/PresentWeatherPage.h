#pragma once
// "Present Weather" (CPagePresentWeather): the weather observed at a fix.
#include "core/FixRecord.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CFigureEdit;
struct CPresentWeatherFields;

class CPagePresentWeather final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPagePresentWeather(CFixRecord& fix, QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;

 private:
  CPresentWeatherFields Fields() const;

  CFixRecord& fix_;
  CFigureEdit* windDirection_;
  CFigureEdit* windSpeed_;
  CFigureEdit* airPressure_;
  CFigureEdit* airTemperature_;
  CFigureEdit* seawaterTemperature_;
};

}  // namespace marigold
