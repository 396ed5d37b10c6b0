#include "core/SheetFields.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace marigold {

double Shown(double value, int decimals) {
  if (!std::isfinite(value)) return 0;
  // Through the decimal text, as an editor does: the nearest double to the
  // rounded figure, whatever the binary value was.
  char text[400];
  const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  if (written.ec != std::errc()) return 0;  // beyond any editor's range
  double shown = value;
  std::from_chars(text, written.ptr, shown, std::chars_format::fixed);
  return shown;
}

}  // namespace marigold
