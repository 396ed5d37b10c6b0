// Printing against its targets: the first page of every mode drawn as the
// print preview draws it (under 200 ms), the whole voyage plan of a
// 1,000-waypoint route into a PDF (under 2 s) and the history of 100,000
// fixes, some 6,700 pages, into a PDF (under 30 s).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "core/LocalClock.h"
#include "core/MemorySettingsStore.h"
#include "core/TextFormat.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "printing/PrintJob.h"
#include "qtplatform/PageWriter.h"
#include "qtplatform/QtPainter.h"

using namespace marigold;

namespace {

namespace fs = std::filesystem;

constexpr std::time_t kNow = 1700000000;

// A document over fresh data files with `waypoints` waypoints, `fixes` fixes
// and a few records in every other list.
class CScene {
 public:
  CScene(int waypoints, int fixes)
      : dir_(fs::temp_directory_path() / ("marigold-print-bench-" + std::to_string(::getpid()))) {
    fs::create_directories(dir_);
    UseDataFolder(store_, dir_.string());
    WriteFreshDataFiles(store_);
    store_.WriteInt("Path", "AskLoadOld", 0);
    doc.emplace(store_, prompter_, clock_, CMarigoldRouteDoc::EMode::ReadOnly);
    const double today = ToDayNumber(kNow);
    doc->Fixes().RemoveAll();
    for (int i = 0; i < fixes; ++i) {
      CFixRecord* f = doc->Fixes().AddNew();
      f->SetLatitude(51.9 - i * 0.0001);
      f->SetLongitude(3.9 - i * 0.0007);
      f->SetTime(today - 20 + i * (20.0 / fixes));
      f->groundspeed = 14;
    }
    for (int i = 0; i < waypoints; ++i) {
      CWaypoint* w = doc->Voyage().AddNew();
      w->SetName(Format("WP %d", i));
      w->SetLatitude(50 - 10.0 * i / waypoints);
      w->SetLongitude(-5 - 65.0 * i / waypoints);
    }
    doc->Voyage().GetHead()->SetTimeA(today);
    doc->Voyage().GetTail()->SetTimeB(today + 12);
    for (int i = 0; i < 10; ++i) {
      doc->Storms().AddNew()->SetLatitude(20 + i);
      doc->Warnings().AddNew()->SetLatitude(45 + i);
      doc->ReportingPoints().AddNew()->SetLatitude(48 - i);
      doc->Publications().AddNew()->number = Format("Chart %d", i);
    }
    doc->Ports().AddNew()->SetName("Arrival");
    options.title = "passage.rtp";
    options.printedAt = kNow;
  }
  ~CScene() {
    doc.reset();
    fs::remove_all(dir_);
  }
  std::string File(const char* name) const { return (dir_ / name).string(); }

  std::optional<CMarigoldRouteDoc> doc;
  CPrintOptions options;

 private:
  fs::path dir_;
  CMemorySettingsStore store_;
  CScriptedPrompter prompter_;
  CFixedClock clock_{kNow};
};

QGuiApplication& Application() {
  static int argc = 1;
  static char name[] = "print_bench";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
  return application;
}

// The preview's first page: the job made and page 1 drawn onto an A4 image
// at the screen's resolution.
void BM_PreviewFirstPage(benchmark::State& state) {
  Application();
  CScene scene(20, 300);
  scene.options.port = scene.doc->Ports().GetHead();
  const int mode = static_cast<int>(state.range(0));
  QImage image(794, 1123, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    const CPrintRequest request = MakePrintJob(*scene.doc, mode, scene.options);
    QPainter qt(&image);
    CQtPainter painter(qt, 96);
    if (request.job) request.job->DrawPage(painter, 1);
  }
  state.SetLabel(PrintModeName(mode));
}
BENCHMARK(BM_PreviewFirstPage)->DenseRange(0, kPrintModeCount - 1)->Unit(benchmark::kMillisecond);

void BM_VoyagePlanOf1000WaypointsToPdf(benchmark::State& state) {
  Application();
  CScene scene(1000, 200);
  for (auto _ : state) {
    const auto job = MakeVoyagePlanJob(*scene.doc, scene.options);
    const CPdfResult result = WritePdf(scene.File("plan.pdf"), *PaperNamed("a4"), "plan", job->PageCount(),
                                       [&job](CPainter& p, int page) { job->DrawPage(p, page); });
    if (!result.written) state.SkipWithError(result.message.c_str());
    state.counters["pages"] = job->PageCount();
  }
}
BENCHMARK(BM_VoyagePlanOf1000WaypointsToPdf)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_HistoryOf100000FixesToPdf(benchmark::State& state) {
  Application();
  CScene scene(10, 100000);
  for (auto _ : state) {
    const CPrintRequest request = MakePrintJob(*scene.doc, static_cast<int>(EListKind::PositionFixes), scene.options);
    const CPrintJob& job = *request.job;
    const CPdfResult result = WritePdf(scene.File("history.pdf"), *PaperNamed("a4"), "history", job.PageCount(),
                                       [&job](CPainter& p, int page) { job.DrawPage(p, page); });
    if (!result.written) state.SkipWithError(result.message.c_str());
    state.counters["pages"] = job.PageCount();
  }
}
BENCHMARK(BM_HistoryOf100000FixesToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
