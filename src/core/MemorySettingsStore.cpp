#include "core/MemorySettingsStore.h"

#include <cstdlib>

namespace marigold {

std::string CMemorySettingsStore::GetString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue) const {
  const auto it = values_.find({section, key});
  return it == values_.end() ? defaultValue : it->second;
}

int CMemorySettingsStore::GetInt(const std::string& section, const std::string& key, int defaultValue) const {
  const auto it = values_.find({section, key});
  return it == values_.end() ? defaultValue : std::atoi(it->second.c_str());
}

void CMemorySettingsStore::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  values_[{section, key}] = value;
}

void CMemorySettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
  values_[{section, key}] = std::to_string(value);
}

bool CMemorySettingsStore::Has(const std::string& section, const std::string& key) const {
  return values_.count({section, key}) != 0;
}

}  // namespace marigold
