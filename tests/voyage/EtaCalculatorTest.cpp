// "Calculate ETA": arrival and fuel at a given rpm or groundspeed, the start
// it computes from, and setting the schedule's arrival from it.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "fakes/Fakes.h"
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
    for (int i = 0; i < 3; ++i) {
      CWaypoint* w = route.AddNew();
      w->SetLatitude(0);
      w->SetLongitude(i);
    }
    route.GetTail()->SetUtcDifference(2);
    route.GetTail()->SetTimeB(kDeparture + 1);
    for (CFixRecord* f : {&departure, &latest}) {
      f->SetLatitude(0);
      f->SetLongitude(0);
      f->groundCourse = 90;
      f->SetTime(kDeparture);
    }
    latest.SetLongitude(1.6);
  }
};

TEST(EtaCalculator, FromTheFirstWaypointWithoutCorrectionsHoursAreDistanceOverSpeed) {
  CEtaScene s;
  CEtaCalculator eta(s.route, s.vessel, &s.latest, s.departure, true);
  EXPECT_FALSE(eta.Fields().fromLatestFix);  // opened from file
  EXPECT_EQ(eta.Fields().rpm, 63);           // the vessel's engine setting
  CEtaFields c = eta.Fields();
  c.byGroundspeed = true;
  c.groundspeed = 12;
  c.correctForWeather = c.correctForReduceEngine = false;
  eta.OnFieldsChanged(c);
  EXPECT_NEAR(eta.Results().hours, 10.0, 1e-9);  // 120 nM at 12 knots
  EXPECT_EQ(eta.Fields().rpm, 156);             // for 12 knots, truncated
  EXPECT_EQ(eta.Results().fuelText, "199.2 mT");
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
  EXPECT_EQ(eta.Results().groundspeedText, "20.5");
  EXPECT_NEAR(eta.Results().hours, 1.4420912447257384, 1e-9);  // 24 nM to go
  EXPECT_EQ(eta.Results().fuelText, "  3.9 mT");
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
  EXPECT_FALSE(eta.OnSetEta(prompter));  // nothing to set, nothing asked
  EXPECT_TRUE(prompter.questions.empty());

  CVoyage one;
  one.AddNew();
  EXPECT_FALSE(CanCalculateEta(one, prompter));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "No valid voyage loaded\nCan not calculate ETA");
  EXPECT_EQ(prompter.messages[0].icon, EMessageIcon::None);
}

}  // namespace
}  // namespace marigold
