#pragma once
// The single-record item file: a 32-bit list kind (the selected list when it
// was written) and one record in its archive form, to move one record to
// another installation.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "core/Archive.h"
#include "core/FileIo.h"
#include "core/Position2.h"

namespace marigold {

// The lists in the order of the navigation tree.
enum class EListKind : std::int32_t {
  Schedule = 0,
  PositionFixes = 1,
  ReportingPoints = 2,
  Warnings = 3,
  Meteo = 4,
  Waypoints = 5,
  Storms = 6,
  Charts = 7,
  Books = 8,
  Ports = 9,
};

inline constexpr const char* kNoItemSelected = "No item selected for export";
inline constexpr const char* kItemFilter = "Data File (*.dat)|*.dat|All Files (*.*)|*.*||";

// A new record of the kind's type (a waypoint for the schedule, meteo and
// waypoint lists); nullptr for a kind outside 0 to 9.
std::unique_ptr<CPosition2> MakeItemRecord(std::int32_t kind);

struct CItem {
  EListKind kind;
  std::unique_ptr<CPosition2> record;
};

// No value for a kind outside 0 to 9 or a damaged record: nothing is
// imported then.
std::optional<CItem> ReadItem(std::span<const std::uint8_t> bytes);
std::optional<CItem> ReadItemFile(const std::string& path);

CBytes WriteItem(EListKind kind, CPosition2& record);
// Creates or replaces the file (atomically).
CFileResult WriteItemFile(const std::string& path, EListKind kind, CPosition2& record);

}  // namespace marigold
