#pragma once
// Whole-file reading and crash-safe writing.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/Archive.h"

namespace marigold {

struct CFileResult {
  bool ok = false;
  std::string error;  // what went wrong, for the message; empty when ok
  explicit operator bool() const { return ok; }
};

// The largest file each kind of reader takes in: enough for decades of
// records, small enough that a wrong file cannot exhaust the memory.
inline constexpr std::uint64_t kDataFileLimit = 256ull << 20;     // data files and route documents
inline constexpr std::uint64_t kExchangeFileLimit = 64ull << 20;  // CSV, RTZ, GPX
inline constexpr std::uint64_t kItemFileLimit = 1ull << 20;       // one record

enum class EReadError { None, Missing, Unreadable };

struct CFileRead {
  std::optional<CBytes> bytes;
  EReadError error = EReadError::None;
  std::string message;  // "cannot read DIR: Permission denied", ...
};

// Reads a whole regular file of at most `limit` bytes. A missing file is
// told apart from one that exists but cannot be read (permissions, a device,
// a folder, too large), which callers must never write over.
CFileRead ReadFileChecked(const std::string& path, std::uint64_t limit = kDataFileLimit);

// Reads a whole file; no value when it cannot be opened or read.
std::optional<CBytes> ReadFileBytes(const std::string& path, std::string* error = nullptr,
                                    std::uint64_t limit = kDataFileLimit);

// Writes to a temporary file in the target's folder, flushes it to disk,
// renames it over the target and flushes the folder. A symbolic link is
// written through: its target is replaced. On any failure the old file is
// left untouched and the temporary file removed.
CFileResult WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes);
CFileResult WriteFileAtomic(const std::string& path, std::string_view text);

// Appends to a file (made when missing) all or nothing: when a write fails
// (a full disk) the file is cut back to its old length, or removed when this
// call made it.
inline constexpr const char* kCannotWrite = "cannot write";
CFileResult AppendFileWhole(const std::string& path, std::span<const std::uint8_t> bytes);

// Several files replaced together: every temporary file is written and
// flushed first, and only when all of them are does Commit rename them, so
// that a failure while writing leaves every old file as it was.
class CFileBatch {
 public:
  CFileBatch();
  ~CFileBatch();  // removes the temporary files of an uncommitted batch
  CFileBatch(const CFileBatch&) = delete;
  CFileBatch& operator=(const CFileBatch&) = delete;

  // Writes the temporary file of `path`. With keepBackup the file it
  // replaces is kept as path + ".bak" when the content changes. Content
  // equal to the file's own is not written again.
  CFileResult Stage(const std::string& path, std::span<const std::uint8_t> bytes, bool keepBackup = false);
  // Renames every staged file over its target; the first failure is
  // returned, the files before it are already replaced.
  CFileResult Commit();

 private:
  struct CStaged;
  std::vector<std::unique_ptr<CStaged>> staged_;
};

// The file a path names after following symbolic links (the path itself when
// it is none); saves go there so that a link keeps pointing at the data.
std::string ResolveLinks(const std::string& path);

// Temporary files of our own naming in `folder` left by a save that was
// killed: removed when no running save holds them.
void RemoveStaleTemporaries(const std::string& folder);

}  // namespace marigold

namespace marigold {

// Renames a file to path + ".damaged" (or ".damaged2", ".damaged3", ...,
// never over an existing file) so that it can be recovered by hand. Returns
// the new path, or no value when the file could not be moved.
std::optional<std::string> MoveAside(const std::string& path);

}  // namespace marigold
