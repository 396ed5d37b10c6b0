// Loading and saving a 100,000-fix history, against a plain memcpy of the
// same bytes run side by side: parsing should cost at most a few copies.
#include <benchmark/benchmark.h>

#include <cstring>
#include <optional>

#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/TextFormat.h"

using namespace marigold;

namespace {

constexpr int kFixes = 100000;

CRecordList<CFixRecord> MakeHistory() {
  CRecordList<CFixRecord> list;
  for (int i = 0; i < kFixes; ++i) {
    CFixRecord* f = list.AddNew();
    f->SetName(Format("PositionFix %02d Dec %02d:%02d LT", 1 + i % 28, i % 24, i % 60));
    f->SetLatitude(51.9 - i * 0.0001);
    f->SetLongitude(4.0 - i * 0.0007);
    f->SetTime(9000.0 + i / 24.0);
    f->groundCourse = 258.8;
    f->groundspeed = 14.2;
    f->gyroCourse = 260.0;
    f->logSpeed = 14.5;
    f->engineRpm = 92.0;
    f->weather.count = 1;
  }
  return list;
}

const CBytes& HistoryBytes() {
  static const CBytes bytes = [] {
    CRecordList<CFixRecord> list = MakeHistory();
    CArchive ar = CArchive::ForStoring();
    list.Serialize(ar);
    return ar.TakeBytes();
  }();
  return bytes;
}

void BM_FixListMemcpy(benchmark::State& state) {
  const CBytes& bytes = HistoryBytes();
  CBytes copy(bytes.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_FixListMemcpy)->Unit(benchmark::kMillisecond);

void BM_FixListLoad(benchmark::State& state) {
  const CBytes& bytes = HistoryBytes();
  std::optional<CRecordList<CFixRecord>> list;
  int loaded = 0;
  for (auto _ : state) {
    list.emplace();
    CArchive ar = CArchive::ForLoading(bytes);
    list->Serialize(ar);
    benchmark::DoNotOptimize(list->GetTail());
    // Freeing the records is not part of reading them.
    state.PauseTiming();
    loaded = list->GetCount();
    list.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
  state.counters["fixes"] = loaded;
}
BENCHMARK(BM_FixListLoad)->Unit(benchmark::kMillisecond);

void BM_FixListSave(benchmark::State& state) {
  const CRecordList<CFixRecord> list = MakeHistory();
  for (auto _ : state) {
    CArchive ar = CArchive::ForStoring();
    const_cast<CRecordList<CFixRecord>&>(list).Serialize(ar);
    benchmark::DoNotOptimize(ar.TakeBytes().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * HistoryBytes().size()));
}
BENCHMARK(BM_FixListSave)->Unit(benchmark::kMillisecond);

}  // namespace
