// The tide record's file form, the height formula and the figures of the
// "Tide Calculation" tool and of the printed tide curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "core/LocalClock.h"
#include "fakes/RecordBytes.h"
#include "fakes/TestSupport.h"
#include "tools/TideCalculation.h"
#include "tools/TideCurve.h"
#include "tools/TideFields.h"
#include "tools/TideInfo.h"

namespace marigold {
namespace {

using bytes::kZero;

// f4 1, F4 2, f6 3, hmK1 4, gM2 5, hmM2 6, meanLevel 7, gO1 8, hmO1 9, gS2 10,
// hmS2 11, timeZone 12, F6 13, gK1 14; angleDate 1,000,000,000 s; aK1 15,
// fK1 16, aM2 17, fM2 18, aO1 19, fO1 20, aS2 21, fS2 22.
const std::string kTide =
    "00 00 00 00 00 00 f0 3f  00 00 00 00 00 00 00 40  00 00 00 00 00 00 08 40  00 00 00 00 00 00 10 40 "
    "00 00 00 00 00 00 14 40  00 00 00 00 00 00 18 40  00 00 00 00 00 00 1c 40  00 00 00 00 00 00 20 40 "
    "00 00 00 00 00 00 22 40  00 00 00 00 00 00 24 40  00 00 00 00 00 00 26 40  00 00 00 00 00 00 28 40 "
    "00 00 00 00 00 00 2a 40  00 00 00 00 00 00 2c 40 "
    "00 ca 9a 3b "
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 30 40  00 00 00 00 00 00 31 40  00 00 00 00 00 00 32 40 "
    "00 00 00 00 00 00 33 40  00 00 00 00 00 00 34 40  00 00 00 00 00 00 35 40  00 00 00 00 00 00 36 40";

TEST(TideArchive, DefaultIsTwentyTwoZeroDoublesAroundTheDate) {
  const CBytes bytes = Store(CTideInfo(1000000000));
  EXPECT_EQ(bytes.size(), 180u);
  std::string expected;
  for (int i = 0; i < 14; ++i) expected += kZero;
  expected += "00 ca 9a 3b ";
  for (int i = 0; i < 8; ++i) expected += kZero;
  EXPECT_EQ(bytes, Hex(expected));
}

TEST(TideArchive, EveryFieldInItsPlace) {
  const CBytes bytes = Hex(kTide);
  CTideInfo t;
  Load(t, bytes);
  const double got[] = {t.f4,  t.F4,  t.f6,  t.hmK1, t.gM2, t.hmM2, t.meanLevel, t.gO1, t.hmO1, t.gS2, t.hmS2,
                        t.timeZone, t.F6, t.gK1, t.aK1, t.fK1, t.aM2, t.fM2, t.aO1, t.fO1, t.aS2, t.fS2};
  for (int i = 0; i < 22; ++i) EXPECT_EQ(got[i], i + 1) << "field " << i;
  EXPECT_EQ(t.angleDate, 1000000000);
  EXPECT_EQ(Store(t), bytes);
}

TEST(TideArchive, ShortBytesLeaveTheTideAsItWas) {
  CBytes bytes = Hex(kTide);
  bytes.pop_back();
  CTideInfo t(42);
  t.meanLevel = 3.5;
  ExpectLoadFails(t, bytes);
  EXPECT_EQ(t.meanLevel, 3.5);
  EXPECT_EQ(t.angleDate, 42);
}

TEST(TideFields, ThePageEditsTheConstantsAndTheDialogTheDateAnglesAndFactors) {
  const CBytes file = Hex(kTide);
  CTideInfo source;
  Load(source, file);
  const CTideConstantsFields constants = ReadTideConstants(source);
  EXPECT_EQ(std::tie(constants.gM2, constants.hmO1, constants.F6), std::make_tuple(5.0, 9.0, 13.0));
  const CTidalAnglesFields angles = ReadTidalAngles(source);
  EXPECT_EQ(std::tie(angles.date, angles.aM2, angles.fO1), std::make_tuple(std::time_t{1000000000}, 17.0, 20.0));

  // The file form holds the fourteen constants in its first 112 bytes.
  const CBytes untouched = Store(CTideInfo(42));
  const auto joined = [](const CBytes& head, const CBytes& tail) {
    CBytes bytes(head.begin(), head.begin() + 112);
    bytes.insert(bytes.end(), tail.begin() + 112, tail.end());
    return bytes;
  };
  CTideInfo page(42);
  ApplyTideConstants(constants, page);
  EXPECT_EQ(Store(page), joined(file, untouched));
  CTideInfo dialog(42);
  ApplyTidalAngles(angles, dialog);
  EXPECT_EQ(Store(dialog), joined(untouched, file));
}

CTideInfo OnlyM2(double phase = 0) {
  CTideInfo t;
  t.fM2 = 1;
  t.hmM2 = 1;
  t.aM2 = phase;
  t.meanLevel = 2.5;
  return t;
}

// Also pins the 57.3 degrees to the radian: with 57.29578 the trough moves.
TEST(TideHeight, M2AloneIsACosineOfPeriod360Over29) {
  const CTideInfo t = OnlyM2();
  EXPECT_DOUBLE_EQ(t.Height(0), 3.5);
  // 360 "degrees" of 57.3 to the radian: 12.414 hours, 360/29 = 12.41 to the
  // hundredth.
  const double period = 2 * 3.141592653589793 * 57.3 / 29;
  EXPECT_NEAR(period, 360.0 / 29, 0.005);
  EXPECT_NEAR(t.Height(period / 2), 1.5, 1e-12);
  for (const double h : {0.7, 3.0, 10.2}) EXPECT_NEAR(t.Height(h + period), t.Height(h), 1e-9);
}

TEST(TideHeight, NoSemiDiurnalAmplitudeLeavesTheShallowWaterTermsZero) {
  CTideInfo t;
  t.F4 = 1;
  t.F6 = 1;
  t.f4 = 30;
  t.meanLevel = 2;
  t.fK1 = 1;
  t.hmK1 = 1;
  EXPECT_DOUBLE_EQ(t.Height(0), 3.0);
  for (double h = 0; h < 24; h += 0.5) EXPECT_TRUE(std::isfinite(t.Height(h))) << h;
  EXPECT_EQ(CTideInfo().Height(7.25), 0.0);
}

TEST(TideHeight, TheQuarterDiurnalTermFollowsTheDoubledPhaseInBothHalfPlanes) {
  // M2 at 120 degrees (X < 0) and at 300 degrees (X > 0): twice either phase
  // is 240, so with f4 = 90 the quarter-diurnal term is cos(330) in both.
  for (const double phase : {120.0, 300.0}) {
    CTideInfo t = OnlyM2(phase);
    const double withoutCorrection = t.Height(0);
    t.F4 = 1;
    t.f4 = 90;
    EXPECT_NEAR(t.Height(0) - withoutCorrection, std::cos(330 / 57.3), 0.01) << phase;
  }
}

TEST(TideCalculation, OnlyTheTimeOfDayOfThePickerCounts) {
  const std::time_t afternoon = CalendarTimeFromLocal({2023, 11, 14, 13, 30, 0});
  EXPECT_DOUBLE_EQ(TideHoursOfDay(afternoon), 13.5);
  EXPECT_NEAR(TideHoursOfDay(CalendarTimeFromLocal({2023, 7, 2, 0, 0, 36})), 0.01, 1e-12);

  CTideInfo t = OnlyM2();
  t.angleDate = CalendarTimeFromLocal({2024, 1, 5, 9, 0, 0});
  EXPECT_EQ(TideDateText(t), "Fri 05 Jan 2024");
  EXPECT_EQ(TideHeightText(t, CalendarTimeFromLocal({2031, 6, 1, 0, 0, 0})), "3.50 mtr");
  t.hmM2 = NAN;
  EXPECT_EQ(TideHeightText(t, afternoon), "NA");
}

TEST(TideCurve, FiveSamplesAnHourAcrossThePage) {
  const CTideInfo t = OnlyM2();
  const std::vector<CTidePoint> curve = TideCurve(t);
  // The accumulated 0.2 h steps end a hair before 24:00, so 121 samples.
  ASSERT_EQ(curve.size(), 121u);
  // The first at 3.5 m, the sixth at 1 h.
  EXPECT_EQ(std::tie(curve.front().x, curve.front().y, curve[5].x, curve.back().x),
            std::make_tuple(50, -1300, 131, 1999));
  const std::vector<int> marks = TideHourMarks();
  ASSERT_EQ(marks.size(), 23u);
  EXPECT_EQ(std::pair(marks.front(), marks.back()), std::pair(131, 1918));
}

}  // namespace
}  // namespace marigold
