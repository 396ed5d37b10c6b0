#include "core/FixSheet.h"

#include "core/SheetFields.h"

namespace marigold {

CFixPositionFields ReadFixPosition(const CFixRecord& fix) {
  CFixPositionFields f;
  f.localTime = CivilTimeOf(fix.GetTime() + fix.GetUtcDifferenceDays());
  f.utcDifference = Shown(fix.GetUtcDifference(), kHoursDecimals);
  f.position = PositionFields(fix.GetLatitude(), fix.GetLongitude());
  f.gyroCourse = Shown(fix.gyroCourse, kDegreesDecimals);
  f.logSpeed = Shown(fix.logSpeed, kSpeedDecimals);
  f.engineRpm = Shown(fix.engineRpm, kReadingDecimals);
  return f;
}

CPresentWeatherFields ReadPresentWeather(const CFixRecord& fix) {
  const CWeatherData& w = fix.weather;
  return {Shown(w.windDirection, kDegreesDecimals), Shown(w.windSpeed, kSpeedDecimals),
          Shown(w.airPressure, kReadingDecimals), Shown(w.airTemperature, kReadingDecimals),
          Shown(w.seawaterTemperature, kReadingDecimals)};
}

CFixFields ReadFix(const CFixRecord& fix) { return {ReadFixPosition(fix), ReadPresentWeather(fix)}; }

std::optional<CFieldRefusal> Validate(const CFixPositionFields& f) {
  if (auto refusal = CheckNumberField("utcDifference", f.utcDifference, -14.0, 14.0)) return refusal;
  if (auto refusal = ValidatePositionFields(f.position)) return refusal;
  if (auto refusal = CheckNumberField("gyroCourse", f.gyroCourse, 0.0, 360.0)) return refusal;
  if (auto refusal = CheckNumberField("logSpeed", f.logSpeed, 0.0, 55.0)) return refusal;
  return CheckNumberField("engineRpm", f.engineRpm, 0.0, 9999.0);
}

std::optional<CFieldRefusal> Validate(const CPresentWeatherFields& f) {
  if (auto refusal = CheckNumberField("windDirection", f.windDirection, 0.0, 360.0)) return refusal;
  if (auto refusal = CheckNumberField("windSpeed", f.windSpeed, 0.0, 300.0)) return refusal;
  if (auto refusal = CheckNumberField("airPressure", f.airPressure, 900.0, 1100.0)) return refusal;
  if (auto refusal = CheckNumberField("airTemperature", f.airTemperature, -50.0, 60.0)) return refusal;
  return CheckNumberField("seawaterTemperature", f.seawaterTemperature, -15.0, 90.0);
}

std::optional<CFieldRefusal> Validate(const CFixFields& f) {
  if (auto refusal = Validate(f.position)) return refusal;
  return Validate(f.weather);
}

const char* UtcSignWarning(double utcDifference, int longitudeHemisphere) {
  const bool west = longitudeHemisphere == 1;
  if (utcDifference > 0 && west) return kWestUtcWarning;
  if (utcDifference < 0 && !west) return kEastUtcWarning;
  return nullptr;
}

void ApplyFixPosition(const CFixPositionFields& f, CFixRecord& fix) {
  const CFixPositionFields shown = ReadFixPosition(fix);
  const bool timeEdited = !(f.localTime == shown.localTime) || f.utcDifference != shown.utcDifference;
  if (f.utcDifference != shown.utcDifference) fix.SetUtcDifference(f.utcDifference);
  // Civil fields and day numbers both count in the clock of the position:
  // no time zone of the computer takes part, so no hour is skipped or
  // repeated.
  if (timeEdited) fix.SetTime(DayNumberOf(f.localTime) - fix.GetUtcDifferenceDays());
  if (!(f.position == shown.position)) {
    const CPosition2 position = ReadPosition(f.position);
    fix.SetLatitude(position.GetLatitude());
    fix.SetLongitude(position.GetLongitude());
  }
  using F = CFixPositionFields;
  SetFiguresIfEdited(f, shown, fix,
                     {{&F::gyroCourse, &CFixRecord::gyroCourse},
                      {&F::logSpeed, &CFixRecord::logSpeed},
                      {&F::engineRpm, &CFixRecord::engineRpm}});
}

void ApplyPresentWeather(const CPresentWeatherFields& f, CFixRecord& fix) {
  using F = CPresentWeatherFields;
  using W = CWeatherData;
  SetFiguresIfEdited(f, ReadPresentWeather(fix), fix.weather,
                     {{&F::windDirection, &W::windDirection},
                      {&F::windSpeed, &W::windSpeed},
                      {&F::airPressure, &W::airPressure},
                      {&F::airTemperature, &W::airTemperature},
                      {&F::seawaterTemperature, &W::seawaterTemperature}});
}

void ApplyFix(const CFixFields& f, CFixRecord& fix) {
  ApplyFixPosition(f.position, fix);
  ApplyPresentWeather(f.weather, fix);
}

}  // namespace marigold
