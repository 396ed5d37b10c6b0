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
#include "lists/ListKind.h"

namespace marigold {

inline constexpr const char* kNoItemSelected = "No item selected for export";
inline constexpr const char* kItemFilter = "Data File (*.dat)|*.dat|All Files (*.*)|*.*||";

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
