#pragma once
// What the print dialogs keep in the document between openings: the
// plotting sheet's centre, projection, scale and objects, and the range of
// fixes the speed graph spans.
#include <cstdint>
#include <optional>

namespace marigold {

enum class EProjection : std::int32_t { Mercator = 0, Gnomonic = 1, Polar = 2 };

struct CPlottingSheetSettings {
  // The centre; none until the officer chose one (the sheet then centres on
  // the latest fix, or the route's first waypoint).
  std::optional<double> centreLatitude;
  std::optional<double> centreLongitude;
  EProjection projection = EProjection::Mercator;
  double scaleLatitude = 0;  // degrees, south negative
  double scale = 300000;     // the S of 1 : S
  bool waypoints = true;
  bool fixes = true;
  bool reportingPoints = true;
  bool averageWeather = false;
  bool latestWeather = false;
  bool storms = true;
  bool warnings = true;
};

// Indices into the position-fix history; `to` none for the latest fix.
struct CGraphRange {
  int from = 0;
  std::optional<int> to;
};

// The "Storm Advisory" dialog's choices: the storm by its index in the
// list, and whether the ship keeps its present course and speed instead of
// following the route.
struct CStormAdvisoryChoice {
  int storm = 0;
  bool keepCourseAndSpeed = false;
};

}  // namespace marigold
