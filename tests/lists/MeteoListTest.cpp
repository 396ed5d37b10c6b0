// The meteo list: where observations and imports are merged, and which slot
// a waypoint's weather comes from.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "core/Voyage.h"
#include "fakes/Records.h"
#include "lists/MeteoList.h"

namespace marigold {
namespace {

CFixRecord FixAt(double latitude, const CCivilTime& utc) {
  CFixRecord fix;
  Placed(&fix, latitude, 0)->SetTime(DayNumberOf(utc));
  fix.weather.count = 1;
  fix.weather.airPressure = 1020;
  return fix;
}

TEST(MeteoAddObservation, MergesWithin300MilesAndStartsARecordBeyond) {
  CMeteoList list;
  const CFixedClock clock;
  CFixRecord first = FixAt(20, {2004, 3, 1, 0, 30, 0});
  CMeteoRecord* near = list.AddObservation(first, clock);  // an empty list gets a record
  ASSERT_EQ(list.GetCount(), 1);
  EXPECT_EQ(near->spring.count, 1);

  CFixRecord at300 = FixAt(25, {2003, 12, 15, 12, 0, 0});  // five degrees: 300.0 nM
  EXPECT_EQ(list.AddObservation(at300, clock), near);
  EXPECT_EQ(std::tuple(near->autumn.count, list.GetCount()), std::tuple(1, 1));  // December

  CFixRecord beyond = FixAt(25 + 0.1 / 60, {2003, 2, 10, 0, 0, 0});  // 300.1 nM
  beyond.SetUtcDifference(-5);
  CMeteoRecord* added = list.AddObservation(beyond, clock);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(std::tuple(added, added->GetLatitude(), added->GetUtcDifference(), added->winter.count, near->winter.count),
            std::tuple(list.GetTail(), beyond.GetLatitude(), -5.0, 1, 0));
}

TEST(MeteoMergeRecord, FourEmptySeasonsEachCountOnceAndAutumnEndsLatest) {
  CMeteoList list;
  CMeteoRecord* target = Placed(list.AddNew(), 10, 10);
  target->winter.count = 1;
  CMeteoRecord imported;
  Placed(&imported, 11, 10)->winter.airPressure = 1020;
  imported.autumn.windSpeed = 14;
  imported.autumn.windDirection = 45;

  EXPECT_EQ(list.MergeRecord(imported, CFixedClock()), target);
  EXPECT_EQ(std::tuple(list.GetCount(), target->winter.count, target->winter.airPressure,
                       target->spring.count + target->summer.count + target->autumn.count),
            std::tuple(1, 2, 1010.0, 3));
  CWeatherData expectedLatest = imported.autumn;
  expectedLatest.count = 1;
  EXPECT_EQ(target->latest, expectedLatest);
}

TEST(MeteoAssignWeather, SeasonOfTheScheduledTimeInLocalTime) {
  CMeteoList list;
  CMeteoRecord* r = Placed(list.AddNew(), 40, -30);
  r->winter.count = 11;
  r->spring.count = 12;
  r->autumn.count = 14;
  r->latest.count = 15;
  Placed(list.AddNew(), -40, 100)->spring.count = 99;

  CWaypoint w;
  Placed(&w, 41, -31)->SetTimeB(DayNumberOf({2004, 2, 29, 22, 0, 0}));  // UTC
  EXPECT_TRUE(list.AssignWeather(w, false));
  EXPECT_EQ(w.weather.count, 11);
  w.SetUtcDifference(3);  // 1 March 01:00 local time
  list.AssignWeather(w, false);
  EXPECT_EQ(w.weather, r->spring);
  w.SetTimeB(DayNumberOf({2004, 12, 15, 12, 0, 0}));
  list.AssignWeather(w, false);
  EXPECT_EQ(w.weather.count, 14);
  list.AssignWeather(w, true);
  EXPECT_EQ(w.weather.count, 15);
}

TEST(MeteoAssignWeather, RouteFillLeavesManualWeatherAlone) {
  CMeteoList list;
  EXPECT_TRUE(list.EnsureDefaultRecord());
  EXPECT_FALSE(list.EnsureDefaultRecord());
  list.GetHead()->latest.count = 5;
  CVoyage route;
  route.weatherSource = true;
  route.AddNew();
  CWaypoint* manual = route.AddNew();
  manual->useAverageWeather = false;
  manual->weather.windSpeed = 33;
  list.AssignRouteWeather(route);
  EXPECT_EQ(std::tuple(route.GetHead()->weather.count, manual->weather.windSpeed, manual->weather.count),
            std::tuple(5, 33.0, 0));
}

}  // namespace
}  // namespace marigold
