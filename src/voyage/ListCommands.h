#pragma once
// The commands on whole lists and on the rows of the list view, below the
// window so that the desktop program and the command line run the same
// code: comma-separated export and import, the insert dispatch and Delete.
// Each says how it went through the document's prompter.
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

// The file dialog of a CSV command on the list; none when cancelled.
std::optional<std::string> ChooseCsvFile(CMarigoldRouteDoc& doc, ERecordList list);

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

// Delete on the selected rows of the list shown: after Yes to the question,
// the start position's row is refused and every other row's record is
// removed from the list it belongs to ("Position can not be deleted" when it
// is not there). Removing from a list of the route document marks it
// modified. `removed` runs after each removal (the views refresh).
void DeleteRows(CMarigoldRouteDoc& doc, const CListContent& shown, std::vector<int> rows,
                const std::function<void()>& removed);

}  // namespace marigold
