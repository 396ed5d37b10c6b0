// Position fixes: new fixes, course and speed made good, log distance,
// processing and the clean-up of old fixes.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "fakes/Records.h"
#include "voyage/FixHistory.h"

namespace marigold {
namespace {

constexpr std::time_t kNow = 1709649000;  // 2024-03-05 14:30:00 UTC
constexpr double kDay = 100;              // the fixes' day, 2000-04-09

TEST(FixHistoryNewFix, TakesUtcNowAndDeadReckonsFromTheLatestFix) {
  const CFixedClock clock(kNow);
  CFixList fixes;
  CFixRecord* first = NewFix(fixes, clock);
  EXPECT_EQ(std::tuple(first->GetName(), first->GetTime()),
            std::tuple("Latest Position Fix", DayNumberOf({2024, 3, 5, 14, 30, 0})));

  first->SetLatitude(50);
  first->SetUtcDifference(1);
  first->SetTime(first->GetTime() - 1.0 / 24);
  first->logSpeed = 12;
  first->gyroCourse = 0;
  CVessel2 vessel;
  vessel.propellerPitch = 0;  // the model gives no speed
  const CFixRecord* second = NewFixFromVessel(fixes, vessel, clock);
  EXPECT_EQ(fixes.GetTail(), second);
  EXPECT_NEAR(second->GetLatitude(), 50.2, 1e-9);  // 12 nM north in the hour
  EXPECT_EQ(std::tuple(second->GetUtcDifference(), second->engineRpm, second->logSpeed),
            std::tuple(1.0, vessel.engineSetting, 0.0));
}

TEST(FixHistoryGroundTrack, SpeedsFromFortyKnotsAndNonLaterTimesAreRefused) {
  CScriptedPrompter prompter;
  CFixList fixes;
  CFixRecord* head = AddFix(fixes, 50, kDay, 0);
  EXPECT_FALSE(GroundTrack(fixes, *head, prompter));

  CFixRecord* fast = AddFix(fixes, 50.75, kDay, 1);  // 45 nM in an hour
  EXPECT_TRUE(GroundTrack(fixes, *fast, prompter) && fast->groundspeed == 0);
  fast->SetLatitude(50.5);  // 30 knots
  EXPECT_TRUE(GroundTrack(fixes, *fast, prompter));
  EXPECT_NEAR(fast->groundspeed, 30, 1e-6);
  EXPECT_FALSE(GroundTrack(fixes, *head, prompter));  // still nothing before it

  for (const double hour : {0.0, -1.0}) {
    CFixRecord* early = AddFix(fixes, 50.6, kDay, hour);
    EXPECT_TRUE(GroundTrack(fixes, *early, prompter) && early->groundspeed == 0) << hour;
    fixes.Remove(early);
  }
  const std::string notLater = std::string("Exclamation: ") + kFixNotLater;
  EXPECT_EQ(Said(prompter),
            (std::vector<std::string>{"Exclamation: Groundspeed exceeding 40 kts\nCourse and speed not updated",
                                      notLater, notLater}));
}

TEST(FixHistoryLogDistance, CounterGoesRoundModuloOneHundred) {
  CFixList fixes;
  const CFixRecord* a = AddFix(fixes, 0, kDay, 0, 95.0);
  CFixRecord* b = AddFix(fixes, 0, kDay, 1, 3.0);
  for (const auto& [latitude, distance] : {std::pair(8.0, 8.0), std::pair(-150.0, 108.0), std::pair(108.0, 8.0)}) {
    b->SetLatitude(latitude / 60);
    EXPECT_NEAR(LogDistance(*a, *b), distance, 1e-9) << latitude;
  }

  // Damaged figures must not keep adding hundreds for ever.
  b->logReading = -std::numeric_limits<double>::infinity();
  EXPECT_TRUE(std::isnan(LogDistance(*a, *b)));
  b->logReading = 3.0;
  Placed(b, 0, 1e12);
  EXPECT_GT(LogDistance(*a, *b), 1e12);
}

class FixHistoryProcess : public ::testing::Test {
 protected:
  CFixRecord* Entered(double latitude, double hour, double rpm) {
    CFixRecord* fix = AddFix(fixes, latitude, kDay, hour);
    fix->engineRpm = rpm;
    fix->gyroCourse = 10;
    fix->weather.currentRate = 4;
    return fix;
  }

