#include "vessel/ToolFigures.h"

#include <algorithm>
#include <cmath>

#include "core/Quotient.h"

namespace marigold {

int TruncatedFigure(double value) {
  if (!std::isfinite(value)) return 0;
  // Far beyond any bar or slider, and safe to convert even when scaled by 100.
  return static_cast<int>(std::clamp(value, -1e7, 1e7));
}

int BarPosition(double value, int maximum) { return std::clamp(TruncatedFigure(value), 0, std::max(maximum, 0)); }

double SlipPercent(double speed, double theoretical) {
  return theoretical > 0 ? (1 - speed / theoretical) * 100 : kNotANumber;
}

}  // namespace marigold
