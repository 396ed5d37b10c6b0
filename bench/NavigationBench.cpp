// Navigation math and the nearest-record search.
#include <benchmark/benchmark.h>

#include "core/Navigation.h"
#include "core/PositionList.h"
#include "core/Waypoint.h"

using namespace marigold;

namespace {

CPosition2 At(double lat, double lon) {
  CPosition2 p;
  p.SetLatitude(lat);
  p.SetLongitude(lon);
  return p;
}

void BM_DistanceGreatCircle(benchmark::State& state) {
  const CNavigation nav;
  const CPosition2 a = At(49.87, -6.445), b = At(40.458, -73.83);
  for (auto _ : state) benchmark::DoNotOptimize(nav.Distance(a, b, true));
}
BENCHMARK(BM_DistanceGreatCircle);

void BM_DistanceRhumbLine(benchmark::State& state) {
  const CNavigation nav;
  const CPosition2 a = At(49.87, -6.445), b = At(40.458, -73.83);
  for (auto _ : state) benchmark::DoNotOptimize(nav.Distance(a, b, false));
}
BENCHMARK(BM_DistanceRhumbLine);

void BM_Course(benchmark::State& state) {
  const CNavigation nav;
  const CPosition2 a = At(49.87, -6.445), b = At(40.458, -73.83);
  const bool greatCircle = state.range(0) != 0;
  for (auto _ : state) benchmark::DoNotOptimize(nav.Course(a, b, greatCircle));
}
BENCHMARK(BM_Course)->Arg(1)->Arg(0);

void BM_DeadReckoning(benchmark::State& state) {
  const CNavigation nav;
  CPosition2 p = At(49.87, -6.445);
  for (auto _ : state) {
    p.SetLatitude(49.87);
    p.SetLongitude(-6.445);
    nav.DeadReckoning(p, 120.0, 258.8);
    benchmark::DoNotOptimize(p);
  }
}
BENCHMARK(BM_DeadReckoning);

void BM_FindNearest5000(benchmark::State& state) {
  CRecordList<CWaypoint> list;
  for (int i = 0; i < 5000; ++i) {
    CWaypoint* w = list.AddNew();
    w->SetLatitude(-60 + 120.0 * i / 5000);
    w->SetLongitude(-180 + (i * 7919 % 36000) / 100.0);
  }
  const CPosition2 ship = At(40.5, -69.7);
  for (auto _ : state) benchmark::DoNotOptimize(list.FindNearest(ship));
}
BENCHMARK(BM_FindNearest5000)->Unit(benchmark::kMicrosecond);

}  // namespace
