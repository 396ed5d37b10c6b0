// The plotting sheet's projections of known positions, what they leave out,
// the clipping of lines to the sheet and the refused scales.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "printing/PlottingSheet.h"
#include "printing/Projection.h"

namespace marigold {
namespace {

// 1 : 1 111 200 puts 1000 units (10 cm) on a degree of arc at the equator;
// 1 : 1 852 000 puts 10 units on a nautical mile.
constexpr double kDegreeScale = 1111200;
constexpr double kMileScale = 1852000;

TEST(Projection, KnownPositionsLandWhereTheFormulasPutThem) {
  const auto none = std::optional<CPagePoint>();
  const struct {
    CSheetGeometry sheet;
    double latitude;
    double longitude;
    std::optional<CPagePoint> at;
  } kCases[] = {
      // Mercator at the equator with latitude of scale 0: 60 × 18 520 000 / S
      // a degree both ways (the y offset's cos of 0.5 degrees is truncated away).
      {{0, 0, EProjection::Mercator, 0, kDegreeScale}, 1, 1, CPagePoint{1910, -250}},
      {{0, 0, EProjection::Mercator, 0, kDegreeScale}, -1, -2, CPagePoint{-1090, -2250}},
      {{0, 0, EProjection::Mercator, 0, kDegreeScale}, 0, 0, CPagePoint{910, -1250}},
      // Latitude of scale 60: half as much a degree of longitude.
      {{0, 0, EProjection::Mercator, 60, kDegreeScale},
       0,
       1,
       CPagePoint{1410, -1250}},  // cos(60·d) is a hair above 0.5
      // Near the pole nothing is shown, rather than a line across the page.
      {{88, 0, EProjection::Mercator, 0, kDegreeScale}, 89.6, 0, none},
      {{89.6, 0, EProjection::Mercator, 0, kDegreeScale}, 89.7, 0, none},
      // Gnomonic: (φ − φ0) × cos((φ − φ0)·d) × 1 111 200 000 / S.
      {{0, 0, EProjection::Gnomonic, 0, kDegreeScale}, 1, 0, CPagePoint{910, -251}},
      {{0, 0, EProjection::Gnomonic, 0, kDegreeScale}, 0, 1, CPagePoint{1909, -1250}},
      // 90 degrees or more from the centre has no gnomonic image.
      {{0, 0, EProjection::Gnomonic, 0, kDegreeScale}, 0, 90, none},
      {{0, 0, EProjection::Gnomonic, 0, kDegreeScale}, -90, 0, none},
      {{0, 0, EProjection::Gnomonic, 0, kDegreeScale}, 0, 89, CPagePoint{910 + 1563, -1250}},
      // Polar: 60 nM north and 60 nM east along the equator.
      {{0, 0, EProjection::Polar, 0, kMileScale}, 1, 0, CPagePoint{910, -650}},
      {{0, 0, EProjection::Polar, 0, kMileScale}, 0, 1, CPagePoint{1509, -1250}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.sheet.projection) << " " << c.latitude << " " << c.longitude);
    EXPECT_EQ(Project(c.sheet, c.latitude, c.longitude), c.at);
  }
}

TEST(Projection, LinesAreClippedToTheSheet) {
  const CPagePoint topLeft{50, -200};
  const CPagePoint bottomRight{1950, -2590};
  using CSegment = std::pair<CPagePoint, CPagePoint>;
  const struct {
    CPagePoint from;
    CPagePoint to;
    std::optional<CSegment> visible;
  } kCases[] = {
      {{100, -300}, {200, -400}, CSegment{{100, -300}, {200, -400}}},     // inside
      {{0, -1000}, {100, -1000}, CSegment{{50, -1000}, {100, -1000}}},    // over the left edge
      {{1000, 0}, {1000, -3000}, CSegment{{1000, -200}, {1000, -2590}}},  // through top and bottom
      {{0, 0}, {40, -100}, std::nullopt},                                 // wholly outside
      {{2000, -100}, {2100, -3000}, std::nullopt},
  };
  for (const auto& c : kCases) EXPECT_EQ(ClipSegment(c.from, c.to, topLeft, bottomRight), c.visible);
}

TEST(Projection, ScalesThatCannotPrintAreRefused) {
  for (const double scale : {0.0, -300000.0, std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(CheckSheet({0, 0, EProjection::Mercator, 0, scale}), std::optional<std::string>(kScaleRefused)) << scale;
  EXPECT_EQ(CheckSheet({0, 0, EProjection::Polar, 0, 300000}), std::nullopt);
}

}  // namespace
}  // namespace marigold
