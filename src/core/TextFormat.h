#pragma once
// printf- and strftime-style text helpers. Month and day names are always
// English: reports are read by reporting centres, not by the local desktop.
// Numbers follow the C library's LC_NUMERIC, which the programs keep at "C".
#include <string>

#include "core/CivilTime.h"

namespace marigold {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// One figure through a printf format, or "NA" when it is not a finite
// number: a figure that cannot be computed is never shown as inf or nan.
std::string FormatFigure(const char* format, double value);

// Supports %a %A %b %B %d %H %I %j %m %M %p %S %y %Y %%; other codes are
// copied as they stand.
std::string FormatTime(const char* format, const CCivilTime& t);

// The civil fields of a day number through FormatTime, or "NA" when there is
// no time (a day number that is not a finite number): a time that could not
// be computed is never shown as a date in 1999 or 2000.
std::string FormatDayNumber(const char* format, double dayNumber);

}  // namespace marigold
