#include "exchange/CsvFile.h"

#include <cstdio>

#include "core/FileIo.h"
#include "core/StringEncoding.h"

namespace marigold {

std::string CsvSeparator(const CSettingsStore& store) { return ReadSetting(store, settings::kConvChar); }

std::optional<std::vector<std::string>> ReadCsvLines(const std::string& path) {
  constexpr std::size_t kPiece = 799;
  const std::optional<CBytes> bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    do {
      lines.push_back(DecodeFromFile(line.substr(0, kPiece)));
      line.remove_prefix(std::min(kPiece, line.size()));
    } while (!line.empty());
    pos = next;
  }
  return lines;
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
  const auto lines = ReadCsvLines(path);
  if (!lines) return false;
  for (const std::string& line : *lines) {
    CMeteoRecord record;
    ReadCsv(record, CCsvFields(line, CsvSeparator(store)));
    list.MergeRecord(record, clock);
  }
  return true;
}

}  // namespace marigold
