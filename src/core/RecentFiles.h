#pragma once
// The four most recently used route documents, newest first, kept in the
// settings store ("Recent File List", keys "File1" to "File4").
#include <string>
#include <vector>

#include "core/SettingsStore.h"

namespace marigold {

inline constexpr const char* kRecentSection = "Recent File List";
inline constexpr int kRecentFileCount = 4;

class CRecentFiles {
 public:
  explicit CRecentFiles(CSettingsStore& settings) : settings_(settings) {}

  std::vector<std::string> Files() const;
  // To the top of the list (once), dropping the oldest beyond four.
  void Add(const std::string& file);
  // A file that could not be opened leaves the list.
  void Remove(const std::string& file);

 private:
  void Write(const std::vector<std::string>& files);

  CSettingsStore& settings_;
};

}  // namespace marigold
