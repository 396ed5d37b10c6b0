// GPX: a chart plotter's route with its extensions, a file of waypoints, a
// recorded track, every refusal with its line, and round trips.
#include <gtest/gtest.h>

#include <tuple>

#include "exchange/Gpx.h"
#include "fakes/RouteLegs.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

std::span<const std::uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

CReadResult<CImportedRoute> ReadFile(const char* name) { return ReadGpxRoute(FileBytes(TestData(name))); }

TEST(GpxRead, RouteWithPlannedSpeedAndDepartureAcrossTheDateLine) {
  const CReadResult<CImportedRoute> route = ReadFile("route.gpx");
  ASSERT_TRUE(route) << route.Refusal().Text();
  EXPECT_EQ(route->name, "Fiji loop");
  // The stray waypoint beside the route is not part of it.
  EXPECT_EQ(
      LegTexts(route->waypoints),
      (std::vector<std::string>{"Lautoka -17.7600 177.3800 RL", "Somosomo Strait -16.8000 179.9000 RL keep 6.5",
                                "Qamea East -16.5000 180.2000 RL keep 6.5", "Koro Sea -17.0000 179.5000 RL keep 6.5"}));
  const CWaypoint& first = route->waypoints.front();
  EXPECT_EQ(std::tuple(first.GetTime(), first.GetTimeA(), first.GetTimeB()),
            std::tuple(Utc(2026, 7, 1, 21), Utc(2026, 7, 1, 21), Utc(2026, 7, 1, 21)));
  EXPECT_EQ(route->waypoints[1].GetTimeA(), 0);
}

TEST(GpxRead, WaypointsWithoutARouteAreTheRouteInFileOrder) {
  const CReadResult<CImportedRoute> route = ReadFile("waypoints.gpx");
  ASSERT_TRUE(route) << route.Refusal().Text();
  EXPECT_EQ(LegTexts(route->waypoints),
            (std::vector<std::string>{"Bramble 50.7667 -1.3000 RL", "New Position 50.7417 -1.0417 RL",
                                      "Needles Fairway 50.7100 -1.5500 RL"}));
}

TEST(GpxRead, TrackPointsWithTheirTimes) {
  const CReadResult<std::vector<CFixRecord>> track = ReadGpxTrack(FileBytes(TestData("track.gpx")));
  ASSERT_TRUE(track) << track.Refusal().Text();
  std::vector<double> latitudes, times;
  for (const CFixRecord& fix : *track) latitudes.push_back(fix.GetLatitude()), times.push_back(fix.GetTime());
  EXPECT_EQ(latitudes, (std::vector<double>{50.0, 50.1, 50.2}));
  ExpectNear(times, {Utc(2023, 11, 14, 20), Utc(2023, 11, 14, 21) + 0.4 / 86400, Utc(2023, 11, 14, 22, 30)},
             kSecond / 1000);
  // A route file holds no track: it is not taken as one, nor a track as a route.
  EXPECT_EQ(ReadGpxTrack(FileBytes(TestData("route.gpx"))).Refusal().Text(),
            "line 5: the file holds no track points (trkpt)");
  EXPECT_EQ(ReadFile("track.gpx").Refusal().Text(),
            "line 3: the file holds a track but no route: a track goes into the position-fix history");
}

TEST(GpxRead, RefusesWhatIsNoRouteAndNamesTheLine) {
  const std::pair<const char*, const char*> kRoutes[] = {
      {"<gpx>\n<rte>\n", "line 2: not XML: Start-end tags mismatch"},
      {"<route version=\"1.1\"/>", "line 1: not a GPX file: the file holds <route>, not <gpx>"},
      {"<gpx version=\"1.1\">\n<rte><name>Empty</name></rte>\n</gpx>",
       "line 2: the file holds no route points (rtept) or waypoints (wpt)"},
      {"<gpx version=\"1.1\">\n<wpt lat=\"1\"><name>A</name></wpt>\n</gpx>", "line 2: <wpt> without lat and lon"},
      {"<gpx version=\"1.1\"><rte>\n<rtept lat=\"1\" lon=\"200\"/>\n</rte></gpx>",
       "line 2: lon 200 is out of range (-180 to 180)"},
      {"<gpx version=\"1.1\"><rte><extensions>\n<opencpn:planned_speed>fast</opencpn:planned_speed>\n</extensions>"
       "<rtept lat=\"1\" lon=\"2\"/></rte></gpx>",
       "line 2: planned_speed \"fast\" is not a speed"},
      {"<gpx version=\"1.1\"><rte><extensions>\n<opencpn:planned_departure>tomorrow</opencpn:planned_departure>\n"
       "</extensions><rtept lat=\"1\" lon=\"2\"/></rte></gpx>",
       "line 2: planned_departure \"tomorrow\" is not a UTC time (YYYY-MM-DDThh:mm:ssZ)"},
  };
  for (const auto& [text, refusal] : kRoutes) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadGpxRoute(Bytes(text)).Refusal().Text(), refusal);
  }
  EXPECT_EQ(ReadGpxTrack(Bytes("<gpx version=\"1.1\"><trk><trkseg>\n<trkpt lat=\"1\" lon=\"2\"/>\n"
                               "</trkseg></trk></gpx>"))
                .Refusal()
                .Text(),
            "line 2: track point without a time: a fix needs one");
}

// GPX holds no sailing method or pass-within distance, and one planned
// speed for the whole route: those come back as a new waypoint's.
TEST(GpxWrite, RoundTripKeepsNamesPositionsSpeedAndDeparture) {
  CVoyage route;
  AddCrossingRoute(route);
  for (int i = 1; i < route.GetCount(); ++i) {
    CWaypoint& w = *route.GetAt(i);
    std::tie(w.greatCircle, w.passWithin, w.keepGroundspeed, w.keptGroundspeed) = std::tuple(false, false, true, 11.5);
  }
  const std::string text = WriteGpx(route, "Crossing");
  EXPECT_NE(text.find("<rtept lat=\"52.123456789\" lon=\"-174.5\">\n      <name>Date line east</name>"),
            std::string::npos)
      << text;
  CReadResult<CImportedRoute> back = ReadGpxRoute(Bytes(text));
  ASSERT_TRUE(back) << back.Refusal().Text();
  EXPECT_EQ(std::tuple(back->name, LegTexts(back->waypoints), back->waypoints.front().GetTime()),
            std::tuple(std::string("Crossing"), LegTexts(route), route.GetHead()->GetTime()));
  for (int i = 0; i < route.GetCount(); ++i)
    EXPECT_NEAR(back->waypoints[i].GetLongitude(), route.GetAt(i)->GetLongitude(), 1e-7);

  // Legs at different speeds have no one planned speed: none is written.
  route.GetTail()->keptGroundspeed = 9;
  back = ReadGpxRoute(Bytes(WriteGpx(route, "Crossing")));
  ASSERT_TRUE(back);
  EXPECT_FALSE(back->waypoints.back().keepGroundspeed);
}

}  // namespace
}  // namespace marigold
