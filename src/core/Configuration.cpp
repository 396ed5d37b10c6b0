#include "core/Configuration.h"

#include "core/RangeCheck.h"

namespace marigold {
namespace {

std::size_t Utf8Length(const std::string& text) {
  std::size_t n = 0;
  for (const unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::optional<std::string> CheckRange(int value, const CIntSetting& setting) {
  return CheckIntegerRange(value, setting.min, setting.max);
}

}  // namespace

CConfiguration CConfiguration::Read(const CSettingsStore& store) {
  CConfiguration c;
  for (const EDataFile file : kDataFiles) c.PathOf(file) = ReadSetting(store, DataFileInfo(file).path);
  c.daysOldFix = ReadSetting(store, settings::kDaysOldFix);
  c.daysOldHurri = ReadSetting(store, settings::kDaysOldHurri);
  c.separator = ReadSetting(store, settings::kConvChar);
  c.askLoadOld = ReadSetting(store, settings::kAskLoadOld) != 0;
  return c;
}

std::optional<std::string> CConfiguration::Validate() const {
  if (auto message = CheckRange(daysOldFix, settings::kDaysOldFix)) return message;
  if (auto message = CheckRange(daysOldHurri, settings::kDaysOldHurri)) return message;
  // An empty separator would run every field of an exported file together.
  if (Utf8Length(separator) != 1) return "Please enter one separation character.";
  return std::nullopt;
}

void CConfiguration::Write(CSettingsStore& store) const {
  WriteSetting(store, settings::kAskLoadOld, askLoadOld ? 1 : 0);
  for (const EDataFile file : kDataFiles) WriteSetting(store, DataFileInfo(file).path, PathOf(file));
  WriteSetting(store, settings::kDaysOldFix, daysOldFix);
  WriteSetting(store, settings::kDaysOldHurri, daysOldHurri);
  WriteSetting(store, settings::kConvChar, separator);
}

CFileChoice BrowseChoice(EDataFile file) {
  switch (file) {
    case EDataFile::Vessel: return {"Vessel", "dat", "Vessel Data (vessel.dat)|vessel.dat|All Files (*.*)|*.*||"};
    case EDataFile::History: return {"Voyage", "dat", "Route Data (voyage.dat)|voyage.dat|All Files (*.*)|*.*||"};
    case EDataFile::Ports: return {"Port", "dat", "Port Data (port.dat)|port.dat|All Files (*.*)|*.*||"};
    case EDataFile::Meteo: return {"Meteo", "dat", "Meteo Data (meteo.dat)|meteo.dat|All Files (*.*)|*.*||"};
    case EDataFile::Warnings:
      return {"warning", "dat", "Navigational Warnings (warning.dat)|warning.dat|All Files (*.*)|*.*||"};
    case EDataFile::Hurricanes:
      return {"Hurricane", "dat", "Hurricane Data (hurricane.dat)|hurricane.dat|All Files (*.*)|*.*||"};
  }
  return {};
}

}  // namespace marigold
