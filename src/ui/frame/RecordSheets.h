#pragma once
// The insert and edit commands: which sheet opens for which record. The
// logic below the window (voyage/ListCommands.h) makes the record and
// decides what OK and Cancel leave; here the sheet is shown.
#include <optional>

#include "ui/sheets/EditDialog.h"
#include "voyage/ListCommands.h"

namespace marigold {

class CMainFrame;

// Whether the sheet of this kind of record can open.
bool HasSheet(ESheetKind sheet);
// Shows the record's sheet modally.
CDialogOutcome OpenSheet(CMainFrame& frame, const CRecordEdit& edit);

// Command handlers: an insert command, Edit Item (and the context menu's
// Edit), Voyage > Properties.
void InsertRecord(CMainFrame& frame, int insertCommand);
void EditRecord(CMainFrame& frame, int);
void EditVoyage(CMainFrame& frame, int);

// Availability of the commands: their sheet can open.
template <int kInsertCommand>
bool CanInsert(CMainFrame&) {
  const std::optional<ESheetKind> sheet = InsertSheetOf(kInsertCommand);
  return sheet && HasSheet(*sheet);
}
bool CanEdit(CMainFrame& frame);

}  // namespace marigold
