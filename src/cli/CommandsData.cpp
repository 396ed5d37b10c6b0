// dump, export, import and fix: the files themselves.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/RecordJson.h"
#include "core/CivilTime.h"
#include "core/FileIo.h"
#include "core/FixSheet.h"
#include "exchange/ItemFile.h"
#include "lists/ListKind.h"
#include "voyage/FixHistory.h"
#include "voyage/ListCommands.h"

namespace marigold {
namespace {

template <class T>
std::string LoadAsJson(CArchive& ar) {
  T record;
  record.Serialize(ar);
  if constexpr (std::is_base_of_v<CPositionList, T>)
    return ToJson(static_cast<const CPositionList&>(record));
  else
    return ToJson(record).Text();
}

std::string DumpRoute(CArchive& ar, std::int32_t version) {
  CVoyage route;
  route.version = version;
  CPublicationList publications;
  CReportingPointList points;
  route.Serialize(ar);
  publications.Serialize(ar);
  points.Serialize(ar);
  if (!ar.AtEnd()) throw CArchiveException("bytes left over: not a route document of this type");
  CJsonObject o;
  o.Add("voyage", ToJson(route))
      .Raw("publications", ToJson(static_cast<const CPositionList&>(publications)))
      .Raw("reportingPoints", ToJson(static_cast<const CPositionList&>(points)));
  return o.Text();
}

void Print(const std::string& json) { std::printf("%s\n", json.c_str()); }

// The document's lists by their command-line names.
ERecordList ListNamed(const std::string& name) {
  if (const auto list = RecordListNamed(name)) return *list;
  throw CUsageError{"unknown list: " + name};
}

}  // namespace

int RunDump(const CCliArgs& args, CCliContext&) {
  const std::string path = args.Word(1, "FILE");
  const std::string kind = args.Required("as");
  std::string error;
  const auto bytes = ReadFileBytes(path, &error);
  if (!bytes) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  try {
    CArchive ar = CArchive::ForLoading(*bytes);
    if (kind == "route") return Print(DumpRoute(ar, 4)), 0;
    if (kind == "route-v3") return Print(DumpRoute(ar, 3)), 0;
    if (kind == "vessel") return Print(LoadAsJson<CVessel2>(ar)), 0;
    if (kind == "history") return Print(LoadAsJson<CRecordList<CFixRecord>>(ar)), 0;
    if (kind == "ports") return Print(LoadAsJson<CPortList>(ar)), 0;
    if (kind == "warnings") return Print(LoadAsJson<CWarningList>(ar)), 0;
    if (kind == "meteo") return Print(LoadAsJson<CMeteoList>(ar)), 0;
    if (kind == "hurricanes") return Print(LoadAsJson<CHurricaneList>(ar)), 0;
    if (kind == "item") {
      const auto item = ReadItem(*bytes);
      if (!item) throw CArchiveException("not an item file");
      CJsonObject o;
      o.Add("kind", static_cast<int>(item->kind)).Add("record", ToJson(*item->record));
      return Print(o.Text()), 0;
    }
  } catch (const CArchiveException& e) {
    std::fprintf(stderr, "%s: %s\n", path.c_str(), e.what());
    return 1;
  }
  throw CUsageError{"unknown --as " + kind};
}

int RunExport(const CCliArgs& args, CCliContext& context) {
  if (NamesRouteFormat(args.Word(1, "LIST"))) return RunExportRoute(args, context);
  const ERecordList list = ListNamed(args.Word(1, "LIST"));
  const std::string out = args.Required("o");
  std::optional<std::string> route;
  if (RecordListInfo(list).InRouteDocument()) route = args.Word(2, "ROUTE");
  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  return ExportList(*doc, list, out) ? 0 : 1;
}

int RunImport(const CCliArgs& args, CCliContext& context) {
  if (NamesRouteFormat(args.Word(1, "LIST"))) return RunImportRoute(args, context);
  const ERecordList list = ListNamed(args.Word(1, "LIST"));
  if (RecordListInfo(list).importCommand == 0) throw CUsageError{"the history is exported only"};
  std::optional<std::string> route;
  std::size_t fileWord = 2;
  if (RecordListInfo(list).InRouteDocument()) route = args.Word(fileWord++, "ROUTE");
  const std::string file = args.Word(fileWord, "FILE");
  CMarigoldRouteDoc* doc =
      context.Document(route, RecordListInfo(list).InRouteDocument() ? EWrites::Nothing : EWrites::DataFiles);
  if (!doc) return 1;
  // Only the file of the list that changed is written.
  const bool ok = ImportList(*doc, list, file, [&] {
    const CFileResult written = doc->SaveListFile(list, route.value_or(""));
    if (!written) std::fprintf(stderr, "%s\n", written.error.c_str());
    return bool(written);
  });
  return ok ? 0 : 1;
}

namespace {

// "YYYY-MM-DD HH:MM" into the fields of local time at the fix. Only days
// that exist, from 1970 (the files keep 32-bit calendar times) to 2099 (the
// day-number formula of the route files), whose UTC time is not before 1970.
void ReadFixTime(const std::string& text, double utcHours, CCivilTime& local) {
  char end = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%c", &local.year, &local.month, &local.day, &local.hour,
                  &local.minute, &end) != 5 ||
      local.hour < 0 || local.hour > 23 || local.minute < 0 || local.minute > 59)
    throw CUsageError{"--time wants \"YYYY-MM-DD HH:MM\": " + text};
  local.second = 0;
  const bool exists = local.year >= 1970 && local.year <= 2099 && local.month >= 1 && local.month <= 12 &&
                      local.day >= 1 && CivilTimeOf(DayNumberOf(local)) == local;
  if (!exists || CivilTimeOf(DayNumberOf(local) - utcHours / 24).year < 1970)
    throw CUsageError{"--time: no such day, or outside 1970 to 2099: " + text};
}

