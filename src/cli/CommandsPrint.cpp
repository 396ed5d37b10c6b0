// print: every printed page of the desktop program into a PDF file.
#include <unistd.h>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "cli/Commands.h"
#include "printing/PrintJob.h"
#include "qtplatform/PageWriter.h"

namespace marigold {
namespace {

// Fonts and the PDF writer need a GUI application, never a screen.
void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static int argc = 1;
  static char name[] = "marigold";
  static char* argv[] = {name, nullptr};
  // Qt's own notices (a missing runtime folder) are no business of the
  // command's user.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });
  static QGuiApplication application(argc, argv);
}

const CPortInfo* PortOption(const CCliArgs& args, CMarigoldRouteDoc& doc) {
  const std::optional<std::string> port = args.Option("port");
  if (!port) return nullptr;
  const int index = std::atoi(port->c_str());
  if (index < 1 || index > doc.Ports().GetCount())
    throw CUsageError{"--port takes a port's index from 1 to " + std::to_string(doc.Ports().GetCount())};
  return doc.Ports().GetAt(index - 1);
}

// The plotting sheet's choices on the command line, over the document's
// stored settings.
void SheetOptions(const CCliArgs& args, CPlottingSheetSettings& sheet) {
  if (const auto latitude = args.Option("center")) {
    sheet.centreLatitude = ParseLatitude(*latitude);
    sheet.centreLongitude = ParseLongitude(args.Word(3, "LON after --center LAT"));
  }
  if (const auto scale = args.Option("scale")) {
    // A scale that is no number is left for the sheet's own refusal.
    char* end = nullptr;
    const double value = std::strtod(scale->c_str(), &end);
    sheet.scale = scale->empty() || *end ? 0 : value;
  }
  if (const auto latitude = args.Option("scale-latitude")) sheet.scaleLatitude = ParseLatitude(*latitude);
  if (const auto projection = args.Option("projection")) {
    if (*projection == "mercator")
      sheet.projection = EProjection::Mercator;
    else if (*projection == "gnomonic")
      sheet.projection = EProjection::Gnomonic;
    else if (*projection == "polar")
      sheet.projection = EProjection::Polar;
    else
      throw CUsageError{"--projection takes mercator, gnomonic or polar"};
  }
  if (const auto objects = args.Option("objects")) {
    const auto has = [&objects](const char* name) { return objects->find(name) != std::string::npos; };
    sheet.waypoints = has("waypoints");
    sheet.fixes = has("fixes");
    sheet.reportingPoints = has("reporting");
    sheet.averageWeather = has("average-weather");
    sheet.latestWeather = has("latest-weather");
    sheet.storms = has("storms");
    sheet.warnings = has("warnings");
  }
}

}  // namespace

int RunPrint(const CCliArgs& args, CCliContext& context) {
  const std::string what = args.Word(1, "MODE");
  const bool plan = what == "plan";
  const std::optional<int> mode = PrintModeNamed(what);
  if (!plan && !mode) throw CUsageError{"unknown print mode: " + what};
  const std::string route = args.Word(2, "ROUTE");
  const std::optional<std::string> output = args.Option("o");
  if (!output) throw CUsageError{"print needs -o FILE.pdf"};
  const std::optional<QPageSize> paper = PaperNamed(args.Option("paper").value_or("a4"));
  if (!paper) throw CUsageError{"--paper takes a4 or letter"};

  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  CPrintOptions options;
  options.title = std::filesystem::path(route).filename().string();
  options.printedAt = context.clock.Now();
  options.port = PortOption(args, *doc);
  SheetOptions(args, doc->plottingSheet);
  if (const auto storm = args.OptionalNumber("storm")) doc->stormAdvisory.storm = static_cast<int>(*storm) - 1;
  if (args.Flag("keep-course")) doc->stormAdvisory.keepCourseAndSpeed = true;
  // The speed graph's fixes, counted from 1 as the list shows them.
  if (const auto from = args.OptionalNumber("from")) doc->graphRange.from = static_cast<int>(*from) - 1;
  if (const auto to = args.OptionalNumber("to")) doc->graphRange.to = static_cast<int>(*to) - 1;

  std::unique_ptr<CPrintJob> job;
  if (plan) {
    job = MakeVoyagePlanJob(*doc, options);
  } else {
    CPrintRequest request = MakePrintJob(*doc, *mode, options);
    if (!request.job) {
      context.prompter.Message(request.refusal, EMessageIcon::None);
      return 1;
    }
    job = std::move(request.job);
  }

  EnsureGuiApplication();
  const bool terminal = isatty(STDERR_FILENO) != 0;
  const CPdfResult result = WritePdf(
      *output, *paper, options.title, job->PageCount(), [&job](CPainter& p, int page) { job->DrawPage(p, page); },
      [terminal](int done, int total) {
        if (terminal && (done % 50 == 0 || done == total)) std::fprintf(stderr, "\rpage %d of %d", done, total);
        if (terminal && done == total) std::fputc('\n', stderr);
        return true;
      });
  if (!result.written) {
    std::fprintf(stderr, "%s\n", result.message.c_str());
    return 1;
  }
  return 0;
}

}  // namespace marigold