  CFixedClock clock{kNow};
  CScriptedPrompter prompter;
  CFixList fixes;
  CVessel2 vessel;
  CMeteoList meteo;
};

TEST_F(FixHistoryProcess, TheFirstFixIsOnlyNamed) {
  CFixRecord* fix = Entered(50, 12, 90);
  fix->SetUtcDifference(-3);
  ProcessFix(*fix, fixes, vessel, meteo, prompter, clock);
  EXPECT_EQ(fix->GetName(), "PositionFix 09 Apr 09:00 LT");  // day 100 is 2000-04-09
  EXPECT_EQ(std::tuple(fix->weather.currentRate, vessel.engineSetting, meteo.IsEmpty(), prompter.messages.empty()),
            std::tuple(4.0, CVessel2().engineSetting, true, true));
}

TEST_F(FixHistoryProcess, CurrentOverHalfAnHourIsRefused) {
  Entered(50, 0, 90);
  CFixRecord* fix = Entered(50.1, 0.5, vessel.faRpm + 1.0);
  fix->weather.currentSet = 123;
  ProcessFix(*fix, fixes, vessel, meteo, prompter, clock);
  EXPECT_NEAR(fix->groundspeed, 12, 1e-6);
  EXPECT_EQ(std::tuple(vessel.engineSetting, vessel.steeredCourse), std::tuple(vessel.faRpm + 1.0, 10.0));
  EXPECT_EQ(Said(prompter), std::vector<std::string>{"Information: Time interval too short\nor calculated current "
                                                     "too high\nAverage data will not be updated"});
  EXPECT_EQ(std::tuple(fix->weather.currentSet, fix->weather.currentRate, meteo.GetCount()), std::tuple(0.0, 0.0, 1));

  // At manoeuvring rpm no current is derived and nothing is said.
  prompter.messages.clear();
  CFixRecord* slow = Entered(50.2, 1, vessel.faRpm);
  ProcessFix(*slow, fixes, vessel, meteo, prompter, clock);
  EXPECT_TRUE(prompter.messages.empty() && slow->weather.currentRate == 4);
}

TEST(FixHistoryRemoveOld, CountsFromTheLatestFixAndKeepsItsTime) {
  CFixList fixes;
  for (const double day : {10.0, 12.0, 13.0, 15.0, 15.0}) AddFix(fixes, 50, kDay + day, 0);
  EXPECT_EQ(RemoveOldFixes(fixes, 2), 2);   // 10 and 12
  EXPECT_EQ(RemoveOldFixes(fixes, -5), 1);  // as 0: 13 goes, both at 15 stay
  EXPECT_EQ(fixes.GetCount(), 2);
  EXPECT_EQ(RemoveOldFixes(fixes, 0), 0);
}

// A recorded track goes in by time, named in the latest fix's local time
// (UTC -3); points at the time of a fix already there (to the second) are
// left out, within the track too.
TEST(FixHistoryMergeTrack, InTimeOrderWithoutDoublesAndWithCourseMadeGood) {
  CFixList fixes;
  AddFix(fixes, 50.0, kDay, 0)->SetName("Noon");
  CFixRecord* later = AddFix(fixes, 50.2, kDay, 2);
  later->SetName("Two");
  later->SetUtcDifference(-3);
  std::vector<CFixRecord> track;
  for (const auto& [latitude, hour] : {std::pair(50.3, 3.0), std::pair(50.05, 0.3 / 3600), std::pair(50.1, 1.0),
                                       std::pair(50.11, 1.0), std::pair(49.9, -1.0)}) {
    CFixRecord& point = track.emplace_back();
    point.SetLatitude(latitude);
    point.SetLongitude(0);
    point.SetTime(kDay + hour / 24);
  }
  EXPECT_EQ(MergeTrack(fixes, track), 3);
  EXPECT_EQ(NamesOf(fixes),
            (std::vector<std::string>{"PositionFix 08 Apr 20:00 LT", "Noon", "PositionFix 08 Apr 22:00 LT", "Two",
                                      "PositionFix 09 Apr 00:00 LT"}));
  std::vector<double> speeds;
  for (int i = 0; i < fixes.GetCount(); ++i) speeds.push_back(fixes.GetAt(i)->groundspeed);
  ExpectNear(speeds, {0, 0, 6, 0, 6}, 1e-6);
  EXPECT_EQ(fixes.GetAt(2)->GetUtcDifference(), -3);
  EXPECT_EQ(MergeTrack(fixes, track), 0);
  EXPECT_EQ(fixes.GetCount(), 5);
}

}  // namespace
}  // namespace marigold
