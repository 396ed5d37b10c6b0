// The texts of weather: short forms, the weather source of a waypoint and the
// figures of the "Average Weather" tool.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "core/Voyage.h"
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
  EXPECT_EQ(w.CurrentText(), "NE 1.5 kts");
  EXPECT_EQ(w.WindText(), "NNW 12.0 kts");

  CWaypoint waypoint;
  EXPECT_STREQ(WeatherSourceText(waypoint, false), "Average data");
  EXPECT_STREQ(WeatherSourceText(waypoint, true), "Latest data");
  waypoint.useAverageWeather = false;
  EXPECT_STREQ(WeatherSourceText(waypoint, true), "Manual data");
}

// Records told apart by the count of their latest observation.
void AddRecord(CMeteoList& meteo, double latitude, double longitude, int count) {
  CMeteoRecord* r = meteo.AddNew();
  r->SetLatitude(latitude);
  r->SetLongitude(longitude);
  r->latest.count = count;
}

TEST(AverageWeatherTool, TheChosenWaypointOrTheEnteredPosition) {
  CMeteoList meteo;
  AddRecord(meteo, 43.5, -9.25, 3);
  AddRecord(meteo, -45.5, -10, 5);
  AddRecord(meteo, 10.5, 0, 7);
  CVoyage route;
  route.AddNew()->SetName("Ushant");

  CAverageWeatherTool one(route, meteo);
  CAverageWeatherFields f = one.View().fields;
  EXPECT_TRUE(f.enterPosition);  // fewer than two waypoints
  EXPECT_TRUE(one.View().waypointNames.empty());
  f.position = {45, 30.0, 1, 10, 0.0, 1};
  f.latestOnly = true;
  one.OnCalculate(f);
  EXPECT_EQ(one.View().observations, "5");  // -45.5, -10.0

  CWaypoint* w = route.AddNew();
  w->SetName("Finisterre");
  w->SetLatitude(43.5);
  w->SetLongitude(-9.25);
  CAverageWeatherTool two(route, meteo);
  f = two.View().fields;
  EXPECT_FALSE(f.enterPosition);
  EXPECT_EQ(two.View().waypointNames, (std::vector<std::string>{"Ushant", "Finisterre"}));
  f.waypointIndex = 1;
  f.latestOnly = true;
  two.OnCalculate(f);
  EXPECT_EQ(two.View().observations, "3");
  const CPositionFields& shown = two.View().fields.position;  // the waypoint's position
  EXPECT_EQ(shown.latitudeDegrees * 100 + shown.latitudeMinutes, 4330);
  EXPECT_EQ(shown.longitudeDegrees * 100 + shown.longitudeMinutes, 915);
  EXPECT_EQ(shown.longitudeHemisphere, 1);

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
  EXPECT_EQ(v.windDirection, "  5 deg");
  EXPECT_EQ(v.windSpeed, "12.2 kts");
  EXPECT_EQ(v.currentDirection, " 90 deg");
  EXPECT_EQ(v.currentSpeed, "0.8 kts");
  EXPECT_EQ(v.airTemperature, "24.5 deg");
  EXPECT_EQ(v.airPressure, "1013.0 mb");
  EXPECT_EQ(v.seaTemperature, "21.2 deg");
  EXPECT_EQ(v.observations, "7");

  f.latestOnly = true;
  tool.OnCalculate(f);
  EXPECT_EQ(tool.View().observations, "1");
  CMeteoList empty;  // answers with the default weather instead of nothing
  EXPECT_EQ(CAverageWeatherTool(route, empty).View().airPressure, "1000.0 mb");
}

}  // namespace
}  // namespace marigold
