#include "ui/frame/RecordSheets.h"

#include "ui/frame/MainFrame.h"
#include "ui/frame/RouteView.h"
#include "ui/models/ListModel.h"
#include "ui/sheets/DangerSheet.h"
#include "ui/sheets/HurricaneSheet.h"
#include "ui/sheets/MeteoSheet.h"
#include "ui/sheets/PositionSheet.h"
#include "ui/sheets/PublicationDialog.h"
#include "ui/sheets/ReportingSheet.h"
#include "ui/sheets/SheetPort.h"
#include "ui/sheets/SheetVoyage.h"
#include "ui/sheets/WPSheet.h"

namespace marigold {
namespace {

using CSheetOpener = CDialogOutcome (*)(CMainFrame& frame, const CRecordEdit& edit);

template <class T>
T& Record(const CRecordEdit& edit) {
  return static_cast<T&>(*edit.record);
}

CDialogOutcome WaypointSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowSheet<CWPSheet>(Record<CWaypoint>(e), e.caption, f.Prompter(), &f);
}

CDialogOutcome FixSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowSheet<CPositionSheet>(Record<CFixRecord>(e), e.caption, f.Prompter(), &f);
}

CDialogOutcome WaypointWeatherSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowSheet<CMeteoSheet>(Record<CWaypoint>(e), e.caption, f.Prompter(), &f);
}

CDialogOutcome ReportingPointSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowReportingSheet(&f, f.Prompter(), Record<CReportingPoint>(e), f.Doc().Voyage(), e.caption);
}

CDialogOutcome WarningSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowDangerSheet(&f, f.Prompter(), Record<CNavWarning>(e), e.caption);
}

CDialogOutcome HurricaneSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowHurricaneSheet(&f, f.Prompter(), Record<CHurricane>(e), e.caption);
}

CDialogOutcome PublicationSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowPublicationDialog(&f, f.Prompter(), Record<CPublication>(e), e.caption);
}

CDialogOutcome PortSheet(CMainFrame& f, const CRecordEdit& e) {
  return ShowPortSheet(&f, f.Prompter(), Record<CPortInfo>(e), e.caption);
}

// The sheet of each kind of record, in the order of ESheetKind.
constexpr CSheetOpener kSheets[kSheetKindCount] = {
    WaypointSheet,         // Waypoint
    FixSheet,              // PositionFix
    WaypointWeatherSheet,  // Meteo
    ReportingPointSheet,   // ReportingPoint
    WarningSheet,          // Warning
    HurricaneSheet,        // Hurricane
    PublicationSheet,      // Publication
    PortSheet,             // Port
};

CSheetOpener SheetOf(ESheetKind sheet) { return kSheets[static_cast<std::size_t>(sheet)]; }

}  // namespace

bool HasSheet(ESheetKind sheet) { return SheetOf(sheet) != nullptr; }

CDialogOutcome OpenSheet(CMainFrame& frame, const CRecordEdit& edit) {
  const CSheetOpener open = SheetOf(edit.sheet);
  return open ? open(frame, edit) : CDialogOutcome{};
}

void InsertRecord(CMainFrame& frame, int insertCommand) {
  const std::optional<ESheetKind> sheet = InsertSheetOf(insertCommand);
  if (!sheet || !HasSheet(*sheet)) return;
  CMarigoldRouteDoc& doc = frame.Doc();
  const CRecordEdit edit = BeginInsert(doc, *sheet, frame.RouteView().CurrentRecord());
  const CDialogOutcome outcome = OpenSheet(frame, edit);
  EndEdit(doc, edit, outcome.confirmed, outcome.applied);
  frame.RefreshViews();
}

void EditRecord(CMainFrame& frame, int) {
  CMarigoldRouteDoc& doc = frame.Doc();
  const CMarigoldRouteView& view = frame.RouteView();
  const std::optional<CRecordEdit> edit = BeginEdit(doc, view.Model().Content(), view.FirstSelectedRow());
  if (!edit || !HasSheet(edit->sheet)) return;
  const CDialogOutcome outcome = OpenSheet(frame, *edit);
  EndEdit(doc, *edit, outcome.confirmed, outcome.applied);
  if (outcome.applied) frame.RefreshViews();
}

void EditVoyage(CMainFrame& frame, int) {
  CMarigoldRouteDoc& doc = frame.Doc();
  const CDialogOutcome outcome = ShowSheet<CSheetVoyage>(doc.Voyage(), doc.Vessel(), doc.Meteo(), doc.Clock(),
                                                         frame.DocumentTitle().toStdString(), frame.Prompter(), &frame);
  if (!outcome.applied) return;
  doc.modified = true;
  frame.RefreshViews();
}

bool CanEdit(CMainFrame& frame) { return HasSheet(EditSheetOf(frame.Doc().selectedList)); }

}  // namespace marigold
