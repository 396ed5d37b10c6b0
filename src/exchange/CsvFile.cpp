#include "exchange/CsvFile.h"

#include <algorithm>
#include <cstdio>

#include "core/FileIo.h"
#include "core/StringEncoding.h"

namespace marigold {

std::string CsvSeparator(const CSettingsStore& store) { return ReadSetting(store, settings::kConvChar); }

namespace {

bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
  return !what.empty() && text.substr(at, what.size()) == what;
}

// Does a column end at `at`: the separator, a line end (LF or CR LF) or the
// end of the text.
bool EndsColumn(std::string_view text, std::size_t at, std::string_view separator) {
  if (at >= text.size() || text[at] == '\n') return true;
  if (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] == '\n')) return true;
  return StartsWith(text, at, separator);
}

// Where the record that starts at `pos` ends: at the first line end that is
// not inside a quoted column. A quoted column is one that starts with a quote
// and whose closing quote (inner quotes doubled) ends the column, as
// CCsvFields reads it; a quote that never closes so is an ordinary character
// (older files never quote), and its line ends the record. `lines` tells
// whether the record holds line breaks.
std::size_t RecordEnd(std::string_view text, std::size_t pos, std::string_view separator, bool& lines) {
  lines = false;
  bool columnStart = true;
  std::size_t k = pos;
  while (k < text.size() && text[k] != '\n') {
    if (columnStart && text[k] == '"') {
      std::size_t q = k + 1;
      for (;;) {
        q = text.find('"', q);
        if (q == std::string_view::npos || q + 1 >= text.size() || text[q + 1] != '"') break;
        q += 2;  // a doubled quote
      }
      if (q != std::string_view::npos && EndsColumn(text, q + 1, separator)) {
        lines = lines || text.substr(k, q - k).find('\n') != std::string_view::npos;
        k = q + 1;
        columnStart = false;
        continue;
      }
    }
    if (StartsWith(text, k, separator)) {
      k += separator.size();
      columnStart = true;
    } else {
      ++k;
      columnStart = false;
    }
  }
  return k;
}

}  // namespace

std::optional<std::vector<std::string>> ReadCsvRecords(const std::string& path, std::string_view separator) {
  constexpr std::size_t kPiece = 799;
  const std::optional<CBytes> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  std::vector<std::string> records;
  std::size_t pos = 0;
  while (pos < text.size()) {
    bool lines = false;
    const std::size_t end = RecordEnd(text, pos, separator, lines);
    std::string_view record = text.substr(pos, end - pos);
    if (!record.empty() && record.back() == '\r') record.remove_suffix(1);
    if (lines) {
      records.push_back(DecodeFromFile(record));
    } else {
      do {
        records.push_back(DecodeFromFile(record.substr(0, kPiece)));
        record.remove_prefix(std::min(kPiece, record.size()));
      } while (!record.empty());
    }
    pos = end + 1;
  }
  return records;
}

bool AppendCsvLines(const std::string& path, const std::vector<std::string>& lines) {
  if (path.empty()) return false;
  std::FILE* f = std::fopen(path.c_str(), "ab");
  if (!f) return false;
  bool ok = true;
  for (const std::string& line : lines) {
    const std::string bytes = EncodeForFile(line);
    ok = ok && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  }
  ok = (std::fflush(f) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  return ok;
}

bool ImportMeteoCsv(CMeteoList& list, const std::string& path, const CSettingsStore& store, const CClock& clock) {
  const std::string separator = CsvSeparator(store);
  const auto lines = ReadCsvRecords(path, separator);
  if (!lines) return false;
  for (const std::string& line : *lines) {
    CMeteoRecord record;
    ReadCsv(record, CCsvFields(line, separator));
    list.MergeRecord(record, clock);
  }
  return true;
}

}  // namespace marigold
