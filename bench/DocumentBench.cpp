// Opening a route document the size of a long ocean passage with a full
// history: constructing the document (the six data files) and reading the
// route (with the clean-up, the weather fill and both schedule runs).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "core/FileIo.h"
#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "voyage/MarigoldRouteDoc.h"

using namespace marigold;

namespace {

namespace fs = std::filesystem;

constexpr int kWaypoints = 1000;
constexpr int kFixes = 100000;
constexpr int kMeteo = 5000;
constexpr std::time_t kNow = 1700000000;

class CScene {
 public:
  CScene() : dir_(fs::temp_directory_path() / ("marigold-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
    UseDataFolder(store, dir_.string());
    WriteFreshDataFiles(store);
    store.WriteInt("Path", "AskLoadOld", 0);
    store.WriteInt("Path", "DaysOldFix", 30);
    CScriptedPrompter quiet;
    CFixedClock clock(kNow);
    CMarigoldRouteDoc doc(store, quiet, clock);
    const double today = ToDayNumber(kNow);
    doc.Fixes().RemoveAll();
    for (int i = 0; i < kFixes; ++i) {
      CFixRecord* f = doc.Fixes().AddNew();
      f->SetName(Format("PositionFix %02d Nov %02d:%02d LT", 1 + i % 28, i % 24, i % 60));
      f->SetLatitude(51.9 - i * 0.0001);
      f->SetLongitude(3.9 - i * 0.0007);
      f->SetTime(today - 20 + i * (20.0 / kFixes));
      f->groundspeed = 14;
    }
    doc.Meteo().RemoveAll();
    for (int i = 0; i < kMeteo; ++i) {
      CMeteoRecord* m = doc.Meteo().AddNew();
      m->SetLatitude(-60 + 120.0 * i / kMeteo);
      m->SetLongitude(-180 + (i * 7919 % 36000) / 100.0);
    }
    for (int i = 0; i < kWaypoints; ++i) {
      CWaypoint* w = doc.Voyage().AddNew();
      w->SetName(Format("WP %d", i));
      w->SetLatitude(50 - 10.0 * i / kWaypoints);
      w->SetLongitude(-5 - 65.0 * i / kWaypoints);
    }
    doc.Voyage().GetTail()->SetTimeB(today + 12);
    doc.Save(Route());
  }
  ~CScene() { fs::remove_all(dir_); }
  std::string Route() const { return (dir_ / "passage.rtp").string(); }

  CMemorySettingsStore store;

 private:
  fs::path dir_;
};

void BM_OpenLongPassage(benchmark::State& state) {
  CScene scene;
  CScriptedPrompter prompter;
  CFixedClock clock(kNow);
  for (auto _ : state) {
    state.PauseTiming();
    {
      state.ResumeTiming();
      CMarigoldRouteDoc doc(scene.store, prompter, clock);
      if (!doc.Open(scene.Route()) || doc.Fixes().GetCount() != kFixes || doc.Meteo().GetCount() != kMeteo)
        state.SkipWithError("the passage did not open whole");
      benchmark::DoNotOptimize(doc.Voyage().GetTail());
      state.PauseTiming();  // the save at the end is not part of opening
    }
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenLongPassage)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
