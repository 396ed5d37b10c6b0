#pragma once
// The values of the "Hurricane" sheet (pages "Position", "Vector" and
// "Eye"): filled from a storm when the sheet opens, written back on OK.
#include <cstdint>
#include <ctime>
#include <string>

#include "lists/Hurricane.h"

namespace marigold {

inline constexpr const char* kHurricaneSheetCaption = "Hurricane";

struct CHurricaneSheetFields {
  std::string name;
  // The time of observation as the field shows it: a calendar time whose
  // local-clock fields are the UTC time of the observation.
  std::time_t observed = 0;
  int latitudeDegrees = 0;
  double latitudeMinutes = 0;
  int latitudeHemisphere = 0;  // 0 North, 1 South
  int longitudeDegrees = 0;
  double longitudeMinutes = 0;
  int longitudeHemisphere = 0;  // 0 East, 1 West
  double course = 0;            // 0.0 to 360.0 deg
  double speed = 0;             // 0.0 to 999.0 kts
  std::int32_t eyePressure = 0;
  std::int32_t maxWind = 0;
  std::int32_t windRange = 0;
};

CHurricaneSheetFields HurricaneSheetFields(const CHurricane& storm);

// The observation is entered in UTC, so the storm's UTC difference becomes 0.
void ApplyHurricaneSheet(const CHurricaneSheetFields& fields, CHurricane& storm);

}  // namespace marigold
