#pragma once
// The "Hurricane" sheet (pages "Position", "Vector" and "Eye") over the
// document's storm: filled when the sheet opens, written back on OK.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "core/PositionFields.h"
#include "core/RangeCheck.h"
#include "lists/Hurricane.h"

namespace marigold {

inline constexpr const char* kHurricaneCaption = "Hurricane";

struct CHurricaneFields {
  std::string name;
  // The time of observation as the field shows it: a calendar time whose
  // local-clock fields are the UTC time of the observation.
  std::time_t observed = 0;
  CPositionFields position;
  double course = 0;  // 0.0 to 360.0 deg
  double speed = 0;   // 0.0 to 999.0 kts
  std::int32_t eyePressure = 0;
  std::int32_t maxWind = 0;
  std::int32_t windRange = 0;
};

CHurricaneFields ReadHurricane(const CHurricane& storm);
// The position ("positionLatitudeDegrees" ...), then course and speed.
std::optional<CFieldRefusal> Validate(const CHurricaneFields& fields);
// The observation is entered in UTC, so the storm's UTC difference becomes 0.
void ApplyHurricane(const CHurricaneFields& fields, CHurricane& storm);

}  // namespace marigold
