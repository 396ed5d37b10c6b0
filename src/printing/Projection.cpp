#include "printing/Projection.h"

#include <cmath>

#include "core/Navigation.h"
#include "core/Position2.h"

namespace marigold {
namespace {

constexpr double kUnitsPerMile = 18520000.0;      // 0.1 mm in a nautical mile
constexpr double kUnitsPerDegree = 1111200000.0;  // 0.1 mm in a degree of arc
// Offsets beyond 100 m of paper are nothing a sheet can show.
constexpr double kFarOff = 1.0e6;
// Nearer the pole than this, a Mercator sheet's scale runs away.
constexpr double kMercatorLimit = 89.5;

std::optional<CPagePoint> Placed(double xOffset, double yOffset) {
  if (!std::isfinite(xOffset) || !std::isfinite(yOffset) || std::fabs(xOffset) > kFarOff ||
      std::fabs(yOffset) > kFarOff)
    return std::nullopt;
  return CPagePoint{kSheetCentre.x + static_cast<int>(std::trunc(xOffset)),
                    kSheetCentre.y + static_cast<int>(std::trunc(yOffset))};
}

}  // namespace

std::optional<CPagePoint> Project(const CSheetGeometry& sheet, double latitude, double longitude) {
  const double d = kRoughRadiansPerDegree;  // the sheet's own factor, so that printed sheets do not move
  const double dLat = latitude - sheet.centreLatitude;
  const double dLon = longitude - sheet.centreLongitude;
  switch (sheet.projection) {
    case EProjection::Mercator: {
      const double middle = (sheet.centreLatitude + latitude) / 2;
      if (std::fabs(latitude) >= kMercatorLimit || std::fabs(middle) >= kMercatorLimit) return std::nullopt;
      const double a = std::cos(sheet.scaleLatitude * d) * kUnitsPerMile;
      return Placed(dLon * 60 * a / sheet.scale, dLat * 60 * a / (sheet.scale * std::cos(middle * d)));
    }
    case EProjection::Gnomonic: {
      // Only the hemisphere about the centre has a gnomonic image (its edge
      // found with the navigation's degree, 90 degrees being 90 degrees).
      const double r = 1 / kDegreesPerRadian;
      const double cosArc = std::sin(sheet.centreLatitude * r) * std::sin(latitude * r) +
                            std::cos(sheet.centreLatitude * r) * std::cos(latitude * r) * std::cos(dLon * r);
      if (cosArc <= 0) return std::nullopt;
      const double k = kUnitsPerDegree / sheet.scale;
      return Placed(dLon * std::cos(dLat * d) * std::cos(dLon * d) * k, dLat * std::cos(dLat * d) * k);
    }
    case EProjection::Polar: {
      CPosition2 centre;
      centre.SetLatitude(sheet.centreLatitude);
      centre.SetLongitude(sheet.centreLongitude);
      CPosition2 to;
      to.SetLatitude(latitude);
      to.SetLongitude(longitude);
      const CNavigation nav;
      const double distance = nav.Distance(centre, to, false);
      const double course = nav.Course(centre, to, false);
      const double k = kUnitsPerMile / sheet.scale;
      return Placed(distance * std::sin(course * d) * k, distance * std::cos(course * d) * k);
    }
  }
  return std::nullopt;
}

std::optional<std::pair<CPagePoint, CPagePoint>> ClipSegment(CPagePoint from, CPagePoint to, CPagePoint topLeft,
                                                             CPagePoint bottomRight) {
  const double dx = to.x - from.x;
  const double dy = to.y - from.y;
  double t0 = 0;
  double t1 = 1;
  // Each edge as p·t <= q.
  const double edges[4][2] = {{-dx, static_cast<double>(from.x - topLeft.x)},
                              {dx, static_cast<double>(bottomRight.x - from.x)},
                              {dy, static_cast<double>(topLeft.y - from.y)},
                              {-dy, static_cast<double>(from.y - bottomRight.y)}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return std::nullopt;
      continue;
    }
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return std::nullopt;
      t0 = std::max(t0, t);
    } else {
      if (t < t0) return std::nullopt;
      t1 = std::min(t1, t);
    }
  }
  const auto at = [&](double t) {
    return CPagePoint{from.x + static_cast<int>(std::lround(t * dx)), from.y + static_cast<int>(std::lround(t * dy))};
  };
  return std::pair{at(t0), at(t1)};
}

}  // namespace marigold
