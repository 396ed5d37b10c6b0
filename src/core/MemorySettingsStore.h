#pragma once
// Settings held in memory: for tests, for the desktop's --data folder, and
// for what the command line writes but never keeps.
#include <map>
#include <string>
#include <utility>

#include "core/SettingsStore.h"

namespace marigold {

class CMemorySettingsStore : public CSettingsStore {
 public:
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue) const override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;

  bool Has(const std::string& section, const std::string& key) const;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace marigold
