#pragma once
// Figures that cannot be computed are not-a-number, never infinite: a
// division by zero (a zero pitch, no time left, no speed) yields NaN, which
// every text shows as "NA".
#include <cmath>
#include <limits>

namespace marigold {

inline constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

inline double Quotient(double numerator, double divisor) {
  if (divisor == 0) return kNotANumber;
  const double q = numerator / divisor;
  return std::isinf(q) ? kNotANumber : q;
}

}  // namespace marigold
