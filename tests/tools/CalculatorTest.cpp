// The "Navigation Calculator" (position B, course and distance, field
// checks) and the "Drift angle" ground vector.
#include <gtest/gtest.h>

#include <cmath>

#include "fakes/Fakes.h"
#include "tools/Calculator.h"
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
  CCalculatorFields f;
  f.course = 90;
  f.distance = 60;
  // 00°00'N 001°00'E, never 000°60'; 179°30'E comes out as 179°30'W, which
  // the fields accept.
  for (const auto& [from, to] : {std::pair{0.0, CPositionFields{0, 0, 0, 1, 0, 0}},
                                 std::pair{179.5, CPositionFields{0, 0, 0, 179, 30, 1}}}) {
    f.a = PositionFields(0, from);
    const auto b = CalculatePositionB(f);
    ASSERT_TRUE(b);
    ExpectPosition(*b, to);
    CCalculatorFields back = f;
    back.b = *b;
    for (int via : {kViaRhumbLine, kViaGreatCircle}) {
      back.via = via;
      const CCourseDistance cd = CalculateCourseDistance(back);
      EXPECT_NEAR(cd.course, 90, 1e-6) << from << " via " << via;
      EXPECT_NEAR(cd.distance, 60, 0.005) << from << " via " << via;
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
}

TEST(Calculator, OpensAtThePresentPositionWithinTheFieldRanges) {
  CPosition2 present;
  present.SetLatitude(-33.5);
  present.SetLongitude(200.25);  // the core keeps longitudes unreduced
  const CCalculatorFields f = OpenCalculator(present);
  ExpectPosition(f.a, {33, 30, 1, 159, 45, 1});
  EXPECT_EQ(f.b.latitudeHemisphere, -1);
  EXPECT_EQ(f.via, kViaRhumbLine);
  EXPECT_FALSE(ValidateCalculatorFields(f));
}

TEST(Calculator, FieldChecksRefuseBeforeAnyCalculation) {
  const auto refusal = [](void (*edit)(CCalculatorFields&)) {
    CCalculatorFields f;
    edit(f);
    return ValidateCalculatorFields(f).value_or(CCalculatorRefusal{ECalculatorField::Distance, "accepted"});
  };
  auto r = refusal([](CCalculatorFields& f) { f.a.latitudeMinutes = 60.5; });
  EXPECT_EQ(r.field, ECalculatorField::LatitudeMinutesA);
  EXPECT_EQ(r.message, "Please enter a number between 0.0 and 60.0.");
  r = refusal([](CCalculatorFields& f) { f.b.latitudeDegrees = 91; });
  EXPECT_EQ(r.field, ECalculatorField::LatitudeDegreesB);
  EXPECT_EQ(r.message, "Please enter an integer between 0 and 90.");
  r = refusal([](CCalculatorFields& f) { f.b = {90, 30, 0, 0, 0, 0}; });
  EXPECT_EQ(r.field, ECalculatorField::LatitudeMinutesB);
  EXPECT_EQ(r.message, "Please enter a number between 0.0 and 0.0.");
  r = refusal([](CCalculatorFields& f) { f.course = 360.5; });
  EXPECT_EQ(r.message, "Please enter a number between 0.0 and 360.0.");
  r = refusal([](CCalculatorFields& f) { f = {{90, 0, 1, 180, 0, 1}, {0, 60, 0, 0, 60, 0}, 0, 360, -5}; });
  EXPECT_EQ(r.message, "accepted");

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
  CDriftAngleFields f{0, 10, 90, 2};
  CalculateGroundVector(f);
  EXPECT_NEAR(f.groundCourse, 11.3, 0.1);
  EXPECT_NEAR(f.groundSpeed, 10.2, 0.01);
  EXPECT_EQ(f.steeredCourse, 0);
  EXPECT_EQ(f.logSpeed, 10);

  // 80 kts over the ground does not block the next "Calculate".
  f = {360, 60, 360, 20};
  CalculateGroundVector(f);
  EXPECT_NEAR(f.groundSpeed, 80, 1e-6);
  EXPECT_FALSE(ValidateDriftAngleFields(f));
  f.currentVelocity = 20.5;
  EXPECT_EQ(ValidateDriftAngleFields(f)->field, EDriftAngleField::CurrentVelocity);
}

TEST(DriftAngle, ActualCurrentComesFromTheWaypointAhead) {
  CFixRecord present;
  present.SetLatitude(45);
  present.SetLongitude(5.9);
  CScriptedPrompter prompter;
  CDriftAngleFields f{10, 10, 33, 1.5};
  CVoyage route;
  EXPECT_FALSE(TakePresentCurrent(FindPresentCurrent(route, present), f, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "No active voyage\nNo present current data available");
  EXPECT_EQ(f.currentDirection, 33);

  for (double lon : {4.0, 6.0, 8.0}) {
    CWaypoint* w = route.AddNew();
    w->SetLatitude(45);
    w->SetLongitude(lon);
    w->weather.currentSet = lon * 10;
    w->weather.currentRate = lon / 4;
  }
  EXPECT_TRUE(TakePresentCurrent(FindPresentCurrent(route, present), f, prompter));
  EXPECT_EQ(route.nextWaypointIndex, 1);
  EXPECT_EQ(f.currentDirection, 60);
  EXPECT_EQ(f.currentVelocity, 1.5);
}

}  // namespace
}  // namespace marigold
