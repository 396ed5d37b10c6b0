// dump, export, import and fix: the files themselves.
#include <cstdio>

#include "cli/Commands.h"
#include "cli/RecordJson.h"
#include "core/CivilTime.h"
#include "core/FileIo.h"
#include "lists/CsvFile.h"
#include "lists/ItemFile.h"
#include "voyage/FixHistory.h"

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

// The data-file lists and the route's lists by their command names.
enum class EListName { Meteo, History, Waypoints, Reporting, Warnings, Hurricanes, Publications, Ports };

EListName ListNamed(const std::string& name) {
  static const std::pair<const char*, EListName> kNames[] = {
      {"meteo", EListName::Meteo},           {"history", EListName::History},
      {"waypoints", EListName::Waypoints},   {"reporting", EListName::Reporting},
      {"warnings", EListName::Warnings},     {"hurricanes", EListName::Hurricanes},
      {"publications", EListName::Publications}, {"ports", EListName::Ports}};
  for (const auto& [text, list] : kNames)
    if (name == text) return list;
  throw CUsageError{"unknown list: " + name};
}

bool OnTheRoute(EListName list) {
  return list == EListName::Waypoints || list == EListName::Reporting || list == EListName::Publications;
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
  const EListName list = ListNamed(args.Word(1, "LIST"));
  const std::string out = args.Required("o");
  std::optional<std::string> route;
  if (OnTheRoute(list)) route = args.Word(2, "ROUTE");
  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  const CSettingsStore& store = context.Settings();
  CPrompter& p = context.prompter;
  bool ok = false;
  switch (list) {
    case EListName::Meteo: ok = ExportCsv(doc->Meteo(), out, store, p); break;
    case EListName::History: ok = ExportCsv(doc->Fixes(), out, store, p); break;
    case EListName::Waypoints: ok = ExportCsv(doc->Voyage(), out, store, p, kCsvVoyageEmpty); break;
    case EListName::Reporting: ok = ExportCsv(doc->ReportingPoints(), out, store, p, kCsvReportingListEmpty); break;
    case EListName::Warnings: ok = ExportCsv(doc->Warnings(), out, store, p); break;
    case EListName::Hurricanes: ok = ExportCsv(doc->Storms(), out, store, p); break;
    case EListName::Publications: ok = ExportCsv(doc->Publications(), out, store, p); break;
    case EListName::Ports: ok = ExportCsv(doc->Ports(), out, store, p); break;
  }
  std::fprintf(stderr, "%s\n", ok ? "Export succesfull" : "Export failed");
  return ok ? 0 : 1;
}

int RunImport(const CCliArgs& args, CCliContext& context) {
  const EListName list = ListNamed(args.Word(1, "LIST"));
  if (list == EListName::History) throw CUsageError{"the history is exported only"};
  std::optional<std::string> route;
  std::size_t fileWord = 2;
  if (OnTheRoute(list)) route = args.Word(fileWord++, "ROUTE");
  const std::string file = args.Word(fileWord, "FILE");
  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  const CSettingsStore& store = context.Settings();
  const auto stamped = [&context]<class T>() {
    return [&context]() { return std::make_unique<T>(context.clock.Now()); };
  };
  bool ok = false;
  std::optional<EDataFile> dataFile;
  switch (list) {
    case EListName::Meteo:
      ok = ImportMeteoCsv(doc->Meteo(), file, store, context.clock);
      dataFile = EDataFile::Meteo;
      break;
    case EListName::Waypoints: ok = ImportCsv(doc->Voyage(), file, store); break;
    case EListName::Reporting: ok = ImportCsv(doc->ReportingPoints(), file, store); break;
    case EListName::Warnings:
      ok = ImportCsv(doc->Warnings(), file, store);
      dataFile = EDataFile::Warnings;
      break;
    case EListName::Hurricanes:
      ok = ImportCsv(doc->Storms(), file, store);
      dataFile = EDataFile::Hurricanes;
      break;
    case EListName::Publications:
      ok = ImportCsv(doc->Publications(), file, store, stamped.operator()<CPublication>());
      break;
    case EListName::Ports:
      ok = ImportCsv(doc->Ports(), file, store, stamped.operator()<CPortInfo>());
      dataFile = EDataFile::Ports;
      break;
    case EListName::History: break;
  }
  if (ok) {
    // Only the file of the list that changed is written.
    CFileResult written;
    if (dataFile) {
      CPositionList& target = *dataFile == EDataFile::Meteo       ? static_cast<CPositionList&>(doc->Meteo())
                              : *dataFile == EDataFile::Warnings  ? static_cast<CPositionList&>(doc->Warnings())
                              : *dataFile == EDataFile::Hurricanes ? static_cast<CPositionList&>(doc->Storms())
                                                                   : static_cast<CPositionList&>(doc->Ports());
      written = SaveDataFile(*dataFile, store, [&target](CArchive& ar) { target.Serialize(ar); });
    } else {
      written = WriteFileAtomic(*route, doc->StoreRouteDocument(CVoyage::kCurrentVersion));
    }
    if (!written) std::fprintf(stderr, "%s\n", written.error.c_str());
    ok = bool(written);
  }
  std::fprintf(stderr, "%s\n", ok ? "Import succesfull" : "Import failed");
  return ok ? 0 : 1;
}

