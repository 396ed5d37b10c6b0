#pragma once
// Settings held in memory: for tests, and for the command line, which reads
// the user's settings but never writes them.
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

// Reads through to another store; what is written stays in memory, so the
// other store never changes.
class COverlaySettingsStore final : public CSettingsStore {
 public:
  explicit COverlaySettingsStore(const CSettingsStore& base) : base_(base) {}
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue) const override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    written_.WriteString(section, key, value);
  }
  void WriteInt(const std::string& section, const std::string& key, int value) override {
    written_.WriteInt(section, key, value);
  }

 private:
  const CSettingsStore& base_;
  CMemorySettingsStore written_;
};

}  // namespace marigold
