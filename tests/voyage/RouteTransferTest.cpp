// Routes to and from RTZ and GPX files and tracks into the history, as the
// desktop program and the command line both run them: what they ask, what
// they say, and that a refused file changes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/FileIo.h"
#include "fakes/DocumentFixture.h"
#include "fakes/Records.h"
#include "fakes/RouteLegs.h"
#include "voyage/RouteTransfer.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

class RouteTransfer : public ::testing::Test, protected CDocumentFixture {
 protected:
  CMarigoldRouteDoc& Doc() { return *doc; }
  CVoyage& Route() { return doc->Voyage(); }

  bool Import(ERouteFormat format, const std::string& path) {
    return ImportRoute(Doc(), format, path, [this] { return ++commits, true; });
  }

  int commits = 0;
};

TEST(RouteTitleOf, TheDocumentFileNameWithoutItsExtension) {
  const std::pair<const char*, const char*> kCases[] = {{"/voyages/rotterdam-newyork.rtp", "rotterdam-newyork"},
                                                        {"a.b.rtp", "a.b"},
                                                        {"route", "route"},
                                                        {"", "Route"}};
  for (const auto& [path, title] : kCases) EXPECT_EQ(RouteTitle(path), title) << path;
}

// Export computes the voyage plan and import recomputes it: the route comes
// back with its legs, departure and arrival, and the same estimated times.
TEST_F(RouteTransfer, ExportThenImportGivesTheSameRouteAndSchedule) {
  AddCrossingRoute(Route());
  Route().voyageNumber = "V7";
  for (const ERtzVersion version : {ERtzVersion::V1_0, ERtzVersion::V1_1}) {
    const std::string path = File("crossing.rtz");
    prompter.messages.clear();
    ASSERT_TRUE(ExportRoute(Doc(), {ERouteFormat::Rtz, version, "Crossing"}, path));
    EXPECT_EQ(Said(prompter), std::vector<std::string>{"Information: Export succesfull"});
    const std::vector<std::string> legs = LegTexts(Route());
    std::vector<double> estimated;
    for (int i = 0; i < Route().GetCount(); ++i) estimated.push_back(Route().GetAt(i)->GetTimeA());

    Doc().New();
    commits = 0;
    prompter.messages.clear();
    ASSERT_TRUE(Import(ERouteFormat::Rtz, path));
    EXPECT_EQ(std::tuple(Said(prompter), commits, Doc().modified, Doc().openedFromFile, Route().voyageNumber),
              std::tuple(std::vector<std::string>{"Information: Import succesfull"}, 1, true, true, std::string("V7")));
    EXPECT_EQ(LegTexts(Route()), legs);
    // The views' figures come from the latest fix; the plan from the departure.
    Calculate(Route(), Doc().Vessel(), Doc().Departure());
    std::vector<double> again;
    for (int i = 0; i < Route().GetCount(); ++i) again.push_back(Route().GetAt(i)->GetTimeA());
    ExpectNear(again, estimated, kSecond);
    EXPECT_GT(Route().GetAt(2)->legDistance, 0);  // recomputed, not carried
  }
}

TEST_F(RouteTransfer, ImportAsksBeforeReplacingTheWaypoints) {
  AddWaypoints(Route(), 2);
  Route().voyageNumber = "V1";
  const std::string path = TestData("route-1_1.rtz");
  prompter.answers = {false};
  EXPECT_FALSE(Import(ERouteFormat::Rtz, path));
  EXPECT_EQ(prompter.questions,
            std::vector<std::string>{"Replace the 2 waypoints of the route\nwith the 5 waypoints of\n" + path + "?"});
  EXPECT_EQ(std::tuple(NamesOf(Route()), Doc().modified, commits, prompter.messages.size()),
            std::tuple(std::vector<std::string>{"WP0", "WP1"}, false, 0, std::size_t{0}));

  prompter.answers = {true};
  EXPECT_TRUE(Import(ERouteFormat::Gpx, TestData("route.gpx")));
  EXPECT_EQ(NamesOf(Route()), (std::vector<std::string>{"Lautoka", "Somosomo Strait", "Qamea East", "Koro Sea"}));
  EXPECT_EQ(Route().voyageNumber, "V1");
}