int RunFix(const CCliArgs& args, CCliContext& context) {
  const std::string route = args.Word(1, "ROUTE");
  CCivilTime local;
  const std::string time = args.Required("time");
  if (std::sscanf(time.c_str(), "%d-%d-%d %d:%d", &local.year, &local.month, &local.day, &local.hour,
                  &local.minute) != 5 ||
      local.month < 1 || local.month > 12 || local.day < 1 || local.day > 31 || local.hour < 0 ||
      local.hour > 23 || local.minute < 0 || local.minute > 59)
    throw CUsageError{"--time wants \"YYYY-MM-DD HH:MM\""};
  const double latitude = ParseLatitude(args.Required("lat"));
  const double longitude = ParseLongitude(args.Required("lon"));
  const double utc = args.OptionalNumber("utc").value_or(0);
  if (utc < -14 || utc > 14) throw CUsageError{"--utc must lie between -14 and 14 hours"};
  const double gyro = args.Number("gyro"), logSpeed = args.Number("log"), rpm = args.Number("rpm");

  CMarigoldRouteDoc* doc = context.Document(route);
  if (!doc) return 1;
  CFixRecord& fix = *doc->NewFixFromVessel();
  fix.SetUtcDifference(utc);
  // The time is the local time at the fix, kept as UTC.
  fix.SetTime(DayNumberOf(local) - fix.GetUtcDifferenceDays());
  fix.SetLatitude(latitude);
  fix.SetLongitude(longitude);
  fix.gyroCourse = gyro;
  fix.logSpeed = logSpeed;
  fix.engineRpm = rpm;
  CWeatherData& w = fix.weather;
  w.windDirection = args.OptionalNumber("wind-dir").value_or(w.windDirection);
  w.windSpeed = args.OptionalNumber("wind-speed").value_or(w.windSpeed);
  w.airPressure = args.OptionalNumber("pressure").value_or(w.airPressure);
  w.airTemperature = args.OptionalNumber("air-temp").value_or(w.airTemperature);
  w.seawaterTemperature = args.OptionalNumber("sea-temp").value_or(w.seawaterTemperature);
  w.count = 1;
  fix.logReading = args.OptionalNumber("log-reading").value_or(fix.logReading);
  doc->ProcessFix(fix);
  const CSettingsStore& store = context.Settings();
  const CFileResult history =
      SaveDataFile(EDataFile::History, store, [doc](CArchive& ar) { doc->Fixes().Serialize(ar); });
  const CFileResult meteo = SaveDataFile(EDataFile::Meteo, store, [doc](CArchive& ar) { doc->Meteo().Serialize(ar); });
  for (const CFileResult* r : {&history, &meteo})
    if (!*r) std::fprintf(stderr, "%s\n", r->error.c_str());
  std::printf("%s\n", fix.GetName().c_str());
  return history && meteo ? 0 : 1;
}

}  // namespace marigold
