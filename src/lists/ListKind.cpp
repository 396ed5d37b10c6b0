#include "lists/ListKind.h"

#include "core/CommandIds.h"
#include "lists/RecordTypes.h"

namespace marigold {
namespace {

namespace cmd = command;
using R = ERecordList;
using K = EListKind;

// In the order of ERecordList.
constexpr std::array<CRecordListInfo, kRecordListCount> kRecordLists = {{
    {R::Route, "waypoints", std::nullopt, "waypoints", cmd::kExportWaypoints, cmd::kImportWaypoints, kCsvVoyageEmpty},
    {R::Fixes, "history", EDataFile::History, "history", cmd::kExportHistory, 0, kCsvListEmpty},
    {R::ReportingPoints, "reporting", std::nullopt, "reporting", cmd::kExportReportingPoints,
     cmd::kImportReportingPoints, kCsvReportingListEmpty},
    {R::Warnings, "warnings", EDataFile::Warnings, "navwarnings", cmd::kExportWarnings, cmd::kImportWarnings,
     kCsvListEmpty},
    {R::Meteo, "meteo", EDataFile::Meteo, "meteo", cmd::kExportMeteo, cmd::kImportMeteo, kCsvListEmpty},
    {R::Storms, "hurricanes", EDataFile::Hurricanes, "hurricanes", cmd::kExportHurricanes, cmd::kImportHurricanes,
     kCsvListEmpty},
    {R::Publications, "publications", std::nullopt, "publications", cmd::kExportPublications, cmd::kImportPublications,
     kCsvListEmpty},
    {R::Ports, "ports", EDataFile::Ports, "portname", cmd::kExportPorts, cmd::kImportPorts, kCsvListEmpty},
}};

// In the order of EListKind.
constexpr std::array<CListKindInfo, kListKindCount> kListKinds = {{
    {K::Schedule, "Schedule", "schedule", 0, R::Route, R::Route, true, false, cmd::kInsertWaypoint},
    {K::PositionFixes, "Position Fixes", "fixes", 1, R::Fixes, R::Fixes, false, true, cmd::kInsertPositionFix},
    {K::ReportingPoints, "Reporting Points", "reporting", 2, R::ReportingPoints, R::ReportingPoints, false, true,
     cmd::kInsertReportingPoint},
    {K::Warnings, "Warnings", "warnings", 3, R::Warnings, R::Warnings, false, true, cmd::kInsertWarning},
    {K::Meteo, "Meteo", "meteo", 4, R::Route, R::Meteo, false, true, 0},
    {K::Waypoints, "Waypoints", "waypoints", 5, R::Route, R::Route, true, true, cmd::kInsertWaypoint},
    {K::Storms, "Hurricanes", "hurricanes", 6, R::Storms, R::Storms, false, true, cmd::kInsertHurricane},
    {K::Charts, "Charts", "charts", 7, R::Publications, R::Publications, false, true, cmd::kInsertPublication},
    {K::Books, "Books", "books", 8, R::Publications, R::Publications, false, true, cmd::kInsertPublication},
    {K::Ports, "Ports", "ports", 9, R::Ports, R::Ports, false, true, cmd::kInsertPort},
}};

constexpr bool InOrder() {
  for (std::size_t i = 0; i < kRecordLists.size(); ++i)
    if (static_cast<std::size_t>(kRecordLists[i].list) != i) return false;
  for (std::size_t i = 0; i < kListKinds.size(); ++i)
    if (static_cast<std::size_t>(kListKinds[i].kind) != i) return false;
  return true;
}
static_assert(InOrder(), "the tables are indexed by their enumerations");

}  // namespace

const CRecordListInfo& RecordListInfo(ERecordList list) { return kRecordLists[static_cast<std::size_t>(list)]; }

const CListKindInfo& ListKindInfo(EListKind kind) { return kListKinds[static_cast<std::size_t>(kind)]; }

std::optional<EListKind> ListKindOf(std::int32_t number) {
  if (number < 0 || number >= kListKindCount) return std::nullopt;
  return static_cast<EListKind>(number);
}

std::optional<EListKind> ListKindNamed(std::string_view cliName) {
  for (const CListKindInfo& info : kListKinds)
    if (cliName == info.cliName) return info.kind;
  return std::nullopt;
}

std::optional<ERecordList> RecordListNamed(std::string_view name) {
  for (const CRecordListInfo& info : kRecordLists)
    if (name == info.name) return info.list;
  return std::nullopt;
}

std::optional<CCsvCommand> CsvCommandOf(int commandId) {
  if (commandId == 0) return std::nullopt;
  for (const CRecordListInfo& info : kRecordLists) {
    if (info.exportCommand == commandId) return CCsvCommand{info.list, false};
    if (info.importCommand == commandId) return CCsvCommand{info.list, true};
  }
  return std::nullopt;
}

std::unique_ptr<CPosition2> MakeRecord(ERecordList list) {
  return VisitRecordType(list, []<class T>() -> std::unique_ptr<CPosition2> { return std::make_unique<T>(); });
}

}  // namespace marigold