TEST_F(RouteTransfer, ARefusedFileChangesNothingAndSaysWhy) {
  AddWaypoints(Route(), 2);
  PutFile(File("twice.rtz"),
          "<route version=\"1.1\"><waypoints>\n<waypoint id=\"7\"><position lat=\"1\" lon=\"1\"/></waypoint>\n"
          "<waypoint id=\"7\"><position lat=\"2\" lon=\"1\"/></waypoint>\n</waypoints></route>");
  const std::tuple<ERouteFormat, std::string, std::string> kCases[] = {
      {ERouteFormat::Rtz, File("twice.rtz"), "line 3: duplicate waypoint id 7"},
      {ERouteFormat::Rtz, TestData("route.gpx"), "line 5: not an RTZ route: the file holds <gpx>, not <route>"},
      {ERouteFormat::Gpx, TestData("route-1_0.rtz"), "line 5: not a GPX file: the file holds <route>, not <gpx>"},
      {ERouteFormat::Gpx, File("none.gpx"), "cannot read " + File("none.gpx") + ": the file is missing"},
  };
  for (const auto& [format, path, refusal] : kCases) {
    prompter.messages.clear();
    EXPECT_FALSE(Import(format, path));
    EXPECT_EQ(Said(prompter),
              std::vector<std::string>{"Stop: Import failed\n" + path + "\n" + refusal + "\nNothing was changed."});
  }
  EXPECT_EQ(std::tuple(NamesOf(Route()), Doc().modified, commits, prompter.questions.size()),
            std::tuple(std::vector<std::string>{"WP0", "WP1"}, false, 0, std::size_t{0}));
}

TEST_F(RouteTransfer, ExportRefusesRoutesTheFormatCannotHold) {
  const std::string path = File("out.rtz");
  const auto exported = [&](ERouteFormat format, const std::string& to) {
    prompter.messages.clear();
    EXPECT_FALSE(ExportRoute(Doc(), {format, kDefaultRtzVersion, "R"}, to));
    return Said(prompter);
  };
  EXPECT_EQ(exported(ERouteFormat::Gpx, path),
            std::vector<std::string>{"Exclamation: Export failed\nThe route has no waypoints"});
  AddWaypoints(Route(), 1);
  EXPECT_EQ(exported(ERouteFormat::Rtz, path),
            std::vector<std::string>{"Exclamation: Export failed\nAn RTZ route needs at least two waypoints"});
  EXPECT_FALSE(std::filesystem::exists(path));
  AddWaypoints(Route(), 1);
  const std::vector<std::string> said = exported(ERouteFormat::Rtz, File("no/such/folder/out.rtz"));
  ASSERT_EQ(said.size(), 1u);
  EXPECT_EQ(said[0].rfind("Exclamation: Export failed\n" + File("no/such/folder/out.rtz") + "\n", 0), 0u) << said[0];
}

TEST_F(RouteTransfer, TrackGoesIntoTheHistoryOnlyAsATrack) {
  // The history holds the fix the document made at 22:13:20 UTC.
  int trackCommits = 0;
  const auto importTrack = [&](const std::string& path) {
    prompter.messages.clear();
    return ImportTrack(Doc(), path, [&] { return ++trackCommits, true; });
  };
  EXPECT_TRUE(importTrack(TestData("track.gpx")));
  EXPECT_EQ(Said(prompter),
            std::vector<std::string>{"Information: Import succesfull\n3 position fixes added to the history"});
  EXPECT_EQ(NamesOf(Doc().Fixes()),
            (std::vector<std::string>{"PositionFix 14 Nov 20:00 LT", "PositionFix 14 Nov 21:00 LT",
                                      "Latest Position Fix", "PositionFix 14 Nov 22:30 LT"}));
  EXPECT_TRUE(importTrack(TestData("track.gpx")));
  EXPECT_EQ(Said(prompter),
            std::vector<std::string>{"Information: Import succesfull\n0 position fixes added to the history"});
  EXPECT_FALSE(importTrack(TestData("route.gpx")));
  EXPECT_EQ(Said(prompter), std::vector<std::string>{"Stop: Import failed\n" + TestData("route.gpx") +
                                                     "\nline 5: the file holds no track points (trkpt)\n"
                                                     "Nothing was changed."});
  EXPECT_EQ(std::tuple(Doc().Fixes().GetCount(), trackCommits, Route().GetCount()), std::tuple(4, 2, 0));
}

}  // namespace
}  // namespace marigold
