#include "exchange/CsvFile.h"

#include <algorithm>
#include <cmath>
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

std::optional<std::vector<std::string>> ReadCsvRecords(const std::string& path, std::string_view separator,
                                                       std::string* error) {
  constexpr std::size_t kPiece = 799;
  const std::optional<CBytes> bytes = ReadFileBytes(path, error, kExchangeFileLimit);
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

CFileResult AppendCsvLines(const std::string& path, const std::vector<std::string>& lines) {
  if (path.empty()) return {false, "no file named"};
  std::string bytes;
  for (const std::string& line : lines) bytes += EncodeForFile(line);
  return AppendFileWhole(path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<std::string> CsvRecordRefusal(std::size_t line, std::string_view text, const CPosition2& record) {
  const std::string at = "line " + std::to_string(line) + ": ";
  if (std::ranges::any_of(
          text, [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n'; }))
    return at + "control characters: not a text file";
  const double latitude = record.GetLatitude(), longitude = record.GetLongitude();
  if (!std::isfinite(latitude) || std::fabs(latitude) > 90)
    return at + "latitude " + std::to_string(latitude) + " is off the globe";
  if (!std::isfinite(longitude) || std::fabs(longitude) > 360)
    return at + "longitude " + std::to_string(longitude) + " is off the globe";
  return std::nullopt;
}

bool ImportMeteoCsv(CMeteoList& list, const std::string& path, const CSettingsStore& store, const CClock& clock,
                    std::string* refusal) {
  const std::string separator = CsvSeparator(store);
  const auto lines = ReadCsvRecords(path, separator, refusal);
  if (!lines) return false;
  std::vector<CMeteoRecord> records(lines->size());
  for (std::size_t i = 0; i < lines->size(); ++i) {
    ReadCsv(records[i], CCsvFields((*lines)[i], separator));
    if (auto refused = CsvRecordRefusal(i + 1, (*lines)[i], records[i])) {
      if (refusal) *refusal = *refused;
      return false;
    }
  }
  for (const CMeteoRecord& record : records) list.MergeRecord(record, clock);
  return true;
}

}  // namespace marigold
