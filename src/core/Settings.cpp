#include "core/Settings.h"

#include <algorithm>

namespace marigold {

std::string ReadSetting(const CSettingsStore& store, const CTextSetting& setting) {
  return store.GetString(setting.section, setting.key, setting.defaultValue);
}

int ReadSetting(const CSettingsStore& store, const CIntSetting& setting) {
  const int value = store.GetInt(setting.section, setting.key, setting.defaultValue);
  if (value < setting.readMin) return setting.min;
  return std::min(value, setting.max);
}

void WriteSetting(CSettingsStore& store, const CTextSetting& setting, const std::string& value) {
  store.WriteString(setting.section, setting.key, value);
}

void WriteSetting(CSettingsStore& store, const CIntSetting& setting, int value) {
  store.WriteInt(setting.section, setting.key, value);
}

}  // namespace marigold
