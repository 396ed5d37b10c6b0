#include "core/Configuration.h"

namespace marigold {
namespace {

std::size_t Utf8Length(const std::string& text) {
  std::size_t n = 0;
  for (const unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

std::optional<CFieldRefusal> CheckRange(int value, const CIntSetting& setting) {
  return CheckIntegerField(setting.key, value, setting.min, setting.max);
}

}  // namespace

CConfigurationFields ReadConfiguration(const CSettingsStore& store) {
  CConfigurationFields c;
  for (const EDataFile file : kDataFiles) c.PathOf(file) = ReadSetting(store, DataFileInfo(file).path);
  c.daysOldFix = ReadSetting(store, settings::kDaysOldFix);
  c.daysOldHurri = ReadSetting(store, settings::kDaysOldHurri);
  c.separator = ReadSetting(store, settings::kConvChar);
  c.askLoadOld = ReadSetting(store, settings::kAskLoadOld) != 0;
  return c;
}

std::optional<CFieldRefusal> Validate(const CConfigurationFields& fields) {
  if (auto refusal = CheckRange(fields.daysOldFix, settings::kDaysOldFix)) return refusal;
  if (auto refusal = CheckRange(fields.daysOldHurri, settings::kDaysOldHurri)) return refusal;
  // An empty separator would run every field of an exported file together.
  if (Utf8Length(fields.separator) != 1)
    return CFieldRefusal{settings::kConvChar.key, "Please enter one separation character."};
  return std::nullopt;
}

void ApplyConfiguration(const CConfigurationFields& fields, CSettingsStore& store) {
  WriteSetting(store, settings::kAskLoadOld, fields.askLoadOld ? 1 : 0);
  for (const EDataFile file : kDataFiles) WriteSetting(store, DataFileInfo(file).path, fields.PathOf(file));
  WriteSetting(store, settings::kDaysOldFix, fields.daysOldFix);
  WriteSetting(store, settings::kDaysOldHurri, fields.daysOldHurri);
  WriteSetting(store, settings::kConvChar, fields.separator);
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