// The option that gives each field of the fix sheet.
const char* OptionOfField(const std::string& field) {
  static const std::pair<const char*, const char*> kOptions[] = {
      {"utcDifference", "--utc"},
      {"latitude", "--lat"},
      {"longitude", "--lon"},
      {"gyroCourse", "--gyro"},
      {"logSpeed", "--log"},
      {"engineRpm", "--rpm"},
      {"windDirection", "--wind-dir"},
      {"windSpeed", "--wind-speed"},
      {"airPressure", "--pressure"},
      {"airTemperature", "--air-temp"},
      {"seawaterTemperature", "--sea-temp"},
  };
  for (const auto& [prefix, option] : kOptions)
    if (field.rfind(prefix, 0) == 0) return option;
  return "--time";
}

}  // namespace

int RunFix(const CCliArgs& args, CCliContext& context) {
  const std::string route = args.Word(1, "ROUTE");
  // The fields as the fix sheet takes them, over the defaults of a new fix.
  CFixFields fields = ReadFix(CFixRecord());
  CFixPositionFields& p = fields.position;
  p.utcDifference = args.OptionalNumber("utc").value_or(0);
  ReadFixTime(args.Required("time"), p.utcDifference, p.localTime);
  p.position = PositionFields(ParseLatitude(args.Required("lat"), true), ParseLongitude(args.Required("lon"), true));
  p.gyroCourse = args.Number("gyro");
  p.logSpeed = args.Number("log");
  p.engineRpm = args.Number("rpm");
  CPresentWeatherFields& w = fields.weather;
  w.windDirection = args.OptionalNumber("wind-dir").value_or(w.windDirection);
  w.windSpeed = args.OptionalNumber("wind-speed").value_or(w.windSpeed);
  w.airPressure = args.OptionalNumber("pressure").value_or(w.airPressure);
  w.airTemperature = args.OptionalNumber("air-temp").value_or(w.airTemperature);
  w.seawaterTemperature = args.OptionalNumber("sea-temp").value_or(w.seawaterTemperature);
  // No sheet field: a range of its own.
  const std::optional<double> logReading = args.OptionalNumberIn("log-reading", 0, 1e7);
  // The ranges of the fix sheet, before anything is read or written.
  if (const std::optional<CFieldRefusal> refusal = Validate(fields)) {
    std::fprintf(stderr, "%s: %s\n", OptionOfField(refusal->field), refusal->message.c_str());
    return 1;
  }
  if (const char* warning = UtcSignWarning(p.utcDifference, p.position.longitudeHemisphere))
    context.prompter.Message(warning, EMessageIcon::Exclamation);

  CMarigoldRouteDoc* doc = context.Document(route, EWrites::DataFiles);
  if (!doc) return 1;
  CFixRecord& fix = *doc->NewFixFromVessel();
  ApplyFix(fields, fix);
  if (logReading) fix.logReading = *logReading;
  CommitFix(*doc, fix);
  // The history, the observations and the vessel's engine setting and
  // steered course that the fix set: all three kept, or none.
  const CFileResult saved = doc->SaveListFiles({ERecordList::Fixes, ERecordList::Meteo}, route, true);
  if (!saved) std::fprintf(stderr, "%s\n", saved.error.c_str());
  std::printf("%s\n", fix.GetName().c_str());
  return saved ? 0 : 1;
}

}  // namespace marigold
