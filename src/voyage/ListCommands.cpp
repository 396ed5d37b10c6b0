#include "voyage/ListCommands.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <type_traits>

#include "exchange/CsvFile.h"
#include "exchange/ExchangeMessages.h"
#include "lists/RecordTypes.h"

namespace marigold {
namespace {

bool ExportRecords(CMarigoldRouteDoc& doc, ERecordList list, const std::string& path) {
  return VisitRecordType(list, [&]<class T>() {
    return ExportCsv(static_cast<const CRecordList<T>&>(doc.List(list)), path, doc.Settings(), doc.Prompter(),
                     RecordListInfo(list).csvEmptyMessage);
  });
}

bool ImportRecords(CMarigoldRouteDoc& doc, ERecordList list, const std::string& path, std::string& refusal) {
  if (list == ERecordList::Meteo) return ImportMeteoCsv(doc.Meteo(), path, doc.Settings(), doc.Clock(), &refusal);
  return VisitRecordType(list, [&]<class T>() {
    auto& records = static_cast<CRecordList<T>&>(doc.List(list));
    if constexpr (!requires(T & record, const CCsvFields& fields) { ReadCsv(record, fields); }) {
      return false;  // the history is exported only
    } else if constexpr (std::is_constructible_v<T, std::time_t>) {
      // Ports and publications are stamped with the time they came in.
      const CClock& clock = doc.Clock();
      return ImportCsv(
          records, path, doc.Settings(), [&clock] { return std::make_unique<T>(clock.Now()); }, &refusal);
    } else {
      return ImportCsv(records, path, doc.Settings(), {}, &refusal);
    }
  });
}

}  // namespace

std::optional<std::string> ChooseCsvFile(CMarigoldRouteDoc& doc, ERecordList list, bool exporting) {
  if (!exporting) return doc.Prompter().ChooseOpenFile({RecordListInfo(list).csvName, "csv", kCsvFilter});
  // An export appends its rows to a file that exists.
  return doc.Prompter().ChooseSaveFile({RecordListInfo(list).csvName, "csv", kCsvFilter, {}, true});
}

bool ExportList(CMarigoldRouteDoc& doc, ERecordList list, const std::string& path) {
  const bool ok = ExportRecords(doc, list, path);
  if (ok)
    doc.Prompter().Message(kExportSucceeded, EMessageIcon::Information);
  else
    doc.Prompter().Message(kExportFailed, EMessageIcon::Exclamation);
  return ok;
}

bool ImportList(CMarigoldRouteDoc& doc, ERecordList list, const std::string& path,
                const std::function<bool()>& commit) {
  std::string refusal;
  bool ok = ImportRecords(doc, list, path, refusal);
  if (ok) {
    doc.modified = true;
    ok = commit();
  }
  if (ok)
    doc.Prompter().Message(kImportSucceeded, EMessageIcon::Information);
  else if (!refusal.empty())  // the file was refused: say why and that the list is as it was
    doc.Prompter().Message(std::string(kImportFailed) + "\n" + path + "\n" + refusal + "\nNothing was changed.",
                           EMessageIcon::Exclamation);
  else
    doc.Prompter().Message(kImportFailed, EMessageIcon::Exclamation);
  return ok;
}

int InsertCommandFor(const CMarigoldRouteDoc& doc) { return ListKindInfo(doc.selectedList).insertCommand; }

void InsertRefused(CMarigoldRouteDoc& doc) { doc.Prompter().Message(kMeteoNotInsertable, EMessageIcon::None); }

void DeleteRows(CMarigoldRouteDoc& doc, const CListContent& shown, std::vector<int> rows,
                const std::function<void()>& removed) {
  CPrompter& prompter = doc.Prompter();
  if (!prompter.AskYesNo(kDeleteQuestion) || rows.empty()) return;
  const CListKindInfo& kind = ListKindInfo(doc.selectedList);
  std::sort(rows.begin(), rows.end());
  if (kind.startRow && rows.front() == 0) prompter.Message(kPresentPositionNotDeleted, EMessageIcon::Stop);
  // Taken before the first removal: the refresh after each one rebuilds the rows.
  std::vector<CPosition2*> records;
  for (const int row : rows)
    if (CPosition2* record = shown.RecordAt(row)) records.push_back(record);
  CPositionList& owner = doc.List(kind.deletesFrom);
  for (const CPosition2* record : records) {
    if (!owner.Remove(record)) {
      prompter.Message(kPositionNotDeleted, EMessageIcon::Stop);
      continue;
    }
    if (RecordListInfo(kind.deletesFrom).InRouteDocument()) doc.modified = true;
    removed();
  }
}

}  // namespace marigold
