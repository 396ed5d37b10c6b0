// The route: its archive form in both document versions, the next waypoint,
// distances and times over the legs, and reversing a harbour traject.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <string_view>
#include <tuple>

#include "core/Archive.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/Voyage.h"
#include "fakes/RecordBytes.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

// Version 4, "V12", keep speed constant, one waypoint, notes "Hi".
const std::string kVersion4 =
    "04 00 00 00  03 56 31 32  00 00 00 00  01 00 00 00 " + bytes::kDefaultWaypoint + "02 48 69";
// Version 3: "V12", keep rpm constant, no waypoints; no version, no notes.
const std::string kVersion3 = "03 56 31 32  01 00 00 00  00 00 00 00";

CWaypoint* AddAt(CVoyage& v, double lat, double lon, const char* name = "W") {
  CWaypoint* w = v.AddNew();
  w->SetLatitude(lat);
  w->SetLongitude(lon);
  w->SetName(name);
  return w;
}

CFixRecord Ship(double lat, double lon, double groundCourse) {
  CFixRecord f;
  f.SetLatitude(lat);
  f.SetLongitude(lon);
  f.groundCourse = groundCourse;
  return f;
}

TEST(VoyageArchive, Version4ByteForByte) {
  CVoyage v;
  v.voyageNumber = "V12";
  v.keepRpmConstant = false;
  v.notes = "Hi";
  v.AddNew();
  EXPECT_EQ(Store(v), Hex(kVersion4));

  CVoyage loaded;
  AddAt(loaded, 1, 1);
  AddAt(loaded, 2, 2);
  Load(loaded, Hex(kVersion4));
  EXPECT_EQ(std::tie(loaded.version, loaded.voyageNumber, loaded.keepRpmConstant, loaded.notes),
            std::make_tuple(4, "V12", false, "Hi"));
  EXPECT_EQ(NamesOf(loaded), std::vector<std::string>{"New Position"});
  EXPECT_TRUE(loaded.GetHead()->useAverageWeather);
}

TEST(VoyageArchive, Version3HasNeitherVersionNorNotes) {
  CVoyage v;
  v.version = 3;
  v.voyageNumber = "V12";
  v.notes = "not in this format";
  EXPECT_EQ(Store(v), Hex(kVersion3));

  CVoyage loaded;
  loaded.version = 3;
  loaded.keepRpmConstant = false;
  Load(loaded, Hex(kVersion3));
  EXPECT_EQ(std::tie(loaded.version, loaded.voyageNumber, loaded.keepRpmConstant), std::make_tuple(3, "V12", true));
  EXPECT_EQ(loaded.GetCount(), 0);

  // A reader expecting version 4 that finds 3 in the file reads no notes.
  CVoyage old;
  Load(old, Hex("03 00 00 00  00  01 00 00 00  00 00 00 00"));
  EXPECT_EQ(old.version, 3);
}

TEST(VoyageArchive, DamagedBytesLeaveTheVoyageAsItWas) {
  const CBytes good = Hex(kVersion4);
  const CBytes damaged[] = {CBytes(good.begin(), good.end() - 1), CBytes(good.begin(), good.begin() + 40),
                            Hex("04 00 00 00  00  01 00 00 00  ff ff ff 7f  00 00 00 00 00 00 00 00 00 00")};
  for (const CBytes& bytes : damaged) {
    CVoyage v;
    v.voyageNumber = "Old";
    v.notes = "old notes";
    v.keepRpmConstant = false;
    CWaypoint* w = AddAt(v, 10, 10, "Kept");
    ExpectLoadFails(v, bytes);
    EXPECT_EQ(std::tie(v.voyageNumber, v.notes, v.keepRpmConstant), std::make_tuple("Old", "old notes", false));
    ASSERT_EQ(v.GetCount(), 1);
    EXPECT_EQ(v.GetHead(), w);
  }
}

// Waypoints one degree apart on the equator, all with ground course 90.
class VoyageNext : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 4; ++i) AddAt(route, 0, i)->groundCourse = 90;
  }
  CVoyage route;
};

