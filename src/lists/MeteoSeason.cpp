#include "lists/MeteoSeason.h"

#include <algorithm>

#include "core/CivilTime.h"

namespace marigold {

ESeason SeasonOfMonth(int month) { return static_cast<ESeason>(std::clamp(month / 3, 0, kSeasonCount - 1)); }

// A day number holds the fields of the local clock already, so no time zone
// is involved.
int MonthOfDayNumber(double dayNumber) { return CivilTimeOf(dayNumber).month; }

const char* SeasonName(ESeason season) {
  switch (season) {
    case ESeason::Winter: return "Northern Winter";
    case ESeason::Spring: return "Northern Spring";
    case ESeason::Summer: return "Northern Summer";
    case ESeason::Autumn: break;
  }
  return "Northern Autum";
}

}  // namespace marigold
