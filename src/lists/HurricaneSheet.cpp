#include "lists/HurricaneSheet.h"

#include "core/LocalClock.h"
#include "core/Navigation.h"

namespace marigold {

CHurricaneSheetFields HurricaneSheetFields(const CHurricane& storm) {
  CHurricaneSheetFields f;
  f.name = storm.GetName();
  f.observed = FromDayNumber(storm.GetTime());
  f.latitudeDegrees = storm.GetLatitudeDegrees();
  f.latitudeMinutes = storm.GetLatitudeMinutes();
  f.latitudeHemisphere = storm.IsSouth() ? 1 : 0;
  f.longitudeDegrees = storm.GetLongitudeDegrees();
  f.longitudeMinutes = storm.GetLongitudeMinutes();
  f.longitudeHemisphere = storm.IsWest() ? 1 : 0;
  f.course = storm.course;
  f.speed = storm.speed;
  f.eyePressure = storm.eyePressure;
  f.maxWind = storm.maxWind;
  f.windRange = storm.windRange;
  return f;
}

void ApplyHurricaneSheet(const CHurricaneSheetFields& f, CHurricane& storm) {
  const CNavigation nav;
  storm.SetLatitude(nav.ToDecimalDegrees(f.latitudeDegrees, f.latitudeMinutes, f.latitudeHemisphere));
  storm.SetLongitude(nav.ToDecimalDegrees(f.longitudeDegrees, f.longitudeMinutes, f.longitudeHemisphere));
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
