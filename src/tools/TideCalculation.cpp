#include "tools/TideCalculation.h"

#include "core/LocalClock.h"
#include "core/TextFormat.h"

namespace marigold {

double TideHoursOfDay(std::time_t pickerTime) {
  const CCivilTime local = LocalFieldsOf(pickerTime);
  return local.hour + local.minute * (1.0 / 60) + local.second * (1.0 / 3600);
}

std::string TideDateText(const CTideInfo& tide) { return FormatTime("%a %d %b %Y", LocalFieldsOf(tide.angleDate)); }

std::string TideHeightText(const CTideInfo& tide, std::time_t pickerTime) {
  return FormatFigure("%#3.2f mtr", tide.Height(TideHoursOfDay(pickerTime)));
}

}  // namespace marigold
