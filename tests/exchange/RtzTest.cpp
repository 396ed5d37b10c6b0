// RTZ: the hand-written file of each version read with its defaults,
// extensions of other makers and the date line; .rtzp containers; every
// refusal with its line; what a written file says, and round trips.
#include <gtest/gtest.h>

#include <tuple>

#include "exchange/Rtz.h"
#include "fakes/RouteLegs.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

CReadResult<CImportedRoute> ReadText(std::string_view text) {
  return ReadRtz({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// The times a file can set: departure, estimated and scheduled time.
std::vector<std::tuple<double, double, double>> TimesOf(const std::vector<CWaypoint>& waypoints) {
  std::vector<std::tuple<double, double, double>> times;
  for (const CWaypoint& w : waypoints) times.emplace_back(w.GetTime(), w.GetTimeA(), w.GetTimeB());
  return times;
}

TEST(RtzRead, EachVersionWithDefaultsOtherMakersAndTheDateLine) {
  const struct {
    const char* file;
    const char* name;
    const char* voyage;
    std::vector<std::string> legs;
    std::vector<std::tuple<double, double, double>> times;
  } kCases[] = {
      // Ids out of order; the first waypoint's leg ignored; the default leg
      // fills what a leg lacks; the smaller cross-track limit; a schedule
      // speed kept where the leg has no limits; a time with its zone.
      {"route-1_0.rtz",
       "Yokohama - Honolulu",
       "PD-17E",
       {"Yokohama Pilot 35.3000 139.7500 RL", "Nojima Saki 34.8500 139.9500 RL pass 1.5 keep 12",
        "Dateline North 36.5000 179.5000 GC pass 1.5", "Kauai Channel 21.9500 201.1000 GC pass 0.8 keep 14.5",
        "Honolulu Pilot 21.2800 202.1200 RL pass 0.3"},
       {{Utc(2026, 3, 2, 6), Utc(2026, 3, 2, 6), Utc(2026, 3, 2, 6)},
        {0, Utc(2026, 3, 2, 7, 30), Utc(2026, 3, 2, 7, 30)},
        {0, 0, 0},
        {0, Utc(2026, 3, 13, 2), Utc(2026, 3, 13, 2)},
        {0, Utc(2026, 3, 13, 11), Utc(2026, 3, 13, 11)}}},
      // The calculated schedule over the manual one, etd over eta; a
      // schedule element of a waypoint not in the route; a speed range.
      {"route-1_1.rtz",
       "Auckland - Suva",
       "SC-204",
       {"Auckland Pilot -36.6000 174.9500 RL", "Cape Brett -35.1000 174.5000 RL pass 0.5 keep 13",
        "Minerva Reefs West -23.6000 180.7000 GC", "Kadavu Passage -18.9500 178.3500 RL keep 13",
        "Suva Pilot -18.1600 178.4200 RL keep 8"},
       {{Utc(2026, 5, 10, 20), Utc(2026, 5, 10, 20), Utc(2026, 5, 10, 20)},
        {0, 0, 0},
        {0, Utc(2026, 5, 13, 4), Utc(2026, 5, 13, 4)},
        {0, 0, 0},
        {0, Utc(2026, 5, 14, 6, 30), Utc(2026, 5, 14, 6, 30)}}},
      // A namespace prefix; no schedule.
      {"route-1_2.rtz",
       "Rotterdam - Felixstowe",
       "",
       {"Maas Center 52.0167 3.8833 RL", "Noord Hinder 51.6500 2.5667 RL pass 0.4",
        "Sunk Inner 51.8500 1.5833 GC keep 15"},
       {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.file);
    const CReadResult<CImportedRoute> route = ReadRtzFile(TestData(c.file));
    ASSERT_TRUE(route) << route.Refusal().Text();
    EXPECT_EQ(std::tuple(route->name, route->voyageNumber), std::tuple(c.name, c.voyage));
    EXPECT_EQ(LegTexts(route->waypoints), c.legs);
    EXPECT_EQ(TimesOf(route->waypoints), c.times);
  }
}

// The container holds an attachment named .rtz in a folder before the route
// at its top level.
TEST(RtzRead, ContainerGivesItsRouteAndLeavesTheAttachments) {
  const CReadResult<CImportedRoute> packed = ReadRtzFile(TestData("route.rtzp"));
  const CReadResult<CImportedRoute> plain = ReadRtzFile(TestData("route-1_1.rtz"));
  ASSERT_TRUE(packed) << packed.Refusal().Text();
  EXPECT_EQ(LegTexts(packed->waypoints), LegTexts(plain->waypoints));

  const CBytes container = FileBytes(TestData("route.rtzp"));
  const CBytes damaged(container.begin(), container.begin() + 40);
  CTempFolder folder("rtzp");
  PutFile(folder.File("damaged.rtzp"), damaged);
  EXPECT_EQ(ReadRtzFile(folder.File("damaged.rtzp")).Refusal().Text(),
            "not a readable .rtzp container: Not a zip archive");
  EXPECT_EQ(ReadRtzFile(folder.File("none.rtz")).Refusal().Text(),
            "cannot read " + folder.File("none.rtz") + ": the file is missing");
}

TEST(RtzRead, RefusesWhatIsNoRouteAndNamesTheLine) {
  const std::pair<const char*, const char*> kCases[] = {
      {"", "line 1: not XML: No document element found"},
      {"<route version=\"1.1\">\n<waypoints>\n</route>", "line 3: not XML: Start-end tags mismatch"},
      {"<?xml version=\"1.0\"?>\n<gpx version=\"1.1\"/>",
       "line 2: not an RTZ route: the file holds <gpx>, not <route>"},
      {"<route version=\"2.0\"/>", "line 1: RTZ version \"2.0\" is not one this program reads (1.0, 1.1, 1.2)"},
      {"<route version=\"1.1\">\n  <routeInfo routeName=\"r\"/>\n  <waypoints/>\n</route>",
       "line 3: the route has no waypoints"},
      {"<route version=\"1.1\"/>", "line 1: the route has no waypoints"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"1\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
       "<waypoint id=\"01\"><position lat=\"2\" lon=\"1\"/></waypoint>\n</waypoints></route>",
       "line 3: duplicate waypoint id 1"},
      {"<route version=\"1.0\"><waypoints>\n<waypoint name=\"A\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
       "</waypoints></route>",
       "line 2: waypoint without an id"},
      {"<route version=\"1.0\"><waypoints>\n<waypoint id=\"x1\"/>\n</waypoints></route>",
       "line 2: id \"x1\" is not a whole number"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"4\">\n</waypoint></waypoints></route>",
       "line 2: waypoint 4 has no position"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"4\">\n<position lat=\"91\" lon=\"1\"/></waypoint>\n"
       "</waypoints></route>",
       "line 3: lat 91 is out of range (-90 to 90)"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"4\">\n<position lat=\"1\" lon=\"-180.5\"/></waypoint>\n"
       "</waypoints></route>",
       "line 3: lon -180.5 is out of range (-180 to 180)"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"4\">\n<position lat=\"1\" lon=\"5,5\"/></waypoint>\n"
       "</waypoints></route>",
       "line 3: lon \"5,5\" is not a number"},
      {"<route version=\"1.1\"><waypoints>\n<defaultWaypoint>\n<leg geometryType=\"GreatCircle\"/>\n"
       "</defaultWaypoint>\n<waypoint id=\"1\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
       "<waypoint id=\"2\"><position lat=\"2\" lon=\"1\"/></waypoint>\n</waypoints></route>",
       "line 3: geometryType \"GreatCircle\" is neither Orthodrome nor Loxodrome"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"1\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
       "<waypoint id=\"2\"><position lat=\"2\" lon=\"1\"/>\n<leg speedMin=\"-3\"/></waypoint>\n</waypoints></route>",
       "line 4: speedMin -3 is out of range (0 or more)"},
      {"<route version=\"1.1\"><waypoints>\n<waypoint id=\"1\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
       "</waypoints><schedules><schedule id=\"1\"><calculated>\n<scheduleElement waypointId=\"1\" "
       "eta=\"2026-02-30T10:00:00Z\"/>\n</calculated></schedule></schedules></route>",
       "line 4: eta \"2026-02-30T10:00:00Z\" is not a UTC time (YYYY-MM-DDThh:mm:ssZ)"},
  };
  for (const auto& [text, refusal] : kCases) {
    SCOPED_TRACE(text);
    const CReadResult<CImportedRoute> route = ReadText(text);
    EXPECT_FALSE(route);
    EXPECT_EQ(route.Refusal().Text(), refusal);
  }
}

}  // namespace
}  // namespace marigold

namespace marigold {
namespace {

::testing::AssertionResult Holds(const std::string& text, const std::string& piece) {
  if (text.find(piece) != std::string::npos) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "no " << piece << " in\n" << text;
}

const CRouteIdentity kIdentity{"Crossing", "Pacific Dawn", "IMO 9321483", "V7"};

TEST(RtzWrite, EachVersionInItsOwnForm) {
  CVoyage route;
  AddCrossingRoute(route);
  const struct {
    ERtzVersion version;
    const char* root;
    const char* element;
  } kCases[] = {
      {ERtzVersion::V1_0, "<route xmlns=\"http://www.cirm.org/RTZ/1/0\" version=\"1.0\">", "<sheduleElement"},
      {ERtzVersion::V1_1, "<route xmlns=\"http://www.cirm.org/RTZ/1/1\" version=\"1.1\">", "<scheduleElement"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.root);
    const std::string text = WriteRtz(route, kIdentity, c.version);
    EXPECT_TRUE(Holds(text, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
    EXPECT_TRUE(Holds(text, c.root));
    EXPECT_TRUE(Holds(text,
                      "<routeInfo routeName=\"Crossing\" vesselName=\"Pacific Dawn\" vesselIMO=\"9321483\" "
                      "vesselVoyage=\"V7\" />"));
    // Reduced on the way out only; the first waypoint has no leg.
    EXPECT_TRUE(Holds(text,
                      "<waypoint id=\"1\" name=\"Start\">\n      <position lat=\"50\" lon=\"170\" />\n"
                      "    </waypoint>"));
    EXPECT_TRUE(Holds(text, "<position lat=\"52.123456789\" lon=\"-174.5\" />"));
    EXPECT_TRUE(Holds(text, "<position lat=\"-0.000000012\" lon=\"-169.25\" />"));
    EXPECT_TRUE(Holds(text,
                      "<leg starboardXTD=\"0.5\" portsideXTD=\"0.5\" geometryType=\"Orthodrome\" "
                      "speedMin=\"14.25\" speedMax=\"14.25\" />"));
    EXPECT_TRUE(Holds(text, "<leg geometryType=\"Loxodrome\" />"));
    // What the cross-track limits and the schedule's speeds cannot say.
    EXPECT_TRUE(Holds(text,
                      "<extension manufacturer=\"Lanternfish Works\" name=\"Marigold Route\" version=\"1\" "
                      "keepGroundspeed=\"false\" />"));
    EXPECT_TRUE(Holds(text,
                      "<extension manufacturer=\"Lanternfish Works\" name=\"Marigold Route\" version=\"1\" "
                      "passWithin=\"12\" />"));
    EXPECT_TRUE(Holds(text, std::string(c.element) +
                                " waypointId=\"1\" etd=\"2026-01-10T08:00:00Z\" eta=\"2026-01-10T08:00:00Z\" />"));
    EXPECT_TRUE(Holds(text, std::string(c.element) + " waypointId=\"3\" speed=\"13\" />"));
    EXPECT_TRUE(
        Holds(text, std::string(c.element) + " waypointId=\"4\" eta=\"2026-01-20T12:00:00Z\" speed=\"9.5\" />"));
  }
}

// A schedule needs a departure, its times an arrival after it; without an
// arrival only kept speeds are figures of the route.
TEST(RtzWrite, ScheduleOnlyAsFarAsTheRouteHasOne) {
  CVoyage route;
  AddCrossingRoute(route);
  route.GetTail()->SetTimeB(route.GetHead()->GetTime());
  std::string text = WriteRtz(route, kIdentity, ERtzVersion::V1_1);
  EXPECT_TRUE(Holds(text, "<scheduleElement waypointId=\"3\" />"));
  EXPECT_TRUE(Holds(text, "<scheduleElement waypointId=\"4\" speed=\"9.5\" />"));
  route.GetHead()->SetTime(0);
  text = WriteRtz(route, kIdentity, ERtzVersion::V1_1);
  EXPECT_FALSE(Holds(text, "<schedules"));
}

TEST(RtzWrite, ImoNumberOnlyAsDigits) {
  CVoyage route;
  AddCrossingRoute(route);
  const std::pair<const char*, const char*> kCases[] = {
      {"9321483", " vesselIMO=\"9321483\""}, {"imo 9321483", " vesselIMO=\"9321483\""}, {"12-345", ""}, {"", ""}};
  for (const auto& [imo, attribute] : kCases) {
    const std::string text = WriteRtz(route, {"R", "", imo, ""}, ERtzVersion::V1_1);
    EXPECT_TRUE(Holds(text, std::string("<routeInfo routeName=\"R\"") + attribute + " />")) << imo;
  }
}

TEST(RtzWrite, RoundTripKeepsWaypointsMethodsSpeedsAndTimes) {
  CVoyage route;
  AddCrossingRoute(route);
  for (const ERtzVersion version : {ERtzVersion::V1_0, ERtzVersion::V1_1}) {
    const std::string text = WriteRtz(route, kIdentity, version);
    const CReadResult<CImportedRoute> back = ReadText(text);
    ASSERT_TRUE(back) << back.Refusal().Text();
    EXPECT_EQ(LegTexts(back->waypoints), LegTexts(route));
    for (int i = 0; i < route.GetCount(); ++i) {
      EXPECT_NEAR(back->waypoints[i].GetLatitude(), route.GetAt(i)->GetLatitude(), 1e-7);
      EXPECT_NEAR(back->waypoints[i].GetLongitude(), route.GetAt(i)->GetLongitude(), 1e-7);
    }
    EXPECT_EQ(std::tuple(back->waypoints.front().GetTime(), back->waypoints.back().GetTimeB(), back->voyageNumber),
              std::tuple(route.GetHead()->GetTime(), route.GetTail()->GetTimeB(), std::string("V7")));
  }
}

}  // namespace
}  // namespace marigold
