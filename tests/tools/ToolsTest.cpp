// The navigation calculator, drift angle, metric conversions and tide tools, the tide record's file form and
// the printed tide curve.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "core/LocalClock.h"
#include "fakes/RecordBytes.h"
#include "fakes/TestSupport.h"
#include "tools/Calculator.h"
#include "tools/Conversions.h"
#include "tools/DriftAngle.h"
#include "tools/TideCalculation.h"
#include "tools/TideCurve.h"
#include "tools/TideFields.h"
#include "tools/TideInfo.h"

namespace marigold {
namespace {

void ExpectPosition(const CPositionFields& got, const CPositionFields& want) {
  EXPECT_EQ(std::tie(got.latitudeDegrees, got.latitudeHemisphere, got.longitudeDegrees, got.longitudeHemisphere),
            std::tie(want.latitudeDegrees, want.latitudeHemisphere, want.longitudeDegrees, want.longitudeHemisphere));
  // Dead reckoning due east or west is good to some 0.001' per 60 nM.
  ExpectNear({got.latitudeMinutes, got.longitudeMinutes}, {want.latitudeMinutes, want.longitudeMinutes}, 0.005);
}

TEST(Calculator, SixtyMilesEastAndBackAlsoAcrossTheDateLine) {
  // 00°00'N 001°00'E, never 000°60'; 179°30'E comes out as 179°30'W, which
  // the fields accept.
  for (const auto& [from, to] :
       {std::pair{0.0, CPositionFields{0, 0, 0, 1, 0, 0}}, std::pair{179.5, CPositionFields{0, 0, 0, 179, 30, 1}}}) {
    CCalculatorTool tool(At(0, from));
    CCalculatorFields f = tool.View().fields;
    f.course = 90;
    f.distance = 60;
    tool.OnPositionB(f);
    ASSERT_TRUE(tool.View().positionBAvailable);
    ExpectPosition(tool.View().fields.b, to);
    for (int via : {kViaRhumbLine, kViaGreatCircle}) {
      CCalculatorFields back = tool.View().fields;
      back.course = back.distance = 0;
      back.via = via;
      tool.OnCourseDistance(back);
      EXPECT_NEAR(tool.View().fields.course, 90, 1e-6) << from << " via " << via;
      EXPECT_NEAR(tool.View().fields.distance, 60, 0.005) << from << " via " << via;
    }
  }
}

TEST(Calculator, ViaChoosesTheSailingMethod) {
  CCalculatorFields f;
  f.a = {50, 0, 0, 0, 0, 0};
  f.b = {50, 0, -1, 60, 0, 1};  // no hemisphere chosen reads as North
  const CCourseDistance rhumb = CalculateCourseDistance(f);
  f.via = kViaGreatCircle;
  const CCourseDistance great = CalculateCourseDistance(f);
  EXPECT_NEAR(rhumb.course, 270, 1e-6);
  EXPECT_GT(great.course, 290);
  EXPECT_LT(great.distance, rhumb.distance);
}

TEST(Calculator, NoPositionBeyondAPole) {
  CCalculatorFields f;
  f.a = {45, 0, 0, 5, 0, 0};
  f.distance = 45 * 60;
  ExpectPosition(*CalculatePositionB(f), {90, 0, 0, 5, 0, 0});
  f.distance = 3000;
  EXPECT_FALSE(CalculatePositionB(f));
  f.course = 180;
  f.distance = 135 * 60 + 1;
  EXPECT_FALSE(CalculatePositionB(f));

  // The dialog shows "NA" and keeps what B held.
  CCalculatorTool tool(At(45, 5));
  f.b = {10, 0, 0, 0, 0, 0};
  tool.OnPositionB(f);
  EXPECT_EQ(std::pair(tool.View().positionBAvailable, tool.View().fields.b.latitudeDegrees), std::pair(false, 10));
  tool.OnCourseDistance(f);
  EXPECT_TRUE(tool.View().positionBAvailable);
}

TEST(Calculator, OpensAtThePresentPositionWithinTheFieldRanges) {
  // The core keeps longitudes unreduced.
  const CCalculatorFields f = CCalculatorTool(At(-33.5, 200.25)).View().fields;
  ExpectPosition(f.a, {33, 30, 1, 159, 45, 1});
  EXPECT_EQ(std::pair(f.b.latitudeHemisphere, f.via), std::pair(-1, kViaRhumbLine));
  EXPECT_EQ(RefusalText(Validate(f)), "accepted");
}

TEST(Calculator, FieldChecksRefuseBeforeAnyCalculation) {
  struct CCase {
    void (*edit)(CCalculatorFields&);
    const char* verdict;
  };
  const CCase cases[] = {
      {[](auto& f) {
         f = {{90, 0, 1, 180, 0, 1}, {0, 60, 0, 0, 60, 0}, 0, 360, -5};
       },
       "accepted"},
      {[](auto& f) { f.a.latitudeMinutes = 60.5, f.course = 400; },
       "aLatitudeMinutes: Please enter a number between 0.0 and 60.0."},
      {[](auto& f) { f.a.longitudeDegrees = 181; }, "aLongitudeDegrees: Please enter an integer between 0 and 180."},
      {[](auto& f) { f.b.latitudeDegrees = 91; }, "bLatitudeDegrees: Please enter an integer between 0 and 90."},
      {[](auto& f) { f.b = {90, 30, 0, 0, 0, 0}; }, "bLatitudeMinutes: Please enter a number between 0.0 and 0.0."},
      {[](auto& f) { f.b.longitudeMinutes = -0.5; }, "bLongitudeMinutes: Please enter a number between 0.0 and 60.0."},
      {[](auto& f) { f.course = 360.5; }, "course: Please enter a number between 0.0 and 360.0."},
      {[](auto& f) { f.distance = std::nan(""); }, "distance: Please enter a number."},
      {[](auto& f) { f.distance = HUGE_VAL; }, "distance: Please enter a number."},
  };
  for (const CCase& c : cases) {
    CCalculatorFields f;
    c.edit(f);
    EXPECT_EQ(RefusalText(Validate(f)), c.verdict);
  }

  EXPECT_EQ(ToolFigureText(std::nan("")), "NA");
  EXPECT_EQ(ToolFigureText(59.99999999999999), "60");
}

TEST(DriftAngle, GroundVectorIsWaterVectorPlusCurrent) {
  for (double course : {0.0, 90.0, 200.0}) {
    CDriftAngleFields f{course, 12, 135, 0};
    CalculateGroundVector(f);
    EXPECT_NEAR(f.groundCourse, course, 1e-6);
    EXPECT_NEAR(f.groundSpeed, 12, 0.001);
  }
  CVoyage route;
  CDriftAngleTool tool(route, CFixRecord{});
  tool.OnCalculate({0, 10, 90, 2});
  CDriftAngleFields f = tool.View();
  EXPECT_NEAR(f.groundCourse, 11.3, 0.1);
  EXPECT_NEAR(f.groundSpeed, 10.2, 0.01);
  EXPECT_EQ(std::pair(f.steeredCourse, f.logSpeed), std::pair(0.0, 10.0));

  // 80 kts over the ground does not block the next "Calculate".
  tool.OnCalculate({360, 60, 360, 20});
  f = tool.View();
  EXPECT_NEAR(f.groundSpeed, 80, 1e-6);
  EXPECT_EQ(RefusalText(Validate(f)), "accepted");
}

TEST(DriftAngle, EnteredValuesAreCheckedInTheDialogsOrder) {
  struct CCase {
    CDriftAngleFields fields;
    const char* verdict;
  };
  const CCase cases[] = {
      {{360, 60, 360, 20}, "accepted"},
      {{-1, 61, 0, 0}, "steeredCourse: Please enter a number between 0.0 and 360.0."},
      {{0, 61, 361, 0}, "logSpeed: Please enter a number between 0.0 and 60.0."},
      {{0, 0, 360.5, 21}, "currentDirection: Please enter a number between 0.0 and 360.0."},
      {{0, 0, 0, 20.5}, "currentVelocity: Please enter a number between 0.0 and 20.0."},
  };
  for (const CCase& c : cases) EXPECT_EQ(RefusalText(Validate(c.fields)), c.verdict);
}

TEST(DriftAngle, ActualCurrentComesFromTheWaypointAhead) {
  CFixRecord present;
  present.SetLatitude(45);
  present.SetLongitude(5.9);
  CScriptedPrompter prompter;
  const CDriftAngleFields entered{10, 10, 33, 1.5};
  CVoyage route;
  CDriftAngleTool noVoyage(route, present);
  EXPECT_FALSE(noVoyage.OnActualCurrent(entered, prompter));
  EXPECT_EQ(MessageTexts(prompter), std::vector<std::string>{"No active voyage\nNo present current data available"});
  EXPECT_EQ(noVoyage.View().currentDirection, 33);

  for (double lon : {4.0, 6.0, 8.0}) {
    CWaypoint* w = route.AddNew();
    w->SetLatitude(45);
    w->SetLongitude(lon);
    w->weather.currentSet = lon * 10;
    w->weather.currentRate = lon / 4;
  }
  CDriftAngleTool tool(route, present);
  EXPECT_EQ(route.nextWaypointIndex, 1);
  EXPECT_TRUE(tool.OnActualCurrent(entered, prompter));
  const CDriftAngleFields shown = tool.View();
  EXPECT_EQ(std::tie(shown.steeredCourse, shown.currentDirection, shown.currentVelocity),
            std::make_tuple(10.0, 60.0, 1.5));
}

TEST(Conversions, ExamplesByExactNameAndTheirTexts) {
  const std::tuple<const char*, double, double> examples[] = {
      {"Meters to fathoms", 1, 0.5468066491688539}, {"Fathom to meters", 10, 18.288},
      {"Degrees Fahrenheit to Celcius", 212, 100},  {"Degrees Celcius to fahrenheit", 100, 212},
      {"Knots to m/sec", 10, 5.144444444444445},    {"Meters per second to kts", 1, 1.9438444924406046}};
  for (const auto& [name, value, result] : examples) EXPECT_EQ(Convert(name, value), result) << name;
  EXPECT_FALSE(Convert("Meters to Fathoms", 1));  // names are exact

  EXPECT_EQ(std::make_tuple(ConversionResultText(*Convert(1, 1)), ConversionResultText(*Convert(10, 212)),
                            ConversionResultText(*Convert(4, 1e306))),
            std::make_tuple("0.5468066491688539", "100", "NA"));
}

TEST(Conversions, EachItemAndTheNextUndoEachOther) {
  // Pairs in list order: a slip in one factor breaks its pair.
  for (int i = 0; i < 16; i += 2)
    EXPECT_NEAR(*Convert(i + 1, *Convert(i, 37.0)), 37.0, 1e-6) << kConversions[static_cast<std::size_t>(i)].name;
}

TEST(Conversions, NothingChosenLeavesTheResult) {
  CConversionsTool tool;
  tool.OnCalculate({5, -1});
  EXPECT_EQ(tool.View().result, 0);
  tool.OnCalculate({5, 15});
  EXPECT_EQ(tool.View().result, 9.26);
  tool.OnCalculate({7, -1});
  EXPECT_EQ(std::pair(tool.View().result, tool.View().fields.value), std::pair(9.26, 7.0));
  EXPECT_FALSE(Convert(16, 1));
}

TEST(Conversions, ValueMustBeAFiniteNumber) {
  EXPECT_EQ(ParseConversionValue("  -3e2 "), -300);
  EXPECT_EQ(ParseConversionValue("+4"), 4);
  for (const char* bad : {"", "abc", "12abc", "1,5", "+-5", "1e400", "inf", "nan"})
    EXPECT_FALSE(ParseConversionValue(bad)) << bad;
}

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
  std::string expected;  // 180 bytes
  for (int i = 0; i < 14; ++i) expected += kZero;
  expected += "00 ca 9a 3b ";
  for (int i = 0; i < 8; ++i) expected += kZero;
  EXPECT_EQ(Store(CTideInfo(1000000000)), Hex(expected));
}

TEST(TideArchive, EveryFieldInItsPlace) {
  const CBytes bytes = Hex(kTide);
  CTideInfo t;
  Load(t, bytes);
  const double got[] = {t.f4,       t.F4, t.f6,  t.hmK1, t.gM2, t.hmM2, t.meanLevel, t.gO1, t.hmO1, t.gS2, t.hmS2,
                        t.timeZone, t.F6, t.gK1, t.aK1,  t.fK1, t.aM2,  t.fM2,       t.aO1, t.fO1,  t.aS2, t.fS2};
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
  EXPECT_EQ(std::pair(t.meanLevel, t.angleDate), std::pair(3.5, std::time_t{42}));
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

// The dialog copies all nine values back each time a field is left: what
// the officer did not touch keeps every digit, and a new day keeps the time
// of day (12:00 stays 12:00 across the change to summer time).
TEST(TideFields, TheAnglesDialogWritesOnlyWhatWasTyped) {
  CTideInfo tide(CalendarTimeFromLocal({2024, 3, 30, 12, 0, 0}));
  tide.aS2 = 12.345678;
  tide.fS2 = 0.98765;
  CTidalAnglesFields typed = ReadTidalAngles(tide);
  EXPECT_EQ(std::tie(typed.aS2, typed.fS2), std::make_tuple(12.3, 0.9877));
  typed.aM2 = 90;
  typed.date = TideDateOnDay(tide.angleDate, {2024, 3, 31, 0, 0, 0});
  ApplyTidalAngles(typed, tide);
  EXPECT_EQ(std::tie(tide.aM2, tide.aS2, tide.fS2), std::make_tuple(90.0, 12.345678, 0.98765));
  EXPECT_EQ(LocalFieldsOf(tide.angleDate), (CCivilTime{2024, 3, 31, 12, 0, 0}));
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
