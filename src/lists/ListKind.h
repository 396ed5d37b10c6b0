#pragma once
// The ten lists of the navigation tree and the eight record lists of the
// document behind them, described once. The views, the command table, the
// command line, the item files and printing all read these tables instead
// of switching on the kind themselves.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

#include "core/DataFile.h"
#include "core/Position2.h"

namespace marigold {

// What a comma-separated export says when it wrote nothing (the file name follows).
inline constexpr const char* kCsvListEmpty = "List empty or\nUnable to open file \n";
inline constexpr const char* kCsvReportingListEmpty = "list empty or\nUnable to open file \n";
inline constexpr const char* kCsvVoyageEmpty = "Voyage empty or\nUnable to open file \n";

// The lists by their numbers, which item files store and the document's
// selected list keeps.
enum class EListKind : std::int32_t {
  Schedule = 0,
  PositionFixes = 1,
  ReportingPoints = 2,
  Warnings = 3,
  Meteo = 4,
  Waypoints = 5,
  Storms = 6,
  Charts = 7,
  Books = 8,
  Ports = 9,
};
inline constexpr int kListKindCount = 10;

// The record lists the document owns.
enum class ERecordList { Route, Fixes, ReportingPoints, Warnings, Meteo, Storms, Publications, Ports };
inline constexpr int kRecordListCount = 8;

struct CRecordListInfo {
  ERecordList list;
  const char* name;  // on the command line ("waypoints", "history", ...)
  // The data file that keeps the list; none for the lists of the route
  // document, whose changes mark the document modified.
  std::optional<EDataFile> dataFile;
  const char* csvName;          // offered by the CSV file dialogs
  int exportCommand;            // Tools > Export
  int importCommand;            // Tools > Import; 0 when the list is only exported
  const char* csvEmptyMessage;  // an export that wrote nothing, before the file name

  bool InRouteDocument() const { return !dataFile; }
};

struct CListKindInfo {
  EListKind kind;
  const char* name;     // the tree's text ("Position Fixes")
  const char* cliName;  // on the command line ("fixes")
  int image;            // of the tree item and of every row
  ERecordList shows;    // the records the rows stand for; an item file's record is of its type
  // Where Delete looks for a row's record. The Meteo list shows the route's
  // waypoints but deletes from the meteo records, so its rows are never
  // deleted there.
  ERecordList deletesFrom;
  bool startRow;       // row 0 is the start position, no record of the list
  bool pagedByRecord;  // printed pages follow the record count (the schedule prints on one page)
  int insertCommand;   // 0: records are not entered by hand
};

const CRecordListInfo& RecordListInfo(ERecordList list);
const CListKindInfo& ListKindInfo(EListKind kind);

// The kind of a stored number; none outside 0 to 9.
std::optional<EListKind> ListKindOf(std::int32_t number);
// By command-line name; none for any other name.
std::optional<EListKind> ListKindNamed(std::string_view cliName);
std::optional<ERecordList> RecordListNamed(std::string_view name);
// The record list whose CSV export or import this command is; none for
// every other command.
struct CCsvCommand {
  ERecordList list;
  bool import;
};
std::optional<CCsvCommand> CsvCommandOf(int commandId);

// A new record of the list's type with its defaults.
std::unique_ptr<CPosition2> MakeRecord(ERecordList list);

}  // namespace marigold
