#pragma once
// The per-user settings store: text and integer values by section and key.
// The desktop program backs it with QSettings; tests use CMemorySettingsStore.
#include <string>

namespace marigold {

class CSettingsStore {
 public:
  virtual ~CSettingsStore() = default;
  virtual std::string GetString(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const = 0;
  virtual int GetInt(const std::string& section, const std::string& key, int defaultValue) const = 0;
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
  virtual void WriteInt(const std::string& section, const std::string& key, int value) = 0;
};

}  // namespace marigold
