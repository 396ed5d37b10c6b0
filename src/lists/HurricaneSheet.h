#pragma once
// The "Hurricane" sheet over the document's storm, one part per page:
// "Position", "Vector" and "Eye". Each part is read when its page opens and
// written back on OK, only where the officer changed what it showed
// (core/SheetFields.h).
#include <cstdint>
#include <optional>
#include <string>

#include "core/CivilTime.h"
#include "core/PositionFields.h"
#include "core/RangeCheck.h"
#include "lists/Hurricane.h"

namespace marigold {

inline constexpr const char* kHurricaneCaption = "Hurricane";
inline constexpr const char* kObservationTimeFormat = " d' 'MMM' 'yyy'  'HH':'mm' UTC";

// "Position": the time of observation as UTC date and time fields of the
// stored day number, with no time zone in between.
struct CHurricanePositionFields {
  std::string name;
  CCivilTime observed;
  CPositionFields position;
};

CHurricanePositionFields ReadHurricanePosition(const CHurricane& storm);
// The position, named "positionLatitudeDegrees" ...
std::optional<CFieldRefusal> Validate(const CHurricanePositionFields& fields);
// The observation is entered in UTC, so the storm's UTC difference becomes 0;
// the time is not shifted by it, or every OK would move a storm that carries
// one (from an imported file) once more.
void ApplyHurricanePosition(const CHurricanePositionFields& fields, CHurricane& storm);

// "Vector"
struct CHurricaneVectorFields {
  double course = 0;  // "Ground Course:", 0.0 to 360.0 deg
  double speed = 0;   // "Ground Speed:", 0.0 to 999.0 kts
};

CHurricaneVectorFields ReadHurricaneVector(const CHurricane& storm);
std::optional<CFieldRefusal> Validate(const CHurricaneVectorFields& fields);
void ApplyHurricaneVector(const CHurricaneVectorFields& fields, CHurricane& storm);

// "Eye": nothing is checked, as nothing computes with these.
struct CHurricaneEyeFields {
  std::int32_t eyePressure = 900;  // mb
  std::int32_t maxWind = 60;       // kts
  std::int32_t windRange = 45;     // nM
};

CHurricaneEyeFields ReadHurricaneEye(const CHurricane& storm);
void ApplyHurricaneEye(const CHurricaneEyeFields& fields, CHurricane& storm);

}  // namespace marigold
