#pragma once
// The per-user settings store of the desktop: QSettings under "Lanternfish
// Works" / "Marigold Route" (the registry on Windows, an INI file on Linux).
#include <memory>
#include <string>

#include "core/SettingsStore.h"

class QSettings;

namespace marigold {

// The settings a data folder may hold, in the store's INI form.
inline constexpr const char* kDataFolderSettings = "settings.ini";

class CQtSettingsStore final : public CSettingsStore {
 public:
  // The user's store.
  CQtSettingsStore();
  // The store's INI form in a file of its own ("[Path]" and "[Vessel]"
  // sections), e.g. a data folder's settings.ini; the file is made at the
  // first write.
  explicit CQtSettingsStore(const std::string& iniPath);
  ~CQtSettingsStore() override;

  // Every value the other store holds, written into this one.
  void CopyFrom(const CQtSettingsStore& other);
  // Every value this store holds, written into `other` as text.
  void CopyTo(CSettingsStore& other) const;
  // Writes what was changed to its file or registry now; false on failure.
  bool Sync();
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const override;
  int GetInt(const std::string& section, const std::string& key, int defaultValue) const override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  void WriteInt(const std::string& section, const std::string& key, int value) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

// Every value of `folder`'s settings file, when it has one, written into
// `into`; the file is only read.
void ReadDataFolderSettings(const std::string& folder, CSettingsStore& into);

}  // namespace marigold
