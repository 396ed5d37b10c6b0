#pragma once
// What the vessel tools share to turn model figures into slider, bar and
// text values.
#include <string>

namespace marigold {

// A track bar: sliders that run upward to larger values hold −value.
struct CSliderRange {
  int minimum = 0;
  int maximum = 0;
  int position = 0;
};

// A read-only figure with its progress bar (the range always starts at 0).
struct CBarFigure {
  std::string text;
  int position = 0;
  int maximum = 0;
};

// Truncated toward zero; 0 for a figure that cannot be computed.
int TruncatedFigure(double value);
// A progress bar shows a figure outside its range at the nearest end.
int BarPosition(double value, int maximum);
// Propeller slip, (1 − speed / theoretical) in percent; not a number without
// a theoretical speed.
double SlipPercent(double speed, double theoretical);

}  // namespace marigold
