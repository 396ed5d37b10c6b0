#pragma once
// The values of the "Configuration" dialog: the six data-file paths, the two
// clean-up periods, the separator of comma-separated files and the
// old-route-file question.
#include <array>
#include <optional>
#include <string>

#include "core/DataFile.h"
#include "core/SettingsStore.h"

namespace marigold {

struct CConfiguration {
  std::array<std::string, 6> paths;  // in the order of kDataFiles
  int daysOldFix = settings::kDaysOldFix.defaultValue;
  int daysOldHurri = settings::kDaysOldHurri.defaultValue;
  std::string separator = settings::kConvChar.defaultValue;
  bool askLoadOld = true;

  std::string& PathOf(EDataFile file) { return paths[static_cast<std::size_t>(file)]; }
  const std::string& PathOf(EDataFile file) const { return paths[static_cast<std::size_t>(file)]; }

  // Every value from the settings, with the defaults where none is stored.
  static CConfiguration Read(const CSettingsStore& store);
  // The message of the first value out of range, or no value when all fit.
  std::optional<std::string> Validate() const;
  // All ten settings of section "Path".
  void Write(CSettingsStore& store) const;
};

// The locate dialog of each path field ("Browse").
CFileChoice BrowseChoice(EDataFile file);

}  // namespace marigold
