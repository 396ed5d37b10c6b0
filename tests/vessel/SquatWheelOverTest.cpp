// The squat tool's running drafts and the wheel-over figures, from typed
// values and from the situation at a waypoint of the route.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/TestSupport.h"
#include "vessel/SquatTool.h"
#include "vessel/WheelOverTool.h"

namespace marigold {
namespace {

// A bar's text, position and maximum.
std::tuple<std::string, int, int> Bar(const CBarFigure& f) { return {f.text, f.position, f.maximum}; }

TEST(SquatTool, AtRestTheDraftsAreTheDepartureDrafts) {
  CSquatTool tool{CVessel2{}};
  tool.OnDraftForwardChanged(11.0);
  tool.OnDraftAftChanged(12.0);
  const CSquatView v = tool.View();
  EXPECT_EQ(std::tie(v.speedSlider.minimum, v.ocean, v.speed), std::make_tuple(-30, true, "0.0"));
  EXPECT_EQ(Bar(v.forward), std::make_tuple("11.0", 11, 17));
  EXPECT_EQ(Bar(v.aft), std::make_tuple("12.0", 12, 17));  // trunc(14.0) + 3
  EXPECT_DOUBLE_EQ(tool.Vessel().draftForward, 11.0);
}

TEST(SquatTool, ShallowWaterDoublesTheSquat) {
  // 12.75 / 12.85 m sink 0.190 m in the ocean at 10 knots, 0.380 m in shallow water.
  CSquatTool tool{CVessel2{}};
  tool.OnSpeedSliderReleased(-10);
  const CSquatView ocean = tool.View();
  EXPECT_EQ(std::tie(ocean.speed, ocean.aft.text, ocean.forward.text), std::make_tuple("10.0", "13.0", "12.9"));
  tool.OnWaterChosen(false);
  const CSquatView v = tool.View();
  EXPECT_EQ(std::tie(v.aft.text, v.forward.text, v.forward.position), std::make_tuple("13.2", "13.1", 13));
  EXPECT_DOUBLE_EQ(v.departureDraftAft, 12.85);

  CVessel2 noBeam;
  noBeam.breadth = 0;
  EXPECT_EQ(Bar(CSquatTool(noBeam).View().aft), std::make_tuple("NA", 0, 17));
}

TEST(WheelOver, CourseChangeAcrossNorthIsTheSmallAngle) {
  const CWheelOverFigures f = ComputeWheelOver({350, 12, 10, 0, 0}, 20);
  // No current: steered courses are the ground courses, log speeds the ground speed.
  ExpectAllNear({f.originalSteered, f.finalSteered, f.originalLogSpeed, f.finalLogSpeed, f.courseChange, f.duration},
                {350, 10, 12, 12, 20, 1.0}, 1e-6);
  const double half = 10 * 0.017452006980802792;
  const double distance = std::tan(half) * 0.95 * 12 / 20, radius = distance * std::tan(half);
  ExpectAllNear({f.wheelOverDistance, f.radius, f.crossTrackError},
                {distance, radius, distance / std::cos(half) - radius}, 1e-9);

  // A current setting north: steer south of east, straight against it after the turn.
  const CWheelOverFigures g = ComputeWheelOver({90, 12, 180, 0, 2}, 20);
  EXPECT_GT(g.originalSteered, 90);
  EXPECT_NEAR(g.finalLogSpeed, 14, 1e-6);
}

TEST(WheelOver, OpensAtTheNextWaypoint) {
  CVoyage voyage;
  for (int i = 0; i < 3; ++i) {
    CWaypoint* w = voyage.AddNew();
    w->SetName("WP" + std::to_string(i + 1));
    w->groundCourse = 45.0 + 80 * i;
    w->keptGroundspeed = 10.0 + i;
    w->weather.currentSet = 90.0 * i;
    w->weather.currentRate = 0.5 * i;
  }
  voyage.nextWaypointIndex = 1;
  CWheelOverTool tool(voyage);
  CWheelOverView v = tool.View();
  EXPECT_EQ(v.waypointNames, (std::vector<std::string>{"WP1", "WP2", "WP3"}));
  EXPECT_EQ(std::tie(v.selectedWaypoint, v.atWaypoint, v.rateOfTurn), std::make_tuple(1, true, "20.0"));
  ExpectAllNear({v.fields.originalCourse, v.fields.originalSpeed, v.fields.currentDirection, v.fields.currentSpeed,
                 v.fields.intendedCourse},
                {125, 11, 90, 0.5, 205}, 1e-12);
  EXPECT_NE(v.duration, "NA");

  tool.OnWaypointSelected(2);  // the last: no leg after it
  EXPECT_DOUBLE_EQ(tool.View().fields.intendedCourse, 0);

  // Typed values survive the radio buttons and a new selection in manual mode.
  tool.OnModeChosen(false);
  tool.OnFieldsEdited({350, 12, 10, 0, 0});
  tool.OnWaypointSelected(0);
  tool.OnModeChosen(true);
  v = tool.View();
  EXPECT_EQ(std::tie(v.originalSteered, v.finalLogSpeed, v.duration),
            std::make_tuple("350.0 deg", "12.0 kts", " 1.0 min"));

  tool.OnRateSliderReleased(40);  // rate 0
  v = tool.View();
  EXPECT_EQ(v.rateOfTurn, "0.0");
  for (const std::string* s : {&v.duration, &v.wheelOverDistance, &v.radius, &v.crossTrackError})
    EXPECT_EQ(*s, "NA");
  EXPECT_EQ(v.originalSteered, "350.0 deg");
}

TEST(WheelOver, FewerThanTwoWaypointsOpensManually) {
  CVoyage voyage;
  voyage.AddNew()->SetName("Only");
  const CWheelOverView v = CWheelOverTool(voyage).View();
  EXPECT_EQ(std::tie(v.atWaypoint, v.selectedWaypoint, v.waypointNames),
            std::make_tuple(false, -1, std::vector<std::string>{"Only"}));
}

}  // namespace
}  // namespace marigold
