#pragma once
// Exporting a list to a comma-separated file (appending, one line per
// record) and importing one (a new record per line). The separator is read
// from the settings at every line.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Clock.h"
#include "core/PositionList.h"
#include "core/Prompter.h"
#include "core/Settings.h"
#include "exchange/CsvForms.h"
#include "lists/ListKind.h"
#include "lists/MeteoList.h"

namespace marigold {

inline constexpr const char* kCsvFilter = "Comma Separated File (*.csv)|*.csv|All Files (*.*)|*.*||";

// Lines of a file without their line ends (a CR before the LF is dropped
// too); lines over 799 characters come in pieces of 799. No value when the
// file cannot be opened.
std::optional<std::vector<std::string>> ReadCsvLines(const std::string& path);

// Appends text lines to a file, creating it when missing; false when the
// file cannot be opened or a write fails (a full disk is not a success).
bool AppendCsvLines(const std::string& path, const std::vector<std::string>& lines);

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
  if (lines.empty() || !AppendCsvLines(path, lines)) {
    prompter.Message(emptyMessage + path, EMessageIcon::None);
    return false;
  }
  return true;
}

// Every line, an empty one too, adds one record with its defaults (made by
// `make` when given, e.g. a port stamped with the present time), filled
// from the line's columns. False only when the file cannot be opened.
template <class T>
bool ImportCsv(CRecordList<T>& list, const std::string& path, const CSettingsStore& store,
               std::type_identity_t<std::function<std::unique_ptr<T>()>> make = {}) {
  const auto lines = ReadCsvLines(path);
  if (!lines) return false;
  for (const std::string& line : *lines) {
    T* record = make ? list.Add(make()) : list.AddNew();
    ReadCsv(*record, CCsvFields(line, CsvSeparator(store)));
  }
  return true;
}

// Meteo lines are merged into the records within 300 nM (or become new
// records) rather than appended.
bool ImportMeteoCsv(CMeteoList& list, const std::string& path, const CSettingsStore& store, const CClock& clock);

}  // namespace marigold
