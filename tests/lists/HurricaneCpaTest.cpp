// Closest point of approach of a storm along the rest of the route, and the
// track points of the storm advisory.
#include <gtest/gtest.h>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "fakes/Records.h"
#include "fakes/TestSupport.h"
#include "lists/HurricaneCpa.h"
#include "lists/HurricaneCpaTool.h"
#include "lists/StormAdvisory.h"

namespace marigold {
namespace {

// Waypoints as latitude, longitude, estimated time; all on or near 0°E.
CVoyage Route(std::initializer_list<std::initializer_list<double>> points) {
  CVoyage route;
  int n = 0;
  for (const auto& p : points)
    Placed(route.AddNew(), p.begin()[0], p.begin()[1], "WP" + std::to_string(++n))->SetTimeA(p.begin()[2]);
  return route;
}

// At 0°N 0°E on day 100 making 10 kts north.
CFixRecord Start(double groundspeed = 10) {
  CFixRecord s;
  Placed(&s, 0, 0)->SetTime(100);
  s.groundspeed = groundspeed;
  return s;
}

CHurricane Storm(double latitude, double longitude, double speed = 0) {
  CHurricane h;
  Placed(&h, latitude, longitude)->SetTime(100);
  h.speed = speed;
  return h;
}

TEST(HurricaneCpa, FirstLegClampsToTheNextWaypointAndToTheStartAndNeedsWay) {
  CVoyage route = Route({{-2, 0, 99}, {1, 0, 110}});  // the next waypoint is the last
  const CStormCpa ahead = CalculateCPA(Storm(3, 0), route, Start());
  ASSERT_TRUE(ahead.IsAvailable());
  EXPECT_NEAR(ahead.stormPosition.GetTimeA(), 100.25, 1e-9);  // 60 nM at 10 kts
  ExpectNear({ahead.distance, ahead.bearing}, {120, 0}, 1e-6);

  const CStormCpa astern = CalculateCPA(Storm(-1, 0), route, Start());
  EXPECT_EQ(astern.stormPosition.GetTimeA(), 100.0);
  const CStormCpaTexts texts = FormatStormCpa(astern);
  EXPECT_EQ(texts.time + "|" + texts.latitude + "|" + texts.distance + "|" + texts.bearing,
            "Sunday 09 Apr 00:00 UTC|1 : 0.00 S|    60.0 nM|180.0 deg");

  // Not available without way, or without a route.
  const CStormCpa stopped = CalculateCPA(Storm(3, 0), route, Start(0));
  EXPECT_TRUE(std::isnan(stopped.stormPosition.GetTimeA()));
  const CStormCpaTexts none = FormatStormCpa(stopped);
  for (const std::string& text : {none.time, none.latitude, none.longitude, none.distance, none.bearing})
    EXPECT_EQ(text, "NA");
  CVoyage empty;
  EXPECT_FALSE(CalculateCPA(Storm(3, 0), empty, Start()).IsAvailable());
}

TEST(HurricaneCpa, LaterLegRunsFromTheWaypointsEstimatedTimeAtTheStartsSpeed) {
  CVoyage route = Route({{-2, 0, 99}, {1, 0, 101}, {1, 2, 102}});
  route.GetTail()->keptGroundspeed = 20;  // not the speed used here
  const CStormCpa cpa = CalculateCPA(Storm(0.5, 1), route, Start());
  // Abeam about 60 nM into the eastbound leg, 30 nM north of the storm.
  EXPECT_NEAR(cpa.stormPosition.GetTimeA(), 101.25, 0.002);
  EXPECT_NEAR(cpa.distance, 30.0, 0.5);
  EXPECT_NEAR(cpa.bearing, 180.0, 1.0);
}

TEST(HurricaneCpa, EquallyCloseLaterLegDoesNotReplaceTheEarlierOne) {
  // A fix exactly at a waypoint: the first leg has no length and the next
  // leg leaves the storm astern, so both give the same point and distance.
  CVoyage route = Route({{-2, 0, 99}, {0, 0, 101}, {0, -2, 102}});
  const CStormCpa cpa = CalculateCPA(Storm(0, 1), route, Start());
  EXPECT_EQ(cpa.stormPosition.GetTimeA(), 100.0);
}

TEST(StormAdvisory, TrackOfWaypointsOrOfThirteenDeadReckonedPoints) {
  CVoyage route = Route({{-2, 0, 99}, {1, 0, 101}, {1, 2, 102}});
  const CHurricane storm = Storm(0, 5, 10);  // keeps pace 5° east of the ship
  const CStormAdvisory planned = ComputeStormAdvisory(storm, route, Start(), false);
  ASSERT_EQ(planned.track.size(), 3u);
  EXPECT_EQ(std::tuple(planned.track[1].ship.GetName(), planned.track[2].ship.GetTime()), std::tuple("WP2", 102.0));

  const CStormAdvisory kept = ComputeStormAdvisory(storm, route, Start(), true);
  ASSERT_EQ(kept.track.size(), 13u);
  const CStormTrackPoint& last = kept.track.back();
  EXPECT_TRUE(last.deadReckoned);
  ExpectNear({kept.track[1].ship.GetTime(), last.ship.GetTime()}, {100.25, 103}, 1e-12);
  ExpectNear({last.ship.GetLatitude(), last.storm.GetLatitude()}, {12, 12}, 1e-9);  // 72 hours at 10 kts
  EXPECT_NEAR(last.bearing, 90.0, 1.0);
}

// The dialog's start: the departure while the route is as opened from its
// file, else the latest fix; without a fix always the departure. A start
// that makes no way gives "NA" with the reason.
TEST(HurricaneCpaTool, StartPreselectionAndAStartWithoutWay) {
  CVoyage route = Route({{-2, 0, 99}, {1, 0, 110}});
  CHurricaneList storms;
  *storms.AddNew() = Storm(-1, 0);
  storms.GetTail()->SetName("Alma");
  *storms.AddNew() = Storm(3, 0);
  const CFixRecord fix = Start();
  const CFixRecord departure = Start(0);
  const struct {
    const CFixRecord* latestFix;
    bool openedFromFile;
    bool fromLatestFix;
  } kCases[] = {{&fix, true, false}, {&fix, false, true}, {nullptr, false, false}};
  for (const auto& c : kCases)
    EXPECT_EQ(CHurricaneCpaTool(storms, route, c.latestFix, departure, c.openedFromFile).View().fromLatestFix,
              c.fromLatestFix);

  CHurricaneCpaTool tool(storms, route, &fix, departure, false);
  EXPECT_EQ(tool.View().stormNames[0], "Alma");
  EXPECT_TRUE(tool.View().results.time.empty());  // nothing until "Calculate"
  tool.OnCalculate(1, true);
  EXPECT_EQ(tool.View().results.distance + "|" + tool.View().note, "   120.0 nM|");
  tool.OnCalculate(1, false);
  EXPECT_EQ(std::tuple(tool.View().results.time, tool.View().results.distance, tool.View().note),
            std::tuple(std::string("NA"), std::string("NA"), std::string(kCpaStartMakesNoWay)));
}

}  // namespace
}  // namespace marigold
