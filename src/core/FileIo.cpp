#include "core/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace marigold {
namespace {

std::string SystemError(const std::string& what, const std::string& path) {
  return what + " " + path + ": " + std::strerror(errno);
}

class CFdCloser {
 public:
  explicit CFdCloser(int fd) : fd_(fd) {}
  ~CFdCloser() {
    if (fd_ >= 0) ::close(fd_);
  }
  CFdCloser(const CFdCloser&) = delete;
  CFdCloser& operator=(const CFdCloser&) = delete;
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

}  // namespace

std::optional<CBytes> ReadFileBytes(const std::string& path, std::string* error) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    if (error) *error = SystemError("cannot open", path);
    return std::nullopt;
  }
  CBytes bytes;
  std::uint8_t chunk[65536];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
    bytes.insert(bytes.end(), chunk, chunk + n);
    if (n < sizeof chunk) break;
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) {
    if (error) *error = "cannot read " + path;
    return std::nullopt;
  }
  return bytes;
}

CFileResult WriteFileAtomic(const std::string& path, std::span<const std::uint8_t> bytes) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {false, SystemError("cannot create a temporary file beside", path)};
  CFdCloser closer(fd);
  auto fail = [&](const std::string& what) {
    CFileResult r{false, SystemError(what, path)};
    ::unlink(temp.c_str());
    return r;
  };

  const std::uint8_t* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail("cannot write");
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  // Keep the permissions of the file we replace; a new file gets the usual ones.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0)
    ::fchmod(fd, st.st_mode & 07777);
  else
    ::fchmod(fd, 0644);
  if (::fsync(fd) != 0) return fail("cannot flush");
  if (::close(closer.Release()) != 0) return fail("cannot close");
  if (std::rename(temp.c_str(), path.c_str()) != 0) return fail("cannot replace");
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
