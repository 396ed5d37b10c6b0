#pragma once
// Exporting a list to a comma-separated file (appending, one line per
// record) and importing one (a new record per line). The separator is read
// from the settings at every line.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/Clock.h"
#include "core/FileIo.h"
#include "core/PositionList.h"
#include "core/Prompter.h"
#include "core/Settings.h"
#include "exchange/CsvForms.h"
#include "lists/ListKind.h"
#include "lists/MeteoList.h"

namespace marigold {

inline constexpr const char* kCsvFilter = "Comma Separated File (*.csv)|*.csv|All Files (*.*)|*.*||";

// The records of a file, each without its line end (LF or CR LF). A record
// is one line, or more when a quoted column holds line breaks (they stay in
// the record, as part of that column). A record of one line over 799
// characters comes in pieces of 799, each taken as a record, as older
// versions read it. No value when the file cannot be opened.
std::optional<std::vector<std::string>> ReadCsvRecords(const std::string& path, std::string_view separator,
                                                       std::string* error = nullptr);

// Why a record read from line `line` (1-based) may not come in: control
// characters (the file is not text), a position off the globe or a figure
// that is not finite. Nothing of the file is imported then.
std::optional<std::string> CsvRecordRefusal(std::size_t line, std::string_view text, const CPosition2& record);

// Appends text lines (each with its line end) to a file, creating it when
// missing; false when the file cannot be opened or a write fails (a full disk
// is not a success).
// All or nothing: a failed write leaves the file as it was.
CFileResult AppendCsvLines(const std::string& path, const std::vector<std::string>& lines);

std::string CsvSeparator(const CSettingsStore& store);

template <class T>
bool ExportCsv(const CRecordList<T>& list, const std::string& path, const CSettingsStore& store, CPrompter& prompter,
               const char* emptyMessage = kCsvListEmpty) {
  std::vector<std::string> lines;
  for (const auto& record : list) {
    CCsvRow row(CsvSeparator(store));
    WriteCsv(static_cast<const T&>(*record), row);
    lines.push_back(row.Line());
  }
  if (lines.empty()) {
    prompter.Message(emptyMessage + path, EMessageIcon::None);
    return false;
  }
  if (const CFileResult appended = AppendCsvLines(path, lines); !appended) {
    // Opened but not written (a full disk): say so, rather than "empty".
    const bool opened = appended.error.starts_with(kCannotWrite);
    prompter.Message(
        opened ? "Unable to write the file\n" + appended.error + "\nThe file is as it was." : emptyMessage + path,
        EMessageIcon::None);
    return false;
  }
  return true;
}

// Every record, an empty line too, adds one record with its defaults (made by
// `make` when given, e.g. a port stamped with the present time), filled
// from the line's columns. All or nothing: false, with the reason in
// `refusal`, when the file cannot be read or one record is refused.
template <class T>
bool ImportCsv(CRecordList<T>& list, const std::string& path, const CSettingsStore& store,
               std::type_identity_t<std::function<std::unique_ptr<T>()>> make = {}, std::string* refusal = nullptr) {
  const std::string separator = CsvSeparator(store);
  const auto lines = ReadCsvRecords(path, separator, refusal);
  if (!lines) return false;
  std::vector<std::unique_ptr<T>> records;
  for (const std::string& line : *lines) {
    records.push_back(make ? make() : std::make_unique<T>());
    ReadCsv(*records.back(), CCsvFields(line, separator));
    if (auto refused = CsvRecordRefusal(records.size(), line, *records.back())) {
      if (refusal) *refusal = *refused;
      return false;
    }
  }
  for (auto& record : records) list.Add(std::move(record));
  return true;
}

// Meteo lines are merged into the records within 300 nM (or become new
// records) rather than appended.
bool ImportMeteoCsv(CMeteoList& list, const std::string& path, const CSettingsStore& store, const CClock& clock,
                    std::string* refusal = nullptr);

}  // namespace marigold
