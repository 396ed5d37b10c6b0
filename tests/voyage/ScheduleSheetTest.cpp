// The voyage sheet's "Voyage" and "Weather" pages and the departure record
// the schedule starts from.
#include <gtest/gtest.h>

#include "fakes/Records.h"
#include "voyage/Schedule.h"
#include "voyage/VoyageSheet.h"

namespace marigold {
namespace {

constexpr double kStart = 1000.0;
constexpr double kHour = 1.0 / 24;

// 60 nM east along the equator in 5 hours.
void BuildRoute(CVoyage& route) {
  for (int i = 0; i < 2; ++i) Placed(route.AddNew(), 0, i);
  route.GetHead()->SetTime(kStart);
  route.GetHead()->SetTimeA(kStart);
  route.GetTail()->SetTimeB(kStart + 5 * kHour);
}

std::string Text(const CVoyagePageResults& r) { return r.totalDistance + "|" + r.totalDuration + "|" + r.averageSpeed; }

std::string Text(const CWeatherPageResults& r) {
  return r.totalFuel + "|" + r.logDistance + "|" + r.requiredLogSpeed + "|" + r.averageRpm;
}

class VoyageSheet : public ::testing::Test {
 protected:
  CVoyage route;
  CVessel2 vessel;
  const CMeteoList meteo;
};

TEST_F(VoyageSheet, VoyagePageShowsTheRouteAsOpened) {
  route.AddNew();
  EXPECT_EQ(Text(CVoyageSheet(route, vessel, meteo).View().voyage), "     0.0|0.0|0.0");
  route.RemoveAll();
  BuildRoute(route);
  EXPECT_EQ(Text(CVoyageSheet(route, vessel, meteo).View().voyage), "    60.0|5.0|12.0");
  route.GetTail()->SetTimeB(kStart - kHour);  // arriving before leaving
  CVoyageSheet sheet(route, vessel, meteo);
  // The weather page is not shown yet.
  EXPECT_EQ(sheet.View().voyage.totalDuration + "|" + sheet.View().voyage.averageSpeed + Text(sheet.View().weather),
            "NA|0.0|||");
}

TEST_F(VoyageSheet, WeatherPageComputesFromTheFirstWaypoint) {
  route.AddNew();
  CVoyageSheet one(route, vessel, meteo);
  one.OnWeatherPageShown();
  EXPECT_EQ(Text(one.View().weather), "NA|NA|0|0");

  route.RemoveAll();
  BuildRoute(route);
  route.GetTail()->weather.windSpeed = 40;  // averaged weather: the fill replaces it
  CVoyageSheet sheet(route, vessel, meteo);
  sheet.OnWeatherPageShown();
  EXPECT_EQ(std::tuple(route.GetTail()->weather.windSpeed, Text(sheet.View().weather)),
            std::tuple(0.0, "      3.|     60.|12.0|167."));

  route.GetTail()->SetTimeB(kStart);  // no time left
  route.GetTail()->SetTimeA(kStart);
  sheet.OnWeatherPageShown();
  const CWeatherPageResults& r = sheet.View().weather;
  EXPECT_EQ(r.totalFuel + "|" + r.requiredLogSpeed + "|" + r.averageRpm, "NA|NA|NA");
}

TEST_F(VoyageSheet, WeatherChoicesTakeEffectOnTheRouteAtOnce) {
  BuildRoute(route);
  CVoyageSheet sheet(route, vessel, meteo);
  CScriptedPrompter prompter;
  sheet.OnWeatherSourceChosen(false, prompter);
  // Recomputed.
  EXPECT_EQ(std::tuple(prompter.messages.size(), sheet.View().weather.logDistance), std::tuple(0u, "     60."));
  sheet.OnWeatherSourceChosen(true, prompter);
  EXPECT_EQ(std::tuple(route.weatherSource, MessageTexts(prompter)),
            std::tuple(true, std::vector<std::string>{
                                 "By selecting present weather the voyageplanning\nwill use only the latest weather "
                                 "observation for each waypoint\nThis might result in less accurate data for wind "
                                 "and current calculations"}));
  sheet.OnKeepRpmChosen(false);
  EXPECT_FALSE(route.keepRpmConstant);
}

TEST(ScheduleDeparture, RebuiltFromTheFirstWaypointOrTheLatestFix) {
  CVoyage route;
  CFixRecord departure;
  CFixRecord fix;
  fix.SetName("Fix");
  fix.SetTime(kStart + 2);
  EXPECT_EQ(RebuildDeparture(departure, route, nullptr).GetName(), "New Position");  // nothing to copy
  EXPECT_EQ(RebuildDeparture(departure, route, &fix).GetTime(), kStart + 2);

  BuildRoute(route);
  route.GetHead()->SetUtcDifference(1);
  route.GetTail()->groundCourse = 91;
  route.GetTail()->keptGroundspeed = 13;
  route.GetTail()->engineRpm = 70;
  RebuildDeparture(departure, route, &fix);
  // The departure time itself, whatever the zones.
  EXPECT_EQ(std::tuple(departure.GetLongitude(), departure.GetUtcDifference(), departure.GetTime()),
            std::tuple(0.0, 1.0, kStart));
  EXPECT_EQ(departure.groundCourse + departure.groundspeed + departure.engineRpm, 91 + 13 + 70);
}

}  // namespace
}  // namespace marigold
