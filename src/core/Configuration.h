#pragma once
// The values of the "Configuration" dialog: the six data-file paths, the two
// clean-up periods, the separator of comma-separated files and the
// old-route-file question.
#include <array>
#include <optional>
#include <string>

#include "core/DataFile.h"
#include "core/RangeCheck.h"
#include "core/SettingsStore.h"

namespace marigold {

struct CConfigurationFields {
  std::array<std::string, 6> paths;  // in the order of kDataFiles
  int daysOldFix = settings::kDaysOldFix.defaultValue;
  int daysOldHurri = settings::kDaysOldHurri.defaultValue;
  std::string separator = settings::kConvChar.defaultValue;
  bool askLoadOld = true;

  std::string& PathOf(EDataFile file) { return paths[static_cast<std::size_t>(file)]; }
  const std::string& PathOf(EDataFile file) const { return paths[static_cast<std::size_t>(file)]; }
};

// Every value from the settings, with the defaults where none is stored.
CConfigurationFields ReadConfiguration(const CSettingsStore& store);
// The first value out of range in the order of the dialog, named by the
// setting key its editor carries ("DaysOldFix", "DaysOldHurri", "ConvChar").
std::optional<CFieldRefusal> Validate(const CConfigurationFields& fields);
// All ten settings of section "Path".
void ApplyConfiguration(const CConfigurationFields& fields, CSettingsStore& store);

// The locate dialog of each path field ("Browse").
CFileChoice BrowseChoice(EDataFile file);

}  // namespace marigold
