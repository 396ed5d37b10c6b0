#include "exchange/ItemFile.h"

namespace marigold {

std::optional<CItem> ReadItem(std::span<const std::uint8_t> bytes) {
  try {
    CArchive ar = CArchive::ForLoading(bytes);
    const std::optional<EListKind> kind = ListKindOf(ar.ReadInt32());
    if (!kind) return std::nullopt;
    // The record is of the type the list's rows show: a waypoint for the
    // schedule, meteo and waypoint lists.
    std::unique_ptr<CPosition2> record = MakeRecord(ListKindInfo(*kind).shows);
    record->Serialize(ar);
    return CItem{*kind, std::move(record)};
  } catch (const CArchiveException&) {
    return std::nullopt;
  }
}

std::optional<CItem> ReadItemFile(const std::string& path) {
  const std::optional<CBytes> bytes = ReadFileBytes(path, nullptr, kItemFileLimit);
  if (!bytes) return std::nullopt;
  return ReadItem(*bytes);
}

CBytes WriteItem(EListKind kind, CPosition2& record) {
  CArchive ar = CArchive::ForStoring();
  ar.WriteInt32(static_cast<std::int32_t>(kind));
  record.Serialize(ar);
  return ar.TakeBytes();
}

CFileResult WriteItemFile(const std::string& path, EListKind kind, CPosition2& record) {
  try {
    return WriteFileAtomic(path, WriteItem(kind, record));
  } catch (const CArchiveException& e) {
    return {false, e.what()};
  }
}

}  // namespace marigold
