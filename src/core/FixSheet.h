#pragma once
// The position-fix sheet's pages as their controls show them: "PositionFix"
// (the time in local time at the fix, position, course, speed and engine)
// and "Present Weather". The command line checks a fix with the same
// ranges. Apply writes only what differs from what Read showed
// (core/SheetFields.h).
#include <optional>
#include <string>

#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/PositionFields.h"
#include "core/RangeCheck.h"

namespace marigold {

inline constexpr const char* kPositionFixCaption = "Position Fix";
inline constexpr const char* kWestUtcWarning =
    "On western longitudes UTC Difference\nshould normally be entered as negative value!!";
inline constexpr const char* kEastUtcWarning =
    "On eastern longitudes UTC Difference\nshould normally be entered as positive value!";

// "PositionFix"
struct CFixPositionFields {
  CCivilTime localTime;      // "Local Time:"
  double utcDifference = 0;  // "Time difference with UTC:", hours, -14.0 to 14.0
  CPositionFields position;
  double gyroCourse = 0;  // "Gyrocourse:", 0.0 to 360.0
  double logSpeed = 0;    // "Log Speed", 0.0 to 55.0 kts
  double engineRpm = 0;   // "Engine", 0.0 to 9999.0 rpm
};

// "Present Weather"
struct CPresentWeatherFields {
  double windDirection = 0;         // deg, 0.0 to 360.0
  double windSpeed = 0;             // kts, 0.0 to 300.0
  double airPressure = 1000;        // mb, 900.0 to 1100.0
  double airTemperature = 18;       // deg Celcius, -50.0 to 60.0
  double seawaterTemperature = 18;  // deg Celcius, -15.0 to 90.0
};

struct CFixFields {
  CFixPositionFields position;
  CPresentWeatherFields weather;
};

CFixPositionFields ReadFixPosition(const CFixRecord& fix);
CPresentWeatherFields ReadPresentWeather(const CFixRecord& fix);
CFixFields ReadFix(const CFixRecord& fix);

// In the order of the pages and their fields.
std::optional<CFieldRefusal> Validate(const CFixPositionFields& fields);
std::optional<CFieldRefusal> Validate(const CPresentWeatherFields& fields);
std::optional<CFieldRefusal> Validate(const CFixFields& fields);

// The warning when the sign of the UTC difference does not suit the
// hemisphere (positive in the west, negative in the east); nullptr when it
// does. The value is kept either way.
const char* UtcSignWarning(double utcDifference, int longitudeHemisphere);

// The time is taken as local time at the fix with its UTC difference, and
// kept in UTC.
void ApplyFixPosition(const CFixPositionFields& fields, CFixRecord& fix);
void ApplyPresentWeather(const CPresentWeatherFields& fields, CFixRecord& fix);
void ApplyFix(const CFixFields& fields, CFixRecord& fix);

}  // namespace marigold
