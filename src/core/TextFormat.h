#pragma once
// printf- and strftime-style text helpers. Month and day names are always
// English: reports are read by reporting centres, not by the local desktop.
// Numbers follow the C library's LC_NUMERIC, which the programs keep at "C".
#include <string>

#include "core/CivilTime.h"

namespace marigold {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Supports %a %A %b %B %d %H %I %j %m %M %p %S %y %Y %%; other codes are
// copied as they stand.
std::string FormatTime(const char* format, const CCivilTime& t);

}  // namespace marigold
