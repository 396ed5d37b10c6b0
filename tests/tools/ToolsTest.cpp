// The "Navigation Calculator" (position B, course and distance, field
// checks), the "Drift angle" ground vector and the "Metric Conversions".
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "fakes/TestSupport.h"
#include "tools/Calculator.h"
#include "tools/Conversions.h"
#include "tools/DriftAngle.h"

namespace marigold {
namespace {

void ExpectPosition(const CPositionFields& got, const CPositionFields& want) {
  EXPECT_EQ(got.latitudeDegrees, want.latitudeDegrees);
  // Dead reckoning due east or west is good to some 0.001' per 60 nM.
  EXPECT_NEAR(got.latitudeMinutes, want.latitudeMinutes, 0.005);
  EXPECT_EQ(got.latitudeHemisphere, want.latitudeHemisphere);
  EXPECT_EQ(got.longitudeDegrees, want.longitudeDegrees);
  EXPECT_NEAR(got.longitudeMinutes, want.longitudeMinutes, 0.005);
  EXPECT_EQ(got.longitudeHemisphere, want.longitudeHemisphere);
}

TEST(Calculator, SixtyMilesEastAndBackAlsoAcrossTheDateLine) {
  // 00°00'N 001°00'E, never 000°60'; 179°30'E comes out as 179°30'W, which
  // the fields accept.
  for (const auto& [from, to] : {std::pair{0.0, CPositionFields{0, 0, 0, 1, 0, 0}},
                                 std::pair{179.5, CPositionFields{0, 0, 0, 179, 30, 1}}}) {
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
  EXPECT_FALSE(tool.View().positionBAvailable);
  EXPECT_EQ(tool.View().fields.b.latitudeDegrees, 10);
  tool.OnCourseDistance(f);
  EXPECT_TRUE(tool.View().positionBAvailable);
}

TEST(Calculator, OpensAtThePresentPositionWithinTheFieldRanges) {
  // The core keeps longitudes unreduced.
  const CCalculatorFields f = CCalculatorTool(At(-33.5, 200.25)).View().fields;
  ExpectPosition(f.a, {33, 30, 1, 159, 45, 1});
  EXPECT_EQ(f.b.latitudeHemisphere, -1);
  EXPECT_EQ(f.via, kViaRhumbLine);
  EXPECT_EQ(RefusalText(Validate(f)), "accepted");
}

TEST(Calculator, FieldChecksRefuseBeforeAnyCalculation) {
  struct CCase {
    void (*edit)(CCalculatorFields&);
    const char* verdict;
  };
  const CCase cases[] = {
      {[](CCalculatorFields& f) { f = {{90, 0, 1, 180, 0, 1}, {0, 60, 0, 0, 60, 0}, 0, 360, -5}; }, "accepted"},
      {[](CCalculatorFields& f) { f.a.latitudeMinutes = 60.5, f.course = 400; },
       "aLatitudeMinutes: Please enter a number between 0.0 and 60.0."},
      {[](CCalculatorFields& f) { f.a.longitudeDegrees = 181; },
       "aLongitudeDegrees: Please enter an integer between 0 and 180."},
      {[](CCalculatorFields& f) { f.b.latitudeDegrees = 91; },
       "bLatitudeDegrees: Please enter an integer between 0 and 90."},
      {[](CCalculatorFields& f) { f.b = {90, 30, 0, 0, 0, 0}; },
       "bLatitudeMinutes: Please enter a number between 0.0 and 0.0."},
      {[](CCalculatorFields& f) { f.b.longitudeMinutes = -0.5; },
       "bLongitudeMinutes: Please enter a number between 0.0 and 60.0."},
      {[](CCalculatorFields& f) { f.course = 360.5; }, "course: Please enter a number between 0.0 and 360.0."},
      {[](CCalculatorFields& f) { f.distance = std::nan(""); }, "distance: Please enter a number."},
      {[](CCalculatorFields& f) { f.distance = HUGE_VAL; }, "distance: Please enter a number."},
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
  EXPECT_EQ(Convert("Meters to fathoms", 1), 0.5468066491688539);
  EXPECT_EQ(Convert("Fathom to meters", 10), 18.288);
  EXPECT_EQ(Convert("Degrees Fahrenheit to Celcius", 212), 100);
  EXPECT_EQ(Convert("Degrees Celcius to fahrenheit", 100), 212);
  EXPECT_EQ(Convert("Knots to m/sec", 10), 5.144444444444445);
  EXPECT_EQ(Convert("Meters per second to kts", 1), 1.9438444924406046);
  EXPECT_FALSE(Convert("Meters to Fathoms", 1));  // names are exact

  EXPECT_EQ(ConversionResultText(*Convert(1, 1)), "0.5468066491688539");
  EXPECT_EQ(ConversionResultText(*Convert(10, 212)), "100");
  EXPECT_EQ(ConversionResultText(*Convert(4, 1e306)), "NA");
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
  EXPECT_EQ(tool.View().result, 9.26);
  EXPECT_EQ(tool.View().fields.value, 7);
  EXPECT_FALSE(Convert(16, 1));
}

TEST(Conversions, ValueMustBeAFiniteNumber) {
  EXPECT_EQ(ParseConversionValue("  -3e2 "), -300);
  EXPECT_EQ(ParseConversionValue("+4"), 4);
  for (const char* bad : {"", "abc", "12abc", "1,5", "+-5", "1e400", "inf", "nan"})
    EXPECT_FALSE(ParseConversionValue(bad)) << bad;
}

}  // namespace
}  // namespace marigold
