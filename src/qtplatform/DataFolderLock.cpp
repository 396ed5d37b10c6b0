#include "qtplatform/DataFolderLock.h"

#include <QDir>
#include <QLockFile>
#include <algorithm>

namespace marigold {

CDataFolderLock::CDataFolderLock(const std::vector<std::string>& folders) {
  if (!Extend(folders)) locks_.clear();  // all or nothing
}

bool CDataFolderLock::Extend(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    if (std::ranges::find(heldFolders_, folder) != heldFolders_.end()) continue;
    auto lock = std::make_unique<QLockFile>(QDir(QString::fromStdString(folder)).filePath(kDataFolderLockName));
    // Never stale by age: a copy may run for weeks. A lock whose process is
    // gone is taken over by tryLock itself.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
      locks_.push_back(std::move(lock));
      heldFolders_.push_back(folder);
    } else if (lock->error() == QLockFile::LockFailedError) {
      busyFolder_ = folder;
      return false;
    }
    // A folder that takes no lock file (read-only, missing) takes no data
    // file either: saving says so.
  }
  return true;
}

CDataFolderLock::~CDataFolderLock() = default;

}  // namespace marigold
