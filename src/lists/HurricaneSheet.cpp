#include "lists/HurricaneSheet.h"

#include "core/LocalClock.h"

namespace marigold {

CHurricaneFields ReadHurricane(const CHurricane& storm) {
  CHurricaneFields f;
  f.name = storm.GetName();
  f.observed = FromDayNumber(storm.GetTime());
  f.position = PositionFields(storm.GetLatitude(), storm.GetLongitude());
  f.course = storm.course;
  f.speed = storm.speed;
  f.eyePressure = storm.eyePressure;
  f.maxWind = storm.maxWind;
  f.windRange = storm.windRange;
  return f;
}

std::optional<CFieldRefusal> Validate(const CHurricaneFields& f) {
  if (auto refusal = ValidatePositionFields(f.position, "position")) return refusal;
  if (auto refusal = CheckNumberField("course", f.course, 0, 360)) return refusal;
  return CheckNumberField("speed", f.speed, 0, 999);
}

void ApplyHurricane(const CHurricaneFields& f, CHurricane& storm) {
  const CPosition2 position = ReadPosition(f.position);
  storm.SetLatitude(position.GetLatitude());
  storm.SetLongitude(position.GetLongitude());
  // The field shows and takes UTC. Taking the storm's UTC difference off it
  // would move the observation each time a storm that carries one (from an
  // imported file) is opened and confirmed.
  storm.SetTime(ToDayNumber(f.observed));
  storm.SetUtcDifference(0);
  storm.SetName(f.name);
  storm.course = f.course;
  storm.speed = f.speed;
  storm.maxWind = f.maxWind;
  storm.eyePressure = f.eyePressure;
  storm.windRange = f.windRange;
}

}  // namespace marigold
