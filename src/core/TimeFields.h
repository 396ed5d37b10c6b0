#pragma once
// Date and time fields written back into a record only where the officer
// changed what they showed: a time left alone keeps its stored value to the
// last digit, also in the hour a daylight-saving change repeats.
#include <ctime>

#include "core/CivilTime.h"
#include "core/LocalClock.h"

namespace marigold {

// A day number entered as its civil fields (UTC, or local time at a position).
inline void SetDayNumberIfEdited(const CCivilTime& typed, const CCivilTime& shown, double& stored) {
  if (typed != shown) stored = DayNumberOf(typed);
}

// A calendar time entered in the computer's local time.
inline void SetLocalTimeIfEdited(const CCivilTime& typed, const CCivilTime& shown, std::time_t& stored) {
  if (typed != shown) stored = CalendarTimeFromLocal(typed);
}

}  // namespace marigold
