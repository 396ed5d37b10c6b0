#include <gtest/gtest.h>

#include <limits>

#include "reports/ReportFields.h"

using namespace marigold;

namespace {

CPosition2 At(double latitude, double longitude) {
  CPosition2 p;
  p.SetLatitude(latitude);
  p.SetLongitude(longitude);
  return p;
}

}  // namespace

TEST(ReportFields, PositionsArePaddedTruncatedAndSigned) {
  EXPECT_EQ(ReportPosition(At(0, 0)), "0000N/00000E/");
  EXPECT_EQ(ReportPosition(At(-(5 + 3.0 / 60), 179 + 59.9 / 60)), "0503S/17959E/");
  EXPECT_EQ(ReportPosition(At(10 + 30.99 / 60, -(9 + 0.5 / 60))), "1030N/00900W/");
  EXPECT_EQ(ReportPosition(At(-0.5, 45 + 1.0 / 60)), "0030S/04501E/");
}

TEST(ReportFields, CoursesAndSpeedsAreTruncated) {
  EXPECT_EQ(ReportCourse(7.9), "007/");
  EXPECT_EQ(ReportCourse(45.99), "045/");
  EXPECT_EQ(ReportCourse(359.9), "359/");
  EXPECT_EQ(ReportSpeedTenths(12.5), "125/");
  EXPECT_EQ(ReportSpeedTenths(8.0), "080/");
  EXPECT_EQ(ReportSpeedTenths(0.5), "05/");
  EXPECT_EQ(ReportSpeedTenths(9.96), "099/");
  EXPECT_EQ(ReportSpeedTenths(0), "00/");
  // Whole knots are printf's, rounded.
  EXPECT_EQ(ReportSpeedKnots(9.96), "10/");
  EXPECT_EQ(ReportSpeedKnots(8.0), " 8/");
  EXPECT_EQ(ReportSpeedKnots(14.35), "14/");
}

TEST(ReportFields, FiguresThatAreNotNumbersGiveZeroRatherThanGarbage) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(ReportCourse(nan), "000/");
  EXPECT_EQ(ReportSpeedTenths(std::numeric_limits<double>::infinity()), "00/");
}
