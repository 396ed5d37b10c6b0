#pragma once
// The per-user settings store of the desktop: QSettings under "Lanternfish
// Works" / "Marigold Route" (the registry on Windows, an INI file on Linux).
#include <memory>

#include "core/SettingsStore.h"

class QSettings;

namespace marigold {

class CQtSettingsStore final : public CSettingsStore {
 public:
  CQtSettingsStore();
  ~CQtSettingsStore() override;
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue) const override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace marigold
