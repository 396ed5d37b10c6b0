// The texts of weather: short forms, the weather source of a waypoint and the
// figures of the "Average Weather" dialog.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"
#include "lists/WeatherAverageQuery.h"
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

TEST(WeatherAverageDialog, WhereToLook) {
  CVoyage route;
  route.AddNew()->SetName("Ushant");
  CAverageWeatherQuery q = InitialAverageWeatherQuery(route);
  EXPECT_TRUE(q.enterPosition);  // fewer than two waypoints
  EXPECT_TRUE(AverageWeatherWaypointNames(route).empty());
  q = {true, 0, 45, 30.0, 1, 10, 0.0, 1, false, 0};
  CPosition2 p = AverageWeatherPosition(route, q);
  EXPECT_EQ(p.GetLatitude(), -45.5);
  EXPECT_EQ(p.GetLongitude(), -10.0);

  CWaypoint* w = route.AddNew();
  w->SetName("Finisterre");
  w->SetLatitude(43.5);
  w->SetLongitude(-9.25);
  q = InitialAverageWeatherQuery(route);
  EXPECT_FALSE(q.enterPosition);
  EXPECT_EQ(AverageWeatherWaypointNames(route), (std::vector<std::string>{"Ushant", "Finisterre"}));
  q.waypointIndex = 1;
  p = AverageWeatherPosition(route, q);
  EXPECT_EQ(p.GetName(), "Finisterre");
  EXPECT_EQ(q.latitudeDegrees, 43);
  EXPECT_EQ(q.longitudeHemisphere, 1);
  q.waypointIndex = -1;  // nothing chosen: the fields count
  q.latitudeDegrees = 10;
  EXPECT_EQ(AverageWeatherPosition(route, q).GetLatitude(), 10.5);
}

TEST(WeatherAverageDialog, SeasonOfThePickedDateOrTheLatestObservation) {
  CVoyage route;
  CMeteoList meteo;
  meteo.EnsureDefaultRecord();
  CMeteoRecord& r = *meteo.GetHead();
  r.summer = {7, 21.24, 24.5, 1013.0, 1.025, 90, 0.76, 5, 12.24};
  r.latest.count = 1;
  CAverageWeatherQuery q = InitialAverageWeatherQuery(route);
  q.date = CalendarTimeFromLocal({2003, 7, 15, 12, 0, 0});
  const CAverageWeatherTexts t = CalculateAverageWeather(route, meteo, q);
  EXPECT_EQ(t.windDirection, "  5 deg");
  EXPECT_EQ(t.windSpeed, "12.2 kts");
  EXPECT_EQ(t.currentDirection, " 90 deg");
  EXPECT_EQ(t.currentSpeed, "0.8 kts");
  EXPECT_EQ(t.airTemperature, "24.5 deg");
  EXPECT_EQ(t.airPressure, "1013.0 mb");
  EXPECT_EQ(t.seaTemperature, "21.2 deg");
  EXPECT_EQ(t.observations, "7");

  q.latestOnly = true;
  EXPECT_EQ(CalculateAverageWeather(route, meteo, q).observations, "1");
  CMeteoList empty;  // answers with the default weather instead of nothing
  EXPECT_EQ(CalculateAverageWeather(route, empty, q).airPressure, "1000.0 mb");
}

}  // namespace
}  // namespace marigold
