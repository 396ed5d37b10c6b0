#pragma once
// Whole-file reading and crash-safe writing.
#include <optional>
#include <string>

#include "core/Archive.h"

namespace marigold {

struct CFileResult {
  bool ok = false;
  std::string error;  // what went wrong, for the message; empty when ok
  explicit operator bool() const { return ok; }
};

// Reads a whole file; no value when it cannot be opened or read.
std::optional<CBytes> ReadFileBytes(const std::string& path, std::string* error = nullptr);

// Writes to a temporary file in the target's folder, flushes it to disk and
// renames it over the target. On any failure the old file is left untouched
// and the temporary file removed.
CFileResult WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes);
CFileResult WriteFileAtomic(const std::string& path, std::string_view text);

}  // namespace marigold

namespace marigold {

// Renames a file to path + ".damaged" (or ".damaged2", ".damaged3", ...,
// never over an existing file) so that it can be recovered by hand. Returns
// the new path, or no value when the file could not be moved.
std::optional<std::string> MoveAside(const std::string& path);

}  // namespace marigold
