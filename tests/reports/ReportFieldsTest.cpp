#include <gtest/gtest.h>

#include <limits>

#include "fakes/TestSupport.h"
#include "reports/ReportFields.h"

using namespace marigold;

TEST(ReportFields, PositionsArePaddedTruncatedAndSigned) {
  EXPECT_EQ(ReportPosition(At(0, 0)), "0000N/00000E/");
  EXPECT_EQ(ReportPosition(At(-(5 + 3.0 / 60), 179 + 59.9 / 60)), "0503S/17959E/");
  EXPECT_EQ(ReportPosition(At(10 + 30.99 / 60, -(9 + 0.5 / 60))), "1030N/00900W/");
  EXPECT_EQ(ReportPosition(At(-0.5, 45 + 1.0 / 60)), "0030S/04501E/");
}

TEST(ReportFields, CoursesAndSpeedsAreTruncated) {
  for (const auto& [course, text] : {std::pair{7.9, "007/"}, {45.99, "045/"}, {359.9, "359/"}})
    EXPECT_EQ(ReportCourse(course), text);
  for (const auto& [speed, text] : {std::pair{12.5, "125/"}, {8.0, "080/"}, {0.5, "05/"}, {9.96, "099/"}, {0.0, "00/"}})
    EXPECT_EQ(ReportSpeedTenths(speed), text);
  // Whole knots are printf's, rounded.
  for (const auto& [speed, text] : {std::pair{9.96, "10/"}, {8.0, " 8/"}, {14.35, "14/"}})
    EXPECT_EQ(ReportSpeedKnots(speed), text);
}

TEST(ReportFields, FiguresThatAreNotNumbersGiveZeroRatherThanGarbage) {
  EXPECT_EQ(ReportCourse(std::numeric_limits<double>::quiet_NaN()), "000/");
  EXPECT_EQ(ReportSpeedTenths(std::numeric_limits<double>::infinity()), "00/");
}
