// The nearest-record index must answer exactly as the list's linear scan,
// and the weather fill built on it exactly as the meteo list's own fill.
#include <gtest/gtest.h>

#include <random>

#include "fakes/Records.h"
#include "lists/MeteoList.h"
#include "voyage/Schedule.h"
#include "voyage/ScheduleNearest.h"

namespace marigold {
namespace {

TEST(ScheduleNearest, SameRecordAsTheLinearScan) {
  CMeteoList list;
  std::mt19937 random(3);
  std::uniform_real_distribution<double> unit(0, 1);
  // Exact duplicates (the first must win), poles, longitudes beyond ±180, a
  // position that is not a number and one beyond the indexed range.
  for (int i = 0; i < 1500; ++i) {
    const CPosition2* copy = i % 7 == 6 ? list.GetAt(static_cast<int>(unit(random) * i)) : nullptr;
    Placed(list.AddNew(), copy ? copy->GetLatitude() : (i % 97 == 0 ? 90.0 : 180 * unit(random) - 90),
           copy ? copy->GetLongitude() : 1080 * unit(random) - 540);
  }
  Placed(list.AddNew(), std::numeric_limits<double>::quiet_NaN(), 0);
  Placed(list.AddNew(), 10, 1.0e7);
  const CNearestIndex index(list);

  CPosition2 q;
  for (int i = 0; i < 1500; ++i) {
    const CPosition2& on = *list.GetAt(static_cast<int>(unit(random) * list.GetCount()));
    q.SetLatitude(i % 5 ? 180 * unit(random) - 90 : on.GetLatitude());
    q.SetLongitude(i % 5 ? (i % 11 ? 1080 * unit(random) - 540 : 1.0e7 + unit(random)) : on.GetLongitude());
    ASSERT_EQ(index.Nearest(q), list.FindNearest(q)) << q.GetLatitude() << " " << q.GetLongitude();
  }
  q.SetLatitude(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(index.Nearest(q), list.GetHead());
  EXPECT_EQ(CNearestIndex(CMeteoList()).Nearest(q), nullptr);
}

TEST(ScheduleFillWeather, SameWeatherAsTheMeteoListsOwnFill) {
  CMeteoList meteo;
  std::mt19937 random(5);
  std::uniform_real_distribution<double> unit(0, 1);
  for (int i = 0; i < 400; ++i) {
    CMeteoRecord* r = Placed(meteo.AddNew(), 120 * unit(random) - 60, 360 * unit(random) - 180);
    int n = 1;
    for (CWeatherData* slot : {&r->winter, &r->spring, &r->summer, &r->autumn, &r->latest}) slot->count = n++ * i;
  }
  for (const bool present : {false, true}) {
    CVoyage filled, expected;
    for (CVoyage* route : {&filled, &expected}) {
      std::mt19937 same(11);
      route->weatherSource = present;
      for (int i = 0; i < 200; ++i) {
        const double latitude = 120 * unit(same) - 60;
        CWaypoint* w = Placed(route->AddNew(), latitude, 360 * unit(same) - 180);
        w->SetTimeB(1000 + 365 * unit(same));
        w->SetUtcDifference(i % 3 - 1);
        w->useAverageWeather = i % 4 != 0;  // the others keep their manual weather
        w->weather.windSpeed = -1;
      }
    }
    FillWeather(filled, meteo);
    meteo.AssignRouteWeather(expected);
    for (int i = 0; i < filled.GetCount(); ++i) ASSERT_EQ(filled.GetAt(i)->weather, expected.GetAt(i)->weather) << i;
  }

  CVoyage route;  // without records: the default weather
  route.AddNew()->weather.windSpeed = 20;
  FillWeather(route, CMeteoList());
  EXPECT_EQ(route.GetHead()->weather, CWeatherData{});
}

}  // namespace
}  // namespace marigold
