#include "qtplatform/DataFolderLock.h"

#include <QDir>
#include <QLockFile>

namespace marigold {

CDataFolderLock::CDataFolderLock(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    auto lock = std::make_unique<QLockFile>(QDir(QString::fromStdString(folder)).filePath(kDataFolderLockName));
    // Never stale by age: a copy may run for weeks. A lock whose process is
    // gone is taken over by tryLock itself.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
      locks_.push_back(std::move(lock));
    } else if (lock->error() == QLockFile::LockFailedError) {
      busyFolder_ = folder;
      locks_.clear();  // all or nothing
      return;
    }
    // A folder that takes no lock file (read-only, missing) takes no data
    // file either: saving says so.
  }
}

CDataFolderLock::~CDataFolderLock() = default;

}  // namespace marigold
