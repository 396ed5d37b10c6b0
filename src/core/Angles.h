#pragma once
// Angles in one place: the navigation formulas' pi, the degree factor of the
// vessel, tide, storm and chart formulas, longitude reduction and the unit
// vector of a position.
#include <cmath>

namespace marigold {

// The navigation formulas work with this pi (not the full-precision
// constant); stored routes and their figures depend on it.
inline constexpr double kPi = 3.141592654;
inline constexpr double kDegreesPerRadian = 180 / kPi;

// The vessel model, the tides, the storm approach and the plotting sheet
// take 57.3 degrees to the radian, as their figures always have.
inline constexpr double kRoughDegreesPerRadian = 57.3;
inline constexpr double kRoughRadiansPerDegree = 0.017452006980802792;  // 1 / 57.3
static_assert(kRoughRadiansPerDegree == 1 / kRoughDegreesPerRadian);

// Within (-180, 180]. Longitudes are kept unreduced everywhere else; only
// fields that show or exchange one longitude reduce it.
inline double ReducedLongitude(double longitude) {
  double reduced = std::fmod(longitude, 360.0);
  if (reduced > 180) reduced -= 360;
  if (reduced <= -180) reduced += 360;
  return reduced;
}

// The point on the unit sphere, with the navigation's pi.
struct CUnitVector {
  double x = 0;
  double y = 0;
  double z = 0;
};

inline CUnitVector UnitVectorOf(double latitude, double longitude) {
  const double phi = latitude / kDegreesPerRadian;
  const double lambda = longitude / kDegreesPerRadian;
  return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

}  // namespace marigold