TEST_F(VoyageNext, BehindWhenTheCourseToItRunsAgainstTheCourseMadeGood) {
  // The ship is just past waypoint 1, which bears 270 from it: courses made
  // good from 0 to 180 leave it behind. The waypoints' stored ground courses
  // (90, as a schedule from an earlier start left them) play no part.
  const struct {
    double courseMadeGood;
    int expected;
  } cases[] = {{90, 2}, {179, 2}, {181, 1}, {270, 1}, {350, 1}, {10, 2}};
  for (const auto& c : cases) {
    EXPECT_EQ(route.NextWaypoint(Ship(0, 1.1, c.courseMadeGood)), route.GetAt(c.expected)) << c.courseMadeGood;
    EXPECT_EQ(route.nextWaypointIndex, c.expected);
    EXPECT_EQ(route.GetNextWaypoint(), route.GetAt(c.expected));
  }
}

TEST_F(VoyageNext, LastWaypointStaysNextAndEmptyRouteHasNone) {
  EXPECT_EQ(route.NextWaypoint(Ship(0, 3.2, 270)), route.GetTail());
  EXPECT_EQ(route.nextWaypointIndex, 3);
  CVoyage empty;
  EXPECT_EQ(empty.NextWaypoint(Ship(0, 0, 0)), nullptr);
  EXPECT_EQ(empty.DistanceToGo(Ship(0, 0, 0)), 0);
}

TEST_F(VoyageNext, DistanceToGoFromTheNextWaypointOn) {
  // Nearest is waypoint 1, but it lies behind: 0.6 + 1 degree to go.
  EXPECT_NEAR(route.DistanceToGo(Ship(0, 1.4, 90)), 96, 1e-6);
  EXPECT_EQ(route.nextWaypointIndex, 2);
}

// Along the 50th parallel a rhumb line and a great circle differ by ~60 nM
// over 60 degrees of longitude, so each leg shows which flag it took.
TEST(VoyageLegs, EachLegSailsByTheFlagOfItsEndWaypoint) {
  const CNavigation nav;
  CVoyage v;
  CWaypoint* a = AddAt(v, 50, 0);
  CWaypoint* b = AddAt(v, 50, 60);
  CWaypoint* c = AddAt(v, 50, 120);
  // Taking the flag of the leg's start would give two great circles.
  a->greatCircle = true;
  b->greatCircle = true;
  c->greatCircle = false;
  const double gc = nav.Distance(*a, *b, true);
  const double rhumb = 60 * 60 * std::cos(50 * CNavigation::pi / 180);
  ASSERT_GT(rhumb - gc, 50);
  EXPECT_NEAR(nav.Distance(*b, *c, false), rhumb, 1e-6);
  EXPECT_NEAR(v.TotalDistance(), gc + rhumb, 1e-6);

  // One degree west of A, on A's leg course: A is next, reached by A's method.
  const CFixRecord ship = Ship(50, -1, 0);
  EXPECT_NEAR(v.DistanceToGo(ship), nav.Distance(ship, *a, true) + gc + rhumb, 1e-6);
  a->greatCircle = false;
  EXPECT_NEAR(v.DistanceToGo(ship), rhumb / 60 + gc + rhumb, 1e-6);
}

TEST(VoyageLegs, SingleWaypointRoute) {
  CVoyage v;
  CWaypoint* w = AddAt(v, 0, 2);
  w->SetTimeA(10);
  w->SetTimeB(12);
  EXPECT_EQ(std::pair(v.TotalDistance(), v.TotalDuration()), std::pair(0.0, 0.0));
  EXPECT_NEAR(v.DistanceToGo(Ship(0, 0, 270)), 120, 1e-6);
}

TEST(VoyageLegs, TotalDurationFromFirstEstimateToLastSchedule) {
  CVoyage v;
  CWaypoint* first = AddAt(v, 0, 0);
  CWaypoint* middle = AddAt(v, 0, 1);
  CWaypoint* last = AddAt(v, 0, 2);
  first->SetTimeA(10.0);
  first->SetTimeB(9.0);
  middle->SetTimeB(30.0);
  last->SetTimeA(20.0);
  last->SetTimeB(12.5);
  EXPECT_DOUBLE_EQ(v.TotalDuration(), 60.0);
}

