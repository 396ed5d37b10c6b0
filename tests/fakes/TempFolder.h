#pragma once
// A fresh folder of its own under the system's temporary folder for one
// test, removed with everything in it at the end.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>

namespace marigold {

class CTempFolder {
 public:
  explicit CTempFolder(std::string_view tag = "test") {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("marigold-" + std::string(tag) + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~CTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace marigold
