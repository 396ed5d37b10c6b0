// The warnings list: every refresh measures every warning against the route.
// 200 warnings along a 30-day route of 500 waypoints, one-hour steps.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "core/Navigation.h"
#include "core/Voyage.h"
#include "lists/WarningApproach.h"
#include "lists/WarningRows.h"

using namespace marigold;

namespace {

constexpr double kStart = 1500.0;

struct CScene {
  CVoyage route;
  CWarningList warnings;
  CPosition2 start;

  CScene() {
    // A meandering passage of some 8,500 nM from the Caribbean eastwards.
    const CNavigation nav;
    for (int i = 0; i < 500; ++i) {
      CWaypoint* w = route.AddNew();
      w->SetLatitude(10 + 20 * std::sin(i / 80.0));
      w->SetLongitude(-60 + i * 0.3);
    }
    double total = 0;
    for (int i = 1; i < route.GetCount(); ++i) {
      CWaypoint* w = route.GetAt(i);
      w->groundCourse = nav.Course(*route.GetAt(i - 1), *w, false);
      total += nav.Distance(*route.GetAt(i - 1), *w, false);
    }
    route.GetHead()->groundCourse = route.GetAt(1)->groundCourse;
    for (const auto& record : route) static_cast<CWaypoint&>(*record).keptGroundspeed = total / (30 * 24);
    route.GetTail()->SetTimeB(kStart + 30);
    start.SetLatitude(route.GetHead()->GetLatitude());
    start.SetLongitude(route.GetHead()->GetLongitude());
    start.SetTime(kStart);

    std::mt19937 random(42);
    std::uniform_real_distribution<double> lat(-15, 35), lon(-65, 95);
    for (int i = 0; i < 200; ++i) {
      CNavWarning* w = warnings.AddNew();
      w->SetLatitude(lat(random));
      w->SetLongitude(lon(random));
      w->number = "NW " + std::to_string(i);
    }
  }
};

// Each warning on its own, step by step along the route.
void BM_WarningsNaive(benchmark::State& state) {
  CScene scene;
  for (auto _ : state) {
    for (const auto& w : scene.warnings) {
      double distance = 0, bearing = 0;
      benchmark::DoNotOptimize(ClosestApproach(*w, scene.route, scene.start, 1.0, distance, bearing));
    }
  }
}
BENCHMARK(BM_WarningsNaive)->Unit(benchmark::kMillisecond);

// The route sailed once, every warning measured against the track.
void BM_WarningsBatch(benchmark::State& state) {
  const CScene scene;
  for (auto _ : state) {
    const CWarningTrack track(scene.route, scene.start, 1.0);
    for (const auto& w : scene.warnings) {
      double distance = 0, bearing = 0;
      benchmark::DoNotOptimize(track.ClosestApproach(*w, distance, bearing));
    }
  }
}
BENCHMARK(BM_WarningsBatch)->Unit(benchmark::kMillisecond);

// The whole refresh of the list, texts included.
void BM_WarningRows(benchmark::State& state) {
  const CScene scene;
  for (auto _ : state) benchmark::DoNotOptimize(WarningRows(scene.warnings, scene.route, scene.start));
}
BENCHMARK(BM_WarningRows)->Unit(benchmark::kMillisecond);

}  // namespace
