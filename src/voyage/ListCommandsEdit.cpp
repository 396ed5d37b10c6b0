// The insert and edit dispatch of the list commands (voyage/ListCommands.h).
#include <memory>

#include "core/CommandIds.h"
#include "core/FixSheet.h"
#include "core/WaypointSheet.h"
#include "lists/HurricaneSheet.h"
#include "lists/PortSheet.h"
#include "lists/ReportingPointSheet.h"
#include "lists/WarningSheet.h"
#include "voyage/ListCommands.h"

namespace marigold {
namespace {

namespace cmd = command;

struct CSheetInfo {
  ESheetKind sheet;
  int insertCommand;  // 0: records are not inserted by hand
  ERecordList list;
};

// In the order of ESheetKind.
constexpr CSheetInfo kSheets[] = {
    {ESheetKind::Waypoint, cmd::kInsertWaypoint, ERecordList::Route},
    {ESheetKind::PositionFix, cmd::kInsertPositionFix, ERecordList::Fixes},
    {ESheetKind::Meteo, 0, ERecordList::Route},
    {ESheetKind::ReportingPoint, cmd::kInsertReportingPoint, ERecordList::ReportingPoints},
    {ESheetKind::Warning, cmd::kInsertWarning, ERecordList::Warnings},
    {ESheetKind::Hurricane, cmd::kInsertHurricane, ERecordList::Storms},
    {ESheetKind::Publication, cmd::kInsertPublication, ERecordList::Publications},
    {ESheetKind::Port, cmd::kInsertPort, ERecordList::Ports},
};
static_assert(std::size(kSheets) == kSheetKindCount);

const CSheetInfo& SheetInfo(ESheetKind sheet) { return kSheets[static_cast<std::size_t>(sheet)]; }

}  // namespace

ESheetKind EditSheetOf(EListKind kind) {
  switch (kind) {
    case EListKind::Schedule:
    case EListKind::Waypoints: return ESheetKind::Waypoint;
    case EListKind::PositionFixes: return ESheetKind::PositionFix;
    case EListKind::ReportingPoints: return ESheetKind::ReportingPoint;
    case EListKind::Warnings: return ESheetKind::Warning;
    case EListKind::Meteo: return ESheetKind::Meteo;
    case EListKind::Storms: return ESheetKind::Hurricane;
    case EListKind::Charts:
    case EListKind::Books: return ESheetKind::Publication;
    case EListKind::Ports: break;
  }
  return ESheetKind::Port;
}

namespace {

// The new record in its list and the caption of its sheet.
CPosition2* NewRecord(CMarigoldRouteDoc& doc, ESheetKind sheet, const CPosition2* selected, std::string& caption) {
  switch (sheet) {
    case ESheetKind::Waypoint:
      caption = kNewWaypointCaption;
      return doc.Voyage().InsertAfter(selected, std::make_unique<CWaypoint>());
    case ESheetKind::PositionFix: caption = kPositionFixCaption; return doc.NewFixFromVessel();
    case ESheetKind::ReportingPoint: {
      CReportingPoint* point = InsertReportingPoint(doc.ReportingPoints(), selected);
      caption = ReportingPointCaption(*point, true);
      return point;
    }
    case ESheetKind::Warning: {
      CNavWarning* warning = doc.Warnings().AddNew();
      caption = WarningCaption(*warning, true);
      return warning;
    }
    case ESheetKind::Hurricane: caption = kHurricaneCaption; return doc.Storms().AddNew();
    case ESheetKind::Publication: {
      CPublication* publication = NewPublication(doc.Publications(), selected, doc.Clock());
      // Entered in the books list, a book: it would vanish from the list otherwise.
      publication->chart = doc.selectedList != EListKind::Books;
      caption = "Nautical Publication";
      return publication;
    }
    case ESheetKind::Port: {
      CPortInfo* port = NewPort(doc.Ports(), doc.Clock());
      caption = PortCaption(*port, true);
      return port;
    }
    case ESheetKind::Meteo: break;
  }
  return nullptr;
}

}  // namespace

ERecordList RecordListOf(ESheetKind sheet) { return SheetInfo(sheet).list; }

std::optional<ESheetKind> InsertSheetOf(int insertCommand) {
  if (insertCommand == 0) return std::nullopt;
  for (const CSheetInfo& info : kSheets)
    if (info.insertCommand == insertCommand) return info.sheet;
  return std::nullopt;
}

CRecordEdit BeginInsert(CMarigoldRouteDoc& doc, ESheetKind sheet, const CPosition2* selected) {
  CRecordEdit edit{sheet, nullptr, RecordListOf(sheet), {}, true, std::nullopt};
  if (sheet == ESheetKind::PositionFix) edit.openedFromFile = doc.openedFromFile;
  // The whole route shows while a waypoint is placed, also after Cancel.
  if (sheet == ESheetKind::Waypoint) doc.openedFromFile = true;
  edit.record = NewRecord(doc, sheet, selected, edit.caption);
  return edit;
}

std::optional<CRecordEdit> BeginEdit(CMarigoldRouteDoc& doc, const CListContent& shown,
                                     std::optional<int> firstSelectedRow) {
  const CListKindInfo& kind = ListKindInfo(doc.selectedList);
  CPosition2* record = nullptr;
  ESheetKind sheet = EditSheetOf(kind.kind);
  if (firstSelectedRow) {
    if (kind.startRow && *firstSelectedRow == 0) {
      record = doc.LatestFix();
      sheet = ESheetKind::PositionFix;
    } else {
      record = shown.RecordAt(*firstSelectedRow);
    }
  }
  if (!record) {
    doc.Prompter().Message(kNoItemToEdit, EMessageIcon::Stop);
    return std::nullopt;
  }
  return CRecordEdit{sheet, record, RecordListOf(sheet), record->GetName(), false, std::nullopt};
}

void EndEdit(CMarigoldRouteDoc& doc, const CRecordEdit& edit, bool confirmed, bool applied) {
  if (!confirmed) {
    if (!edit.inserting) return;
    doc.List(edit.list).Remove(edit.record);
    if (edit.openedFromFile) doc.openedFromFile = *edit.openedFromFile;
    return;
  }
  // OK on a sheet left as it was changes nothing, and processing a fix again
  // would count its weather twice.
  if (!edit.inserting && !applied) return;
  if (edit.sheet == ESheetKind::PositionFix) CommitFix(doc, static_cast<CFixRecord&>(*edit.record));
  if (RecordListInfo(edit.list).InRouteDocument()) doc.modified = true;
}

void CommitFix(CMarigoldRouteDoc& doc, CFixRecord& fix) {
  fix.weather.count = 1;
  doc.ProcessFix(fix);
}

}  // namespace marigold
