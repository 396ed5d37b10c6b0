#pragma once
// Every setting of the program in one place: section, key, default and range.
// The document, the dialogs and the command line read them through here, at
// each use, so a changed setting takes effect the next time it is needed.
#include <string>

#include "core/SettingsStore.h"

namespace marigold {

struct CTextSetting {
  const char* section;
  const char* key;
  const char* defaultValue;
};

struct CIntSetting {
  const char* section;
  const char* key;
  int defaultValue;
  int min;  // the dialogs' range
  int max;
  int readMin;  // the lowest stored value read as it stands (at most min)
};

namespace settings {

inline constexpr CTextSetting kVesselData{"Path", "vesseldata", "vessel.dat"};
inline constexpr CTextSetting kHistoryData{"Path", "Routedat", "voyage.dat"};
inline constexpr CTextSetting kPortData{"Path", "portinfo", "port.dat"};
inline constexpr CTextSetting kMeteoData{"Path", "Meteodat", "meteo.dat"};
inline constexpr CTextSetting kWarningData{"Path", "Warningdat", "warning.dat"};
inline constexpr CTextSetting kHurricaneData{"Path", "Hurricanedat", "hurricane.dat"};
// A stored 0 keeps only the latest fix (and those at its time) on loading.
inline constexpr CIntSetting kDaysOldFix{"Path", "DaysOldFix", 7, 3, 30, 0};
inline constexpr CIntSetting kDaysOldHurri{"Path", "DaysOldHurri", 7, 6, 30, 6};
inline constexpr CTextSetting kConvChar{"Path", "ConvChar", ","};
inline constexpr CIntSetting kAskLoadOld{"Path", "AskLoadOld", 1, 0, 1, 0};
inline constexpr CTextSetting kCallSign{"Vessel", "CallSign", "XXXX"};
inline constexpr CTextSetting kImoNumber{"Vessel", "IMONumber", "12345"};

// The desktop window as the officer left it (not with --data, whose store
// lives in memory).
inline constexpr CTextSetting kWindowGeometry{"Window", "Geometry", ""};
inline constexpr CTextSetting kSplitterState{"Window", "Splitter", ""};
inline constexpr CIntSetting kSelectedList{"Window", "SelectedList", 0, 0, 9, 0};
inline constexpr CIntSetting kViewStyle{"Window", "ViewStyle", 0, 0, 3, 0};
inline constexpr CIntSetting kNightColours{"Window", "NightColours", 0, 0, 1, 0};
// The folder of the file used last, where file dialogs open.
inline constexpr CTextSetting kLastFolder{"Window", "LastFolder", ""};
// Column widths the officer dragged, per list (key: the list's command-line
// name) as eight numbers, 0 where the measured width stands.
inline constexpr const char* kColumnWidthSection = "Columns";

}  // namespace settings

std::string ReadSetting(const CSettingsStore& store, const CTextSetting& setting);
// A stored value from readMin to max is read as it stands; one below readMin
// (an edited settings file) reads as min and one above max as max, so that
// no clean-up runs with, say, -5 days.
int ReadSetting(const CSettingsStore& store, const CIntSetting& setting);
void WriteSetting(CSettingsStore& store, const CTextSetting& setting, const std::string& value);
void WriteSetting(CSettingsStore& store, const CIntSetting& setting, int value);

}  // namespace marigold
