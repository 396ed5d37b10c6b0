#include "tools/TideCurve.h"

#include <cmath>
#include <limits>

namespace marigold {
namespace {

double CurveX(double hours) { return hours * 81.25 + 50.0; }

// Truncated, and held inside int so that absurd tide data cannot overflow.
int Truncated(double value) {
  constexpr double kLimit = std::numeric_limits<int>::max();
  if (value > kLimit) return std::numeric_limits<int>::max();
  if (value < -kLimit) return -std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace

std::vector<CTidePoint> TideCurve(const CTideInfo& tide) {
  std::vector<CTidePoint> points;
  // Accumulated steps, as the printed graph always sampled: the last sample
  // falls a hair before 24:00.
  for (double t = 0.0; t < 24.0; t += 0.2) {
    const double height = tide.Height(t);
    if (!std::isfinite(height)) continue;
    points.push_back({Truncated(CurveX(t)), Truncated(height * 200.0 - 2000.0)});
  }
  return points;
}

std::vector<int> TideHourMarks() {
  std::vector<int> marks;
  for (int hour = 1; hour <= 23; ++hour) marks.push_back(Truncated(CurveX(hour)));
  return marks;
}

}  // namespace marigold
