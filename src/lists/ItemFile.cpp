#include "lists/ItemFile.h"

#include "core/FixRecord.h"
#include "core/Waypoint.h"
#include "lists/Hurricane.h"
#include "lists/NavWarning.h"
#include "lists/PortInfo.h"
#include "lists/Publication.h"
#include "lists/ReportingPoint.h"

namespace marigold {

std::unique_ptr<CPosition2> MakeItemRecord(std::int32_t kind) {
  switch (static_cast<EListKind>(kind)) {
    case EListKind::Schedule:
    case EListKind::Meteo:
    case EListKind::Waypoints: return std::make_unique<CWaypoint>();
    case EListKind::PositionFixes: return std::make_unique<CFixRecord>();
    case EListKind::ReportingPoints: return std::make_unique<CReportingPoint>();
    case EListKind::Warnings: return std::make_unique<CNavWarning>();
    case EListKind::Storms: return std::make_unique<CHurricane>();
    case EListKind::Charts:
    case EListKind::Books: return std::make_unique<CPublication>();
    case EListKind::Ports: return std::make_unique<CPortInfo>();
  }
  return nullptr;
}

std::optional<CItem> ReadItem(std::span<const std::uint8_t> bytes) {
  try {
    CArchive ar = CArchive::ForLoading(bytes);
    const std::int32_t kind = ar.ReadInt32();
    std::unique_ptr<CPosition2> record = MakeItemRecord(kind);
    if (!record) return std::nullopt;
    record->Serialize(ar);
    return CItem{static_cast<EListKind>(kind), std::move(record)};
  } catch (const CArchiveException&) {
    return std::nullopt;
  }
}

std::optional<CItem> ReadItemFile(const std::string& path) {
  const std::optional<CBytes> bytes = ReadFileBytes(path);
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
