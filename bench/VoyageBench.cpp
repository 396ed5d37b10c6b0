// The schedule: every view, sheet and print recomputes it, and loading a
// route fills the weather of every waypoint from the meteo records first.
// A 1,000-waypoint route over 30 days, 5,000 meteo records world-wide.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"
#include "vessel/Vessel2.h"
#include "voyage/Schedule.h"

using namespace marigold;

namespace {

constexpr double kStart = 1500.0;

struct CScene {
  CVoyage route;
  CMeteoList meteo;
  CVessel2 vessel;
  CFixRecord start;

  CScene() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int i = 0; i < 1000; ++i) {
      CWaypoint* w = route.AddNew();
      w->SetLatitude(10 + 30 * std::sin(i / 150.0));
      w->SetLongitude(-60 + i * 0.15);
      w->greatCircle = i % 3 == 0;
      w->useAverageWeather = i % 10 != 0;
      w->weather.currentSet = 360 * unit(random);
      w->weather.currentRate = 2 * unit(random);
      w->weather.windDirection = 360 * unit(random);
      w->weather.windSpeed = 30 * unit(random);
      if (i % 50 == 25) {
        w->keepGroundspeed = true;
        w->keptGroundspeed = 10;
      }
    }
    route.GetTail()->SetTimeB(kStart + 30);
    start.SetLatitude(route.GetHead()->GetLatitude());
    start.SetLongitude(route.GetHead()->GetLongitude());
    start.SetTime(kStart);

    for (int i = 0; i < 5000; ++i) {
      CMeteoRecord* r = meteo.AddNew();
      r->SetLatitude(std::asin(2 * unit(random) - 1) * 180 / 3.141592654);
      r->SetLongitude(360 * unit(random) - 180);
      for (CWeatherData* slot : {&r->winter, &r->spring, &r->summer, &r->autumn, &r->latest}) {
        slot->count = 1;
        slot->windSpeed = 40 * unit(random);
        slot->currentRate = 3 * unit(random);
      }
    }
  }
};

void BM_Calculate(benchmark::State& state) {
  CScene scene;
  for (auto _ : state) {
    Calculate(scene.route, scene.vessel, scene.start);
    benchmark::DoNotOptimize(scene.route.GetTail()->GetTimeA());
  }
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMillisecond);

// The weather fill through the nearest-record index, then the schedule.
void BM_FillWeatherAndCalculate(benchmark::State& state) {
  CScene scene;
  for (auto _ : state) {
    FillWeather(scene.route, scene.meteo);
    Calculate(scene.route, scene.vessel, scene.start);
    benchmark::DoNotOptimize(scene.route.GetTail()->GetTimeA());
  }
}
BENCHMARK(BM_FillWeatherAndCalculate)->Unit(benchmark::kMillisecond);

// The same with the list's own fill: a scan of every record per waypoint.
void BM_FillWeatherNaiveAndCalculate(benchmark::State& state) {
  CScene scene;
  for (auto _ : state) {
    scene.meteo.AssignRouteWeather(scene.route);
    Calculate(scene.route, scene.vessel, scene.start);
    benchmark::DoNotOptimize(scene.route.GetTail()->GetTimeA());
  }
}
BENCHMARK(BM_FillWeatherNaiveAndCalculate)->Unit(benchmark::kMillisecond);

}  // namespace
