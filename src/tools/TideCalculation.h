#pragma once
// The figures of the "Tide Calculation" tool for one port's tide data.
#include <ctime>
#include <string>

#include "tools/TideInfo.h"

namespace marigold {

// Hours into the day of the picker's time on the computer's local clock;
// the picker's date plays no part (13:30:00 gives 13.5).
double TideHoursOfDay(std::time_t pickerTime);

// "Date:": angleDate as "%a %d %b %Y" on the local clock.
std::string TideDateText(const CTideInfo& tide);

// "Height of Tide:": "%#3.2f mtr" at the picker's time of day on angleDate;
// "NA" when the height cannot be computed.
std::string TideHeightText(const CTideInfo& tide, std::time_t pickerTime);

}  // namespace marigold
