#pragma once
// A position as the dialogs enter it: whole degrees, minutes with decimals
// and the hemisphere, for the latitude and the longitude.
#include <array>
#include <optional>

#include "core/Position2.h"
#include "core/RangeCheck.h"

namespace marigold {

inline constexpr std::array<const char*, 2> kLatitudeHemisphereTexts{"North", "South"};
inline constexpr std::array<const char*, 2> kLongitudeHemisphereTexts{"East", "West"};

// A hemisphere of -1 (nothing chosen) counts as North or East.
struct CPositionFields {
  int latitudeDegrees = 0;       // 0 to 90
  double latitudeMinutes = 0;    // 0 to 60
  int latitudeHemisphere = -1;   // 0 North, 1 South
  int longitudeDegrees = 0;      // 0 to 180
  double longitudeMinutes = 0;   // 0 to 60
  int longitudeHemisphere = -1;  // 0 East, 1 West

  bool operator==(const CPositionFields&) const = default;
};

// The split form of a position. The longitude is brought within ±180 so that
// the fields accept it, and minutes a rounding error short of 60 carry into
// the degrees (1°00', never 0°60').
CPositionFields PositionFields(double latitude, double longitude);
// Decimal degrees of the fields (South and West negative).
CPosition2 ReadPosition(const CPositionFields& fields);

// The four ranges in the order of the fields, named "latitudeDegrees",
// "latitudeMinutes", "longitudeDegrees" and "longitudeMinutes" after
// `prefix` (with its first letter then capitalised: "aLatitudeDegrees").
// 90° of latitude and 180° of longitude take no minutes: there is no
// position beyond them.
std::optional<CFieldRefusal> ValidatePositionFields(const CPositionFields& fields, const char* prefix = "");

}  // namespace marigold
