// export and import of the route as RTZ or GPX, and tracks into the
// history.
#include <cstdio>
#include <filesystem>

#include "cli/Commands.h"
#include "voyage/RouteTransfer.h"

namespace marigold {
namespace {

std::optional<ERouteFormat> RouteFormatNamed(const std::string& name) {
  if (name == "rtz") return ERouteFormat::Rtz;
  if (name == "gpx") return ERouteFormat::Gpx;
  return std::nullopt;
}

// Writes the one file that changed; says why when it cannot.
bool Written(CMarigoldRouteDoc& doc, ERecordList list, const std::string& route) {
  const CFileResult written = doc.SaveListFile(list, route);
  if (!written) std::fprintf(stderr, "%s\n", written.error.c_str());
  return bool(written);
}

}  // namespace

bool NamesRouteFormat(const std::string& word) { return RouteFormatNamed(word).has_value(); }

int RunExportRoute(const CCliArgs& args, CCliContext& context) {
  const ERouteFormat format = *RouteFormatNamed(args.Word(1, "FORMAT"));
  const std::string route = args.Word(2, "ROUTE");
  const std::string out = args.Required("o");
  CRouteExport what{format, kDefaultRtzVersion, RouteTitle(route)};
  if (const std::optional<std::string> version = args.Option("rtz-version")) {
    const std::optional<ERtzVersion> named = RtzVersionNamed(*version);
    if (format != ERouteFormat::Rtz || !named) throw CUsageError{"--rtz-version wants 1.0 or 1.1, for rtz"};
    what.rtzVersion = *named;
  }
  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  return ExportRoute(*doc, what, out) ? 0 : 1;
}

int RunImportRoute(const CCliArgs& args, CCliContext& context) {
  const ERouteFormat format = *RouteFormatNamed(args.Word(1, "FORMAT"));
  const std::string as = args.Option("as").value_or("route");
  if (as == "history") {
    if (format != ERouteFormat::Gpx) throw CUsageError{"--as history takes the tracks of a GPX file"};
    const std::string file = args.Word(2, "FILE");
    CMarigoldRouteDoc* doc = context.Document(std::nullopt, EWrites::DataFiles);
    if (!doc) return 1;
    return ImportTrack(*doc, file, [&] { return Written(*doc, ERecordList::Fixes, ""); }) ? 0 : 1;
  }
  if (as != "route") throw CUsageError{"--as wants route or history"};
  const std::string route = args.Word(2, "ROUTE");
  const std::string file = args.Word(3, "FILE");
  // A route document that does not exist yet is made by the import.
  const bool exists = std::filesystem::exists(route);
  CMarigoldRouteDoc* doc = context.Document(exists ? std::optional(route) : std::nullopt);
  if (!doc) return 1;
  if (!exists) doc->New();
  // The command is the answer to the desktop's question before replacing.
  context.prompter.answerYes = true;
  return ImportRoute(*doc, format, file, [&] { return Written(*doc, ERecordList::Route, route); }) ? 0 : 1;
}

}  // namespace marigold
