#include "lists/HurricaneSheet.h"

#include "core/SheetFields.h"
#include "core/TimeFields.h"

namespace marigold {

CHurricanePositionFields ReadHurricanePosition(const CHurricane& storm) {
  return {storm.GetName(), CivilTimeOf(storm.GetTime()), PositionFields(storm.GetLatitude(), storm.GetLongitude())};
}

std::optional<CFieldRefusal> Validate(const CHurricanePositionFields& fields) {
  return ValidatePositionFields(fields.position, "position");
}

void ApplyHurricanePosition(const CHurricanePositionFields& fields, CHurricane& storm) {
  const CHurricanePositionFields shown = ReadHurricanePosition(storm);
  if (fields.name != shown.name) storm.SetName(fields.name);
  double observed = storm.GetTime();
  SetDayNumberIfEdited(fields.observed, shown.observed, observed);
  storm.SetTime(observed);
  if (fields.position != shown.position) {
    const CPosition2 position = ReadPosition(fields.position);
    storm.SetLatitude(position.GetLatitude());
    storm.SetLongitude(position.GetLongitude());
  }
  storm.SetUtcDifference(0);
}

CHurricaneVectorFields ReadHurricaneVector(const CHurricane& storm) {
  return {Shown(storm.course, kDegreesDecimals), Shown(storm.speed, kSpeedDecimals)};
}

std::optional<CFieldRefusal> Validate(const CHurricaneVectorFields& fields) {
  if (auto refusal = CheckNumberField("course", fields.course, 0.0, 360.0)) return refusal;
  return CheckNumberField("speed", fields.speed, 0.0, 999.0);
}

void ApplyHurricaneVector(const CHurricaneVectorFields& fields, CHurricane& storm) {
  const CHurricaneVectorFields shown = ReadHurricaneVector(storm);
  SetIfEdited(fields.course, shown.course, storm.course);
  SetIfEdited(fields.speed, shown.speed, storm.speed);
}

CHurricaneEyeFields ReadHurricaneEye(const CHurricane& storm) {
  return {storm.eyePressure, storm.maxWind, storm.windRange};
}

void ApplyHurricaneEye(const CHurricaneEyeFields& fields, CHurricane& storm) {
  storm.eyePressure = fields.eyePressure;
  storm.maxWind = fields.maxWind;
  storm.windRange = fields.windRange;
}

}  // namespace marigold
