// The texts of weather: short forms, the weather source of a waypoint and the
// figures of the "Average Weather" tool.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "core/Voyage.h"
#include "fakes/Records.h"
#include "lists/AverageWeatherTool.h"
#include "lists/MeteoList.h"
#include "lists/WeatherSource.h"

namespace marigold {
namespace {

TEST(WeatherText, ShortFormsAndSource) {
  CWeatherData w;
  w.currentSet = 45;
  w.currentRate = 1.5;
  w.windDirection = 359.9;
  w.windSpeed = 12;
  EXPECT_EQ(w.CurrentText() + "|" + w.WindText(), "NE 1.5 kts|NNW 12.0 kts");

  CWaypoint average, manual;
  manual.useAverageWeather = false;
  EXPECT_EQ(std::string(WeatherSourceText(average, false)) + "|" + WeatherSourceText(average, true) + "|" +
                WeatherSourceText(manual, true),
            "Average data|Latest data|Manual data");
}

TEST(AverageWeatherTool, TheChosenWaypointOrTheEnteredPosition) {
  // Records told apart by the count of their latest observation.
  CMeteoList meteo;
  Placed(meteo.AddNew(), 43.5, -9.25)->latest.count = 3;
  Placed(meteo.AddNew(), -45.5, -10)->latest.count = 5;
  Placed(meteo.AddNew(), 10.5, 0)->latest.count = 7;
  CVoyage route;
  route.AddNew()->SetName("Ushant");

  CAverageWeatherTool one(route, meteo);
  CAverageWeatherFields f = one.View().fields;
  EXPECT_TRUE(f.enterPosition && one.View().waypointNames.empty());  // fewer than two waypoints
  f.position = {45, 30.0, 1, 10, 0.0, 1};
  f.latestOnly = true;
  one.OnCalculate(f);
  EXPECT_EQ(one.View().observations, "5");  // -45.5, -10.0

  Placed(route.AddNew(), 43.5, -9.25, "Finisterre");
  CAverageWeatherTool two(route, meteo);
  f = two.View().fields;
  EXPECT_EQ(std::tuple(f.enterPosition, two.View().waypointNames),
            std::tuple(false, std::vector<std::string>{"Ushant", "Finisterre"}));
  f.waypointIndex = 1;
  f.latestOnly = true;
  two.OnCalculate(f);
  EXPECT_EQ(two.View().observations, "3");
  const CPositionFields& shown = two.View().fields.position;  // the waypoint's position
  EXPECT_EQ(std::tuple(shown.latitudeDegrees, shown.latitudeMinutes, shown.longitudeDegrees, shown.longitudeMinutes,
                       shown.longitudeHemisphere),
            std::tuple(43, 30.0, 9, 15.0, 1));

  f.waypointIndex = -1;  // nothing chosen: the fields count
  f.position = {10, 30.0, 0, 0, 0.0, 0};
  two.OnCalculate(f);
  EXPECT_EQ(two.View().observations, "7");
}

TEST(AverageWeatherTool, SeasonOfThePickedDateOrTheLatestObservation) {
  CVoyage route;
  CMeteoList meteo;
  meteo.EnsureDefaultRecord();
  CMeteoRecord& r = *meteo.GetHead();
  r.summer = {7, 21.24, 24.5, 1013.0, 1.025, 90, 0.76, 5, 12.24};
  r.latest.count = 1;
  CAverageWeatherTool tool(route, meteo);
  CAverageWeatherFields f = tool.View().fields;
  f.date = CalendarTimeFromLocal({2003, 7, 15, 12, 0, 0});
  tool.OnCalculate(f);
  const CAverageWeatherView& v = tool.View();
  EXPECT_EQ((std::vector<std::string>{v.windDirection, v.windSpeed, v.currentDirection, v.currentSpeed,
                                      v.airTemperature, v.airPressure, v.seaTemperature, v.observations}),
            (std::vector<std::string>{"  5 deg", "12.2 kts", " 90 deg", "0.8 kts", "24.5 deg", "1013.0 mb", "21.2 deg",
                                      "7"}));

  f.latestOnly = true;
  tool.OnCalculate(f);
  EXPECT_EQ(tool.View().observations, "1");
  CMeteoList empty;  // answers with the default weather instead of nothing
  EXPECT_EQ(CAverageWeatherTool(route, empty).View().airPressure, "1000.0 mb");
}

}  // namespace
}  // namespace marigold
