#include "core/FileIo.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>

namespace marigold {
namespace {

namespace fs = std::filesystem;

// Temporary files are ".marigold-" and six characters of mkstemp, whatever
// the target's name, so a name near the file system's limit still saves.
constexpr std::string_view kTempPrefix = ".marigold-";
constexpr std::size_t kTempNameLength = kTempPrefix.size() + 6;

std::string SystemError(const std::string& what, const std::string& path, int error = errno) {
  return what + " " + path + ": " + std::strerror(error);
}

class CFd {
 public:
  explicit CFd(int fd = -1) : fd_(fd) {}
  ~CFd() { Close(); }
  CFd(const CFd&) = delete;
  CFd& operator=(const CFd&) = delete;
  int Get() const { return fd_; }
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  const std::uint8_t* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const fs::path p(path);
  return p.has_parent_path() ? p.parent_path().string() : std::string(".");
}

// A rename is durable only once the folder's entry is on the disk.
void SyncFolder(const std::string& folder) {
  const CFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());
}

bool SameContent(const std::string& path, std::span<const std::uint8_t> bytes) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) != bytes.size())
    return false;
  const CFileRead old = ReadFileChecked(path, bytes.size());
  return old.bytes && std::equal(old.bytes->begin(), old.bytes->end(), bytes.begin(), bytes.end());
}

// The previous version as NAME.bak: a second name for the old file when the
// file system has hard links, a copy otherwise.
void KeepBackup(const std::string& target) {
  const std::string backup = target + ".bak";
  struct stat st {};
  if (::lstat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
  ::unlink(backup.c_str());
  if (::link(target.c_str(), backup.c_str()) == 0) return;
  if (const CFileRead old = ReadFileChecked(target, kDataFileLimit); old.bytes) WriteFileAtomic(backup, *old.bytes);
}

}  // namespace

CFileRead ReadFileChecked(const std::string& path, std::uint64_t limit) {
  CFileRead result;
  auto fail = [&](EReadError error, std::string message) {
    result.error = error;
    result.message = std::move(message);
    return std::move(result);
  };
  // Non-blocking, so that a pipe in the file's place cannot hang the program.
  const CFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.Get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      return fail(EReadError::Missing, "cannot read " + path + ": the file is missing");
    return fail(EReadError::Unreadable, SystemError("cannot read", path, error));
  }
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return fail(EReadError::Unreadable, SystemError("cannot read", path));
  if (S_ISDIR(st.st_mode)) return fail(EReadError::Unreadable, "cannot read " + path + ": it is a folder");
  if (!S_ISREG(st.st_mode)) return fail(EReadError::Unreadable, "cannot read " + path + ": it is not a regular file");
  const std::string tooLarge =
      "cannot read " + path + ": larger than " + std::to_string(limit >> 20 ? limit >> 20 : 1) + " MB";
  if (static_cast<std::uint64_t>(st.st_size) > limit) return fail(EReadError::Unreadable, tooLarge);

  CBytes bytes(static_cast<std::size_t>(st.st_size));
  std::size_t have = 0;
  for (;;) {
    // The file may grow while it is read: take what comes, up to the limit.
    if (have == bytes.size()) {
      if (bytes.size() >= limit + 1) return fail(EReadError::Unreadable, tooLarge);
      bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(limit + 1, bytes.size() + 65536)));
    }
    const ssize_t n = ::read(fd.Get(), bytes.data() + have, bytes.size() - have);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(EReadError::Unreadable, SystemError("cannot read", path));
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  if (have > limit) return fail(EReadError::Unreadable, tooLarge);
  bytes.resize(have);
  result.bytes = std::move(bytes);
  return result;
}

std::optional<CBytes> ReadFileBytes(const std::string& path, std::string* error, std::uint64_t limit) {
  CFileRead read = ReadFileChecked(path, limit);
  if (!read.bytes && error) *error = read.message;
  return std::move(read.bytes);
}

std::string ResolveLinks(const std::string& path) {
  fs::path p(path);
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::error_code ec;
    const fs::path target = fs::read_symlink(p, ec);
    if (ec) break;
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return p.string();
}

void RemoveStaleTemporaries(const std::string& folder) {
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() != kTempNameLength || !name.starts_with(kTempPrefix)) continue;
    const CFd fd(::open(entry.path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    // A save in progress holds its temporary file locked; a killed one no longer does.
    if (fd.Get() >= 0 && ::flock(fd.Get(), LOCK_EX | LOCK_NB) == 0) ::unlink(entry.path().c_str());
  }
}

