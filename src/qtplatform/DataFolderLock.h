#pragma once
// A lock per data folder (".marigold.lock" in it), held while a copy of the
// program may write the data files, so that two copies never save their
// lists over each other's fixes. A lock left by a copy that crashed is taken
// over (its process is gone).
#include <memory>
#include <string>
#include <vector>

class QLockFile;

namespace marigold {

inline constexpr const char* kDataFolderLockName = ".marigold.lock";

class CDataFolderLock {
 public:
  explicit CDataFolderLock(const std::vector<std::string>& folders);
  ~CDataFolderLock();
  CDataFolderLock(const CDataFolderLock&) = delete;
  CDataFolderLock& operator=(const CDataFolderLock&) = delete;

  // False when another running copy holds one of the folders.
  bool Held() const { return busyFolder_.empty(); }
  // Takes the folders not held yet as well (data files moved to another
  // folder while running); false when another copy holds one of them.
  bool Extend(const std::vector<std::string>& folders);
  // The first folder another copy holds; empty when Held.
  const std::string& BusyFolder() const { return busyFolder_; }

 private:
  std::vector<std::unique_ptr<QLockFile>> locks_;
  std::vector<std::string> heldFolders_;
  std::string busyFolder_;
};

}  // namespace marigold
