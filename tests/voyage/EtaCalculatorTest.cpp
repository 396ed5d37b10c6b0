// "Calculate ETA": arrival and fuel at a given rpm or groundspeed, the start
// it computes from, and setting the schedule's arrival from it.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "voyage/EtaCalculator.h"

namespace marigold {
namespace {

// 2024-03-10 08:00 UTC: clear of the daylight-saving changes.
const double kDeparture = DayNumberOf({2024, 3, 10, 8, 0, 0});

// 120 nM east along the equator to a destination at UTC+2; the latest fix
// 24 nM before it; both heading east.
struct CEtaScene {
  CVoyage route;
  CVessel2 vessel;
  CFixRecord departure;
  CFixRecord latest;

  CEtaScene() {
    for (int i = 0; i < 3; ++i) Placed(route.AddNew(), 0, i);
    route.GetTail()->SetUtcDifference(2);
    route.GetTail()->SetTimeB(kDeparture + 1);
    for (CFixRecord* f : {&departure, &latest}) {
      Placed(f, 0, 0)->SetTime(kDeparture);
      f->groundCourse = 90;
    }
    latest.SetLongitude(1.6);
  }
};

TEST(EtaCalculator, FromTheFirstWaypointWithoutCorrectionsHoursAreDistanceOverSpeed) {
  CEtaScene s;
  CEtaCalculator eta(s.route, s.vessel, &s.latest, s.departure, true);
  // Opened from file, at the vessel's engine setting.
  EXPECT_EQ(std::tuple(eta.Fields().fromLatestFix, eta.Fields().rpm), std::tuple(false, 63));
  CEtaFields c = eta.Fields();
  c.byGroundspeed = true;
  c.groundspeed = 12;
  c.correctForWeather = c.correctForReduceEngine = false;
  eta.OnFieldsChanged(c);
  EXPECT_NEAR(eta.Results().hours, 10.0, 1e-9);  // 120 nM at 12 knots
  // The rpm for 12 knots, truncated.
  EXPECT_EQ(std::tuple(eta.Fields().rpm, eta.Results().fuelText), std::tuple(156, "199.2 mT"));
  ASSERT_TRUE(eta.Results().eta);
  EXPECT_EQ(LocalFieldsOf(*eta.Results().eta), (CCivilTime{2024, 3, 10, 20, 0, 0}));  // 18:00 UTC at UTC+2

  CScriptedPrompter prompter;
  prompter.answers = {false, true};
  EXPECT_FALSE(eta.OnSetEta(prompter));
  EXPECT_EQ(s.route.GetTail()->GetTimeB(), kDeparture + 1);
  EXPECT_TRUE(eta.OnSetEta(prompter));
  EXPECT_NEAR(s.route.GetTail()->GetTimeB(), kDeparture + 10.0 / 24, 1e-9);  // back in UTC
  EXPECT_EQ(prompter.questions.back(), "Change ETA of present schedule?");

  // From the latest fix at 80 rpm, reducing the engine for the last miles.
  c.fromLatestFix = true;
  c.byGroundspeed = false;
  c.rpm = 80;
  c.correctForReduceEngine = true;
  eta.OnFieldsChanged(c);
  EXPECT_EQ(eta.Results().groundspeedText + "|" + eta.Results().fuelText, "20.5|  3.9 mT");
  EXPECT_NEAR(eta.Results().hours, 1.4420912447257384, 1e-9);  // 24 nM to go
}

TEST(EtaCalculator, NoWayOrNoVoyageGivesNoFigures) {
  CEtaScene s;
  CEtaCalculator eta(s.route, s.vessel, &s.latest, s.departure, false);
  CEtaFields c = eta.Fields();
  c.byGroundspeed = true;
  c.groundspeed = 0;
  eta.OnFieldsChanged(c);
  EXPECT_EQ(eta.Results().fuelText, "NA");
  CScriptedPrompter prompter;
  prompter.answers = {true};
  EXPECT_FALSE(eta.OnSetEta(prompter));
  EXPECT_TRUE(prompter.questions.empty());  // nothing to set, nothing asked

  CVoyage one;
  one.AddNew();
  EXPECT_FALSE(CanCalculateEta(one, prompter));
  EXPECT_EQ(Said(prompter), std::vector<std::string>{"No valid voyage loaded\nCan not calculate ETA"});
}

// Today's fix is later than the scheduled arrival: no hours are left, and
// the weather correction is weighed over the miles still to sail.
TEST(EtaCalculator, ALateShipStillGetsAnEtaWithTheWeatherCorrection) {
  CEtaScene s;
  for (CWaypoint* w : {s.route.GetAt(1), s.route.GetTail()}) {
    w->legDistance = 60;
    w->keptGroundspeed = 12;
  }
  s.route.GetAt(1)->resistanceIndex = 0.3;
  s.route.GetTail()->resistanceIndex = 0.1;  // the only leg to go from the fix
  s.latest.SetTime(kDeparture + 2);
  CEtaCalculator eta(s.route, s.vessel, &s.latest, s.departure, false);
  CEtaFields c = eta.Fields();
  c.correctForReduceEngine = false;
  eta.OnFieldsChanged(c);
  EXPECT_DOUBLE_EQ(eta.Results().groundspeed, s.vessel.SpeedThroughWater(63, 0.1));
  EXPECT_NEAR(eta.Results().hours, 24 / eta.Results().groundspeed, 1e-9);
  EXPECT_NE(eta.Results().fuelText, "NA");
  ASSERT_TRUE(eta.Results().eta);

  // From the first waypoint both legs count, each by its 60 nM.
  c.fromLatestFix = false;
  s.departure.SetTime(kDeparture + 2);
  eta.OnFieldsChanged(c);
  EXPECT_DOUBLE_EQ(eta.Results().groundspeed, s.vessel.SpeedThroughWater(63, 0.2));
}

}  // namespace
}  // namespace marigold
