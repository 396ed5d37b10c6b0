#pragma once
// The commands on whole lists and on the rows of the list view, below the
// window so that the desktop program and the command line run the same
// code: comma-separated export and import, the insert and edit dispatch and
// Delete. Each says how it went through the document's prompter.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lists/ListKind.h"
#include "voyage/ListView.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

inline constexpr const char* kMeteoNotInsertable = "Meteo positions can not be inserted manually";
inline constexpr const char* kDeleteQuestion = "Delete selected items?";
inline constexpr const char* kPresentPositionNotDeleted = "Present Position can not be deleted";
inline constexpr const char* kPositionNotDeleted = "Position can not be deleted";
inline constexpr const char* kNoItemToEdit = "No item to edit selected in list";

// The file dialog of a CSV command on the list (a save dialog for an
// export); none when cancelled.
std::optional<std::string> ChooseCsvFile(CMarigoldRouteDoc& doc, ERecordList list, bool exporting);

// Appends every record of the list to the file, then "Export succesfull";
// an empty list or a file that cannot be written is named first, then
// "Export failed".
bool ExportList(CMarigoldRouteDoc& doc, ERecordList list, const std::string& path);

// Adds a record per line of the file (meteo lines merge into the records
// near them; ports and publications are stamped with the present time) and
// marks the document modified. `commit` then keeps the change (the desktop
// refreshes its views, the command line writes the list's file); when it
// fails, or the file cannot be read, "Import failed", else
// "Import succesfull".
bool ImportList(CMarigoldRouteDoc& doc, ERecordList list, const std::string& path, const std::function<bool()>& commit);

// The insert command for the selected list; 0 for the Meteo list, which
// takes no records by hand (InsertRefused says so).
int InsertCommandFor(const CMarigoldRouteDoc& doc);
void InsertRefused(CMarigoldRouteDoc& doc);

// The sheets of the records, one per kind: the insert and edit commands
// open them (the desktop's table of sheets is indexed by it).
enum class ESheetKind { Waypoint, PositionFix, Meteo, ReportingPoint, Warning, Hurricane, Publication, Port };
inline constexpr int kSheetKindCount = 8;

// A record on its way into its sheet, and what to do when the sheet closes.
struct CRecordEdit {
  ESheetKind sheet;
  CPosition2* record;  // in its list
  ERecordList list;    // the list that holds it
  std::string caption;
  bool inserting;  // made for the sheet: Cancel removes it again
  // The document's opened-from-file flag before a new fix cleared it,
  // given back on Cancel.
  std::optional<bool> openedFromFile;
};

// The list that keeps the records of a sheet.
ERecordList RecordListOf(ESheetKind sheet);
// The sheet an insert command opens; none for any other command.
std::optional<ESheetKind> InsertSheetOf(int insertCommand);
// The sheet that edits the rows of a list (the start row of the Schedule
// and Waypoints lists takes the position-fix sheet).
ESheetKind EditSheetOf(EListKind kind);
// Makes the record of the insert in its list with its defaults: a
// waypoint, reporting point or publication after `selected` when that is
// one of its list (else at the end; a waypoint also sets the
// opened-from-file flag, for good), a fix from the vessel's settings, the
// others at the end.
CRecordEdit BeginInsert(CMarigoldRouteDoc& doc, ESheetKind sheet, const CPosition2* selected);
// The record of the first selected row of the list shown, with its name as
// caption; the start position of the Schedule and Waypoints lists is the
// present position, edited as the latest fix. Without a row (or without a
// fix for the start row): "No item to edit selected in list" and none.
std::optional<CRecordEdit> BeginEdit(CMarigoldRouteDoc& doc, const CListContent& shown,
                                     std::optional<int> firstSelectedRow);
// After the sheet: `confirmed` is OK, `applied` that the sheet wrote edits.
// Cancel removes an inserted record again. A new fix, or an edited one, is
// committed; a change to a list of the route document marks it modified.
void EndEdit(CMarigoldRouteDoc& doc, const CRecordEdit& edit, bool confirmed, bool applied);
// An entered or edited fix: the present weather counts as one observation,
// then the fix is processed (name, course and speed made good, vessel
// settings, current, meteo).
void CommitFix(CMarigoldRouteDoc& doc, CFixRecord& fix);

// Delete on the selected rows of the list shown: after Yes to the question,
// the start position's row is refused and every other row's record is
// removed from the list it belongs to ("Position can not be deleted" when it
// is not there). Removing from a list of the route document marks it
// modified. `removed` runs after each removal (the views refresh).
void DeleteRows(CMarigoldRouteDoc& doc, const CListContent& shown, std::vector<int> rows,
                const std::function<void()>& removed);

}  // namespace marigold
