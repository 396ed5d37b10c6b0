#pragma once
// The samples of the printed tide curve, in the printer's logical units
// (y grows upward), and the x of its hour marks.
#include <vector>

#include "tools/TideInfo.h"

namespace marigold {

struct CTidePoint {
  int x = 0;
  int y = 0;
};

// From t = 0 in steps of 0.2 hours while t stays below 24; x = trunc(t ×
// 81.25 + 50), y = trunc(height × 200 − 2000). A height that cannot be
// computed gives no sample.
std::vector<CTidePoint> TideCurve(const CTideInfo& tide);

// x of the hours 1 to 23.
std::vector<int> TideHourMarks();

}  // namespace marigold
