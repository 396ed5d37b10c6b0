#include "cli/CliContext.h"

#include <cstdio>
#include <filesystem>

#include "core/DataFile.h"
#include "qtplatform/QtSettingsStore.h"
#include "qtplatform/UserDataFolder.h"

namespace marigold {

void CConsolePrompter::Message(const std::string& text, EMessageIcon /*icon*/) {
  std::fprintf(stderr, "%s\n", text.c_str());
}

bool CConsolePrompter::AskYesNo(const std::string& /*text*/) { return answerYes; }

ESaveAnswer CConsolePrompter::AskSaveChanges(const std::string& /*text*/) { return ESaveAnswer::Cancel; }

int CConsolePrompter::Choose(const std::string&, const std::string&, const std::vector<std::string>&, int preselected) {
  return preselected;
}

// No file is located from the command line: a missing file is reported and
// its list stays empty.
std::optional<std::string> CConsolePrompter::ChooseOpenFile(const CFileChoice&) { return std::nullopt; }
std::optional<std::string> CConsolePrompter::ChooseSaveFile(const CFileChoice&) { return saveTo; }

namespace {

// Reads the data folder's paths first, then what was written, then the store
// the settings come from; writes the paths in memory only (a file located or
// not found is not remembered) and every other setting into memory and, with
// a data folder, into its settings.ini.
class CCommandLineSettings final : public CSettingsStore {
 public:
  CCommandLineSettings(std::unique_ptr<CQtSettingsStore> read, std::optional<std::string> iniPath)
      : read_(std::move(read)), iniPath_(std::move(iniPath)) {}

  CMemorySettingsStore& Pinned() { return pinned_; }

  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& defaultValue) const override {
    return StoreFor(section, key).GetString(section, key, defaultValue);
  }
  int GetInt(const std::string& section, const std::string& key, int defaultValue) const override {
    return StoreFor(section, key).GetInt(section, key, defaultValue);
  }
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override {
    Write(section, key, [&](CSettingsStore& store) { store.WriteString(section, key, value); });
  }
  void WriteInt(const std::string& section, const std::string& key, int value) override {
    Write(section, key, [&](CSettingsStore& store) { store.WriteInt(section, key, value); });
  }

 private:
  template <class WriteTo>
  void Write(const std::string& section, const std::string& key, WriteTo writeTo) {
    if (pinned_.Has(section, key)) return writeTo(pinned_);
    writeTo(written_);
    if (CQtSettingsStore* ini = Ini()) {
      writeTo(*ini);
      ini->Sync();
    }
  }

  const CSettingsStore& StoreFor(const std::string& section, const std::string& key) const {
    if (pinned_.Has(section, key)) return pinned_;
    if (written_.Has(section, key)) return written_;
    return *read_;
  }

  // The data folder's settings.ini, made from the settings read when it was
  // missing, so that it never holds only the one setting written.
  CQtSettingsStore* Ini() {
    if (!iniPath_) return nullptr;
    if (!ini_) {
      const bool existed = std::filesystem::exists(*iniPath_);
      ini_ = std::make_unique<CQtSettingsStore>(*iniPath_);
      if (!existed) ini_->CopyFrom(*read_);
    }
    return ini_.get();
  }

  std::unique_ptr<CQtSettingsStore> read_;
  std::optional<std::string> iniPath_;
  std::unique_ptr<CQtSettingsStore> ini_;
  CMemorySettingsStore pinned_;
  CMemorySettingsStore written_;
};

}  // namespace

std::unique_ptr<CSettingsStore> CommandLineSettings(const std::optional<std::string>& dataFolder) {
  if (!dataFolder) {
    auto settings = std::make_unique<CCommandLineSettings>(std::make_unique<CQtSettingsStore>(), std::nullopt);
    // Data files without a stored path are the per-user data folder's, as in
    // the desktop program, never the current folder's. Settled for this
    // command only, and the folder is not made: a command that looks creates
    // nothing.
    if (const std::string folder = UserDataFolder(); !folder.empty()) SettleDataPaths(*settings, folder);
    return settings;
  }
  const std::string ini = (std::filesystem::path(*dataFolder) / kDataFolderSettings).string();
  auto read =
      std::filesystem::exists(ini) ? std::make_unique<CQtSettingsStore>(ini) : std::make_unique<CQtSettingsStore>();
  auto settings = std::make_unique<CCommandLineSettings>(std::move(read), ini);
  UseDataFolder(settings->Pinned(), *dataFolder);
  return settings;
}

CCliContext::CCliContext(const std::optional<std::string>& dataFolder) : settings_(CommandLineSettings(dataFolder)) {}

CCliContext::~CCliContext() = default;

CMarigoldRouteDoc* CCliContext::Document(const std::optional<std::string>& route, EWrites writes) {
  if (writes == EWrites::DataFiles && !lock_) {
    // Taken before the data are read, so that no desktop program can start
    // and save over what this command writes.
    auto lock = std::make_unique<CDataFolderLock>(DataFolders(*settings_));
    if (!lock->Held()) {
      std::fprintf(stderr, "marigold: %s%s\nNothing was changed.\n", kDataFolderBusy, lock->BusyFolder().c_str());
      return nullptr;
    }
    lock_ = std::move(lock);
  }
  if (!document_) {
    document_ = std::make_unique<CMarigoldRouteDoc>(*settings_, prompter, clock, CMarigoldRouteDoc::EMode::ReadOnly);
    document_->askFileVersion = false;
  }
  if (route && !document_->Open(*route)) return nullptr;
  return document_.get();
}

}  // namespace marigold
