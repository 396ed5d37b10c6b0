#include "core/WaypointSheet.h"

#include "core/SheetFields.h"

namespace marigold {

CWaypointPositionFields ReadWaypointPosition(const CPosition2& record) {
  return {record.GetName(), PositionFields(record.GetLatitude(), record.GetLongitude()),
          Shown(record.GetUtcDifference(), kHoursDecimals)};
}

std::optional<CFieldRefusal> Validate(const CWaypointPositionFields& fields) {
  if (auto refusal = ValidatePositionFields(fields.position)) return refusal;
  return CheckNumberField("utcDifference", fields.utcDifference, -14.0, 14.0);
}

void ApplyWaypointPosition(const CWaypointPositionFields& fields, CPosition2& record) {
  const CWaypointPositionFields shown = ReadWaypointPosition(record);
  if (fields.name != shown.name) record.SetName(fields.name);
  // The fields keep a longitude within 180 degrees; one stored beyond it
  // stays as it is unless the officer changes the position.
  if (!(fields.position == shown.position)) {
    const CPosition2 position = ReadPosition(fields.position);
    record.SetLatitude(position.GetLatitude());
    record.SetLongitude(position.GetLongitude());
  }
  if (fields.utcDifference != shown.utcDifference) record.SetUtcDifference(fields.utcDifference);
}

CVoyageLegFields ReadVoyageLeg(const CWaypoint& w) {
  return {w.greatCircle ? 0 : 1, w.passWithin, Shown(w.passWithinDistance, kSpeedDecimals), w.keepGroundspeed,
          Shown(w.keptGroundspeed, kSpeedDecimals)};
}

std::optional<CFieldRefusal> Validate(const CVoyageLegFields& f) {
  if (f.passWithin)
    if (auto refusal = CheckNumberField("passWithinDistance", f.passWithinDistance, 0.0, 999.0)) return refusal;
  if (f.keepGroundspeed) return CheckNumberField("keptGroundspeed", f.keptGroundspeed, 0.1, 55.0);
  return std::nullopt;
}

void ApplyVoyageLeg(const CVoyageLegFields& f, CWaypoint& w) {
  const CVoyageLegFields shown = ReadVoyageLeg(w);
  if (f.proceedVia != shown.proceedVia) w.greatCircle = f.proceedVia == 0;
  SetIfEdited(f.passWithin, shown.passWithin, w.passWithin);
  SetIfEdited(f.passWithinDistance, shown.passWithinDistance, w.passWithinDistance);
  SetIfEdited(f.keepGroundspeed, shown.keepGroundspeed, w.keepGroundspeed);
  SetIfEdited(f.keptGroundspeed, shown.keptGroundspeed, w.keptGroundspeed);
}

CWaypointWeatherFields ReadWaypointWeather(const CWaypoint& w) {
  const CWeatherData& d = w.weather;
  return {w.useAverageWeather ? 0 : 1, Shown(d.windDirection, kDegreesDecimals), Shown(d.windSpeed, kSpeedDecimals),
          Shown(d.currentSet, kDegreesDecimals), Shown(d.currentRate, kSpeedDecimals)};
}

std::optional<CFieldRefusal> Validate(const CWaypointWeatherFields& f) {
  if (f.source != 1) return std::nullopt;
  if (auto refusal = CheckNumberField("windDirection", f.windDirection, 0.0, 360.0)) return refusal;
  if (auto refusal = CheckNumberField("windSpeed", f.windSpeed, 0.0, 150.0)) return refusal;
  if (auto refusal = CheckNumberField("currentDirection", f.currentDirection, 0.0, 360.0)) return refusal;
  return CheckNumberField("currentSpeed", f.currentSpeed, 0.0, 8.0);
}

void ApplyWaypointWeather(const CWaypointWeatherFields& f, CWaypoint& w) {
  if (f.source != 1) {
    w.useAverageWeather = true;
    return;
  }
  using F = CWaypointWeatherFields;
  using W = CWeatherData;
  SetFiguresIfEdited(f, ReadWaypointWeather(w), w.weather,
                     {{&F::windDirection, &W::windDirection},
                      {&F::windSpeed, &W::windSpeed},
                      {&F::currentDirection, &W::currentSet},
                      {&F::currentSpeed, &W::currentRate}});
  w.useAverageWeather = false;
}

}  // namespace marigold