struct CFileBatch::CStaged {
  std::string target;
  std::string temp;  // empty: the content is already there
  bool keepBackup = false;
  CFd fd;  // held open and locked until the rename
};

CFileBatch::CFileBatch() = default;

CFileBatch::~CFileBatch() {
  for (const auto& s : staged_)
    if (!s->temp.empty()) ::unlink(s->temp.c_str());
}

CFileResult CFileBatch::Stage(const std::string& path, std::span<const std::uint8_t> bytes, bool keepBackup) {
  auto staged = std::make_unique<CStaged>();
  staged->target = ResolveLinks(path);
  staged->keepBackup = keepBackup;
  const std::string folder = FolderOf(staged->target);
  if (SameContent(staged->target, bytes)) {
    staged_.push_back(std::move(staged));
    return {true, {}};
  }
  RemoveStaleTemporaries(folder);

  std::string temp = (fs::path(folder) / (std::string(kTempPrefix) + "XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {false, SystemError("cannot create a temporary file beside", path)};
  staged->fd.Reset(fd);
  ::flock(fd, LOCK_EX);
  staged->temp = temp;
  auto fail = [&](const std::string& what) {
    CFileResult r{false, SystemError(what, path)};
    ::unlink(temp.c_str());
    return r;
  };
  if (!WriteAll(fd, bytes)) return fail("cannot write");
  // Keep the permissions of the file we replace; a new file gets the usual ones.
  struct stat st {};
  if (::stat(staged->target.c_str(), &st) == 0)
    ::fchmod(fd, st.st_mode & 07777);
  else
    ::fchmod(fd, 0644);
  if (::fsync(fd) != 0) return fail("cannot flush");
  staged_.push_back(std::move(staged));
  return {true, {}};
}

CFileResult CFileBatch::Commit() {
  std::set<std::string> folders;
  CFileResult result{true, {}};
  for (const auto& s : staged_) {
    if (s->temp.empty()) continue;
    if (s->keepBackup) KeepBackup(s->target);
    const int closed = s->fd.Close() ? 0 : errno;
    if (closed != 0 || std::rename(s->temp.c_str(), s->target.c_str()) != 0) {
      const int error = closed != 0 ? closed : errno;
      ::unlink(s->temp.c_str());
      if (result.ok) result = {false, SystemError(closed ? "cannot close" : "cannot replace", s->target, error)};
    }
    s->temp.clear();
    folders.insert(FolderOf(s->target));
  }
  for (const std::string& folder : folders) SyncFolder(folder);
  staged_.clear();
  return result;
}

CFileResult WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
  CFileBatch batch;
  if (CFileResult staged = batch.Stage(path, bytes); !staged) return staged;
  return batch.Commit();
}

CFileResult AppendFileWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
  CFd fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC));
  const bool made = fd.Get() < 0 && errno == ENOENT;
  if (made) fd.Reset(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (fd.Get() < 0) return {false, SystemError("cannot open", path)};
  struct stat st {};
  if (::fstat(fd.Get(), &st) != 0) return {false, SystemError("cannot open", path)};
  if (!WriteAll(fd.Get(), bytes) || ::fsync(fd.Get()) != 0) {
    const int error = errno;
    if (made)
      ::unlink(path.c_str());
    else
      (void)::ftruncate(fd.Get(), st.st_size);
    return {false, SystemError(kCannotWrite, path, error)};
  }
  if (!fd.Close()) return {false, SystemError("cannot close", path)};
  return {true, {}};
}

CFileResult WriteFileAtomic(const std::string& path, std::string_view text) {
  return WriteFileAtomic(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace marigold

namespace marigold {

std::optional<std::string> MoveAside(const std::string& path) {
  for (int n = 1; n < 1000; ++n) {
    const std::string target = path + ".damaged" + (n == 1 ? std::string() : std::to_string(n));
    // link() fails when the target exists, so nothing is ever overwritten.
    if (::link(path.c_str(), target.c_str()) == 0) {
      ::unlink(path.c_str());
      return target;
    }
    if (errno == EEXIST) continue;
    // Folders without hard links (FAT, some shares): check, then rename.
    std::error_code ec;
    if (std::filesystem::exists(target, ec) || ec) continue;
    if (std::rename(path.c_str(), target.c_str()) == 0) return target;
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace marigold
