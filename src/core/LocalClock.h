#pragma once
// The one seam between calendar time (seconds since 1970, UTC) and the
// computer's local clock. Route files keep times as day numbers of local-clock
// fields, so conversions go through here and nowhere else.
#include <ctime>

#include "core/CivilTime.h"

namespace marigold {

CCivilTime LocalFieldsOf(std::time_t t);
CCivilTime UtcFieldsOf(std::time_t t);
// Normalising: fields out of range roll over; daylight saving is decided by
// the date itself.
std::time_t CalendarTimeFromLocal(const CCivilTime& fields);
std::time_t CalendarTimeFromUtc(const CCivilTime& fields);

}  // namespace marigold

namespace marigold {

// Day number of a calendar time's local-clock fields.
double ToDayNumber(std::time_t t);
// The calendar time whose local-clock fields have the given day number, to
// the nearest second; -1 when the day number is not finite.
std::time_t FromDayNumber(double dayNumber);

}  // namespace marigold
