// The squat tool's running drafts and the wheel-over figures, from typed
// values and from the situation at a waypoint of the route.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "vessel/SquatTool.h"
#include "vessel/WheelOverTool.h"

namespace marigold {
namespace {

TEST(SquatTool, AtRestTheDraftsAreTheDepartureDrafts) {
  CSquatTool tool{CVessel2{}};
  tool.OnDraftForwardChanged(11.0);
  tool.OnDraftAftChanged(12.0);
  const CSquatView v = tool.View();
  EXPECT_EQ(v.speedSlider.minimum, -30);
  EXPECT_TRUE(v.ocean);
  EXPECT_EQ(v.speed, "0.0");
  EXPECT_EQ(v.forward.text, "11.0");
  EXPECT_EQ(v.aft.text, "12.0");
  EXPECT_EQ(v.aft.position, 12);
  EXPECT_EQ(v.aft.maximum, 17);  // trunc(14.0) + 3
  EXPECT_DOUBLE_EQ(tool.Vessel().draftForward, 11.0);
}

TEST(SquatTool, ShallowWaterDoublesTheSquat) {
  // 12.75 / 12.85 m sink 0.190 m in the ocean at 10 knots, 0.380 m in shallow water.
  CSquatTool tool{CVessel2{}};
  tool.OnSpeedSliderReleased(-10);
  EXPECT_EQ(tool.View().speed, "10.0");
  EXPECT_EQ(tool.View().aft.text, "13.0");
  EXPECT_EQ(tool.View().forward.text, "12.9");
  tool.OnWaterChosen(false);
  const CSquatView v = tool.View();
  EXPECT_EQ(v.aft.text, "13.2");
  EXPECT_EQ(v.forward.text, "13.1");
  EXPECT_EQ(v.forward.position, 13);
  EXPECT_DOUBLE_EQ(v.departureDraftAft, 12.85);

  CVessel2 noBeam;
  noBeam.breadth = 0;
  EXPECT_EQ(CSquatTool(noBeam).View().aft.text, "NA");
  EXPECT_EQ(CSquatTool(noBeam).View().aft.position, 0);
}

TEST(WheelOver, CourseChangeAcrossNorthIsTheSmallAngle) {
  const CWheelOverFigures f = ComputeWheelOver({350, 12, 10, 0, 0}, 20);
  // No current: steered courses are the ground courses, log speeds the ground speed.
  EXPECT_NEAR(f.originalSteered, 350, 1e-6);
  EXPECT_NEAR(f.finalSteered, 10, 1e-6);
  EXPECT_NEAR(f.originalLogSpeed, 12, 1e-6);
  EXPECT_NEAR(f.finalLogSpeed, 12, 1e-6);
  EXPECT_NEAR(f.courseChange, 20, 1e-6);
  EXPECT_NEAR(f.duration, 1.0, 1e-6);
  const double half = 10 * 0.017452006980802792;
  EXPECT_NEAR(f.wheelOverDistance, std::tan(half) * 0.95 * 12 / 20, 1e-9);
  EXPECT_NEAR(f.radius, f.wheelOverDistance * std::tan(half), 1e-9);
  EXPECT_NEAR(f.crossTrackError, f.wheelOverDistance / std::cos(half) - f.radius, 1e-9);

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
  EXPECT_EQ(v.selectedWaypoint, 1);
  EXPECT_TRUE(v.atWaypoint);
  EXPECT_DOUBLE_EQ(v.fields.originalCourse, 125);
  EXPECT_DOUBLE_EQ(v.fields.originalSpeed, 11);
  EXPECT_DOUBLE_EQ(v.fields.currentDirection, 90);
  EXPECT_DOUBLE_EQ(v.fields.currentSpeed, 0.5);
  EXPECT_DOUBLE_EQ(v.fields.intendedCourse, 205);
  EXPECT_EQ(v.rateOfTurn, "20.0");
  EXPECT_NE(v.duration, "NA");

  tool.OnWaypointSelected(2);  // the last: no leg after it
  EXPECT_DOUBLE_EQ(tool.View().fields.intendedCourse, 0);

  // Typed values survive the radio buttons and a new selection in manual mode.
  tool.OnModeChosen(false);
  tool.OnFieldsEdited({350, 12, 10, 0, 0});
  tool.OnWaypointSelected(0);
  tool.OnModeChosen(true);
  v = tool.View();
  EXPECT_EQ(v.originalSteered, "350.0 deg");
  EXPECT_EQ(v.finalLogSpeed, "12.0 kts");
  EXPECT_EQ(v.duration, " 1.0 min");

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
  EXPECT_FALSE(v.atWaypoint);
  EXPECT_EQ(v.selectedWaypoint, -1);
  EXPECT_EQ(v.waypointNames.size(), 1u);
}

}  // namespace
}  // namespace marigold
