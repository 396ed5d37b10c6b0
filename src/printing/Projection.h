#pragma once
// The plotting sheet's projections of a position onto the page, about its
// centre plotted at x 910, y -1250. What a projection cannot show (a
// Mercator sheet's pole, a gnomonic sheet's positions 90 degrees or more
// from its centre) has no page point.
#include <optional>

#include "core/Angles.h"
#include "core/Painter.h"
#include "voyage/PrintSettings.h"

namespace marigold {

inline constexpr CPagePoint kSheetCentre{910, -1250};

struct CSheetGeometry {
  double centreLatitude = 0;
  double centreLongitude = 0;
  EProjection projection = EProjection::Mercator;
  double scaleLatitude = 0;
  double scale = 300000;  // above 0
};

std::optional<CPagePoint> Project(const CSheetGeometry& sheet, double latitude, double longitude);

// The part of the segment inside the rectangle (Liang-Barsky); none when
// nothing of it is.
std::optional<std::pair<CPagePoint, CPagePoint>> ClipSegment(CPagePoint from, CPagePoint to, CPagePoint topLeft,
                                                             CPagePoint bottomRight);

}  // namespace marigold
