#include "core/RecentFiles.h"

#include <algorithm>

namespace marigold {
namespace {

std::string Key(int index) { return "File" + std::to_string(index + 1); }

}  // namespace

std::vector<std::string> CRecentFiles::Files() const {
  std::vector<std::string> files;
  for (int i = 0; i < kRecentFileCount; ++i) {
    std::string file = settings_.GetString(kRecentSection, Key(i), "");
    if (!file.empty()) files.push_back(std::move(file));
  }
  return files;
}

void CRecentFiles::Write(const std::vector<std::string>& files) {
  for (int i = 0; i < kRecentFileCount; ++i) {
    const auto index = static_cast<std::size_t>(i);
    settings_.WriteString(kRecentSection, Key(i), index < files.size() ? files[index] : "");
  }
}

void CRecentFiles::Add(const std::string& file) {
  std::vector<std::string> files = Files();
  std::erase(files, file);
  files.insert(files.begin(), file);
  if (files.size() > static_cast<std::size_t>(kRecentFileCount)) files.resize(kRecentFileCount);
  Write(files);
}

void CRecentFiles::Remove(const std::string& file) {
  std::vector<std::string> files = Files();
  if (std::erase(files, file) > 0) Write(files);
}

}  // namespace marigold