TEST(VoyageLegs, ArrivalInLocalTimeOfTheLastWaypoint) {
  CVoyage v;
  const CFixedClock clock(1070627400);
  EXPECT_EQ(v.GetArrival(clock), 1070627400);

  AddAt(v, 0, 0);
  CWaypoint* last = AddAt(v, 10, -75);
  last->SetUtcDifference(-5);
  const std::time_t arrival = 1089000000;  // early July, daylight saving in the CET run
  v.SetArrival(arrival);
  EXPECT_EQ(v.GetArrival(clock), arrival);
  EXPECT_NEAR(last->GetTimeB(), ToDayNumber(arrival) + 5.0 / 24, 1e-9);
  EXPECT_EQ(v.GetHead()->GetTimeB(), 0);
}

class VoyageReverseTraject : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 1; i <= 5; ++i) {
      CWaypoint* w = AddAt(inbound, 50 + i, -i, ("In" + std::to_string(i)).c_str());
      w->SetUtcDifference(1.5);
      w->greatCircle = true;
      w->keepGroundspeed = true;
      w->keptGroundspeed = 7;
      w->useAverageWeather = false;
      w->weather.windSpeed = 30;
      w->SetTimeB(100 + i);
    }
  }
  CVoyage inbound;
  CVoyage outbound;
  CScriptedPrompter prompter;
  const std::vector<std::string> reversed{"In5", "In4", "In3", "In2", "In1"};
};

TEST_F(VoyageReverseTraject, CopiesNamePositionAndUtcDifferenceLastToFirst) {
  EXPECT_EQ(ReverseTraject(inbound, outbound, prompter), 5);
  EXPECT_TRUE(prompter.questions.empty());
  EXPECT_EQ(MessageTexts(prompter), std::vector<std::string>{"5 waypoints copied to outbound voyage"});
  EXPECT_EQ(inbound.GetCount(), 5);
  ASSERT_EQ(NamesOf(outbound), reversed);
  const CWaypoint fresh;
  for (int i = 0; i < 5; ++i) {
    const CWaypoint* from = inbound.GetAt(4 - i);
    const CWaypoint* to = outbound.GetAt(i);
    EXPECT_EQ(std::pair(to->GetLatitude(), to->GetLongitude()), std::pair(from->GetLatitude(), from->GetLongitude()));
    EXPECT_DOUBLE_EQ(to->GetUtcDifference(), 1.5);
    EXPECT_TRUE(!to->greatCircle && !to->keepGroundspeed && to->useAverageWeather);
    EXPECT_EQ(std::tie(to->keptGroundspeed, to->weather), std::tie(fresh.keptGroundspeed, fresh.weather));
    EXPECT_EQ(to->GetTimeB(), 0);
  }
}

TEST_F(VoyageReverseTraject, AsksBeforeReplacingAnOutboundTraject) {
  CWaypoint* old = AddAt(outbound, 1, 1, "Old");
  prompter.answers = {false};
  EXPECT_EQ(ReverseTraject(inbound, outbound, prompter), 0);
  EXPECT_EQ(prompter.questions, std::vector<std::string>{"There already is an outbound voyage defined\nReversing from "
                                                         "inbound will delete this route\nAre you sure?"});
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(std::pair(outbound.GetCount(), outbound.GetHead()), std::pair(1, old));

  prompter.answers = {true};
  EXPECT_EQ(ReverseTraject(inbound, outbound, prompter), 5);
  EXPECT_EQ(NamesOf(outbound), reversed);
}

TEST_F(VoyageReverseTraject, ReversesATrajectIntoItself) {
  prompter.answers = {true};
  EXPECT_EQ(ReverseTraject(inbound, inbound, prompter), 5);
  EXPECT_EQ(NamesOf(inbound), reversed);
}

TEST_F(VoyageReverseTraject, EmptyInboundChangesNothing) {
  CVoyage empty;
  EXPECT_EQ(ReverseTraject(empty, outbound, prompter), 0);
  EXPECT_EQ(outbound.GetCount(), 0);
  EXPECT_TRUE(prompter.messages.empty() && prompter.questions.empty());
}

}  // namespace
}  // namespace marigold
