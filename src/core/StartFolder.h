#pragma once
// Where file dialogs open: in the folder of the file used last, whether the
// route document was opened or saved there or a file was chosen there in any
// dialog. The folder is kept in the settings store, so that it outlives the
// run (in memory with --data).
#include <string>

#include "core/Prompter.h"
#include "core/SettingsStore.h"

namespace marigold {

// Remembers the folder of `file` (a path with a folder; a bare name, as
// offered before any dialog, changes nothing).
void RememberFileFolder(CSettingsStore& settings, const std::string& file);

// The remembered folder while it still exists; empty otherwise (the
// platform's choice).
std::string StartFolder(const CSettingsStore& settings);

// A prompter that opens every file dialog of `inner` in the start folder
// (unless the caller named a folder) and remembers the folder of each file
// chosen. Everything else passes through.
class CStartFolderPrompter final : public CPrompter {
 public:
  CStartFolderPrompter(CPrompter& dialogs, CSettingsStore& store) : inner(dialogs), settings(store) {}

  void Message(const std::string& text, EMessageIcon icon) override { inner.Message(text, icon); }
  bool AskYesNo(const std::string& text) override { return inner.AskYesNo(text); }
  ESaveAnswer AskSaveChanges(const std::string& text) override { return inner.AskSaveChanges(text); }
  int Choose(const std::string& title, const std::string& prompt, const std::vector<std::string>& choices,
             int preselected) override {
    return inner.Choose(title, prompt, choices, preselected);
  }
  std::optional<std::string> ChooseOpenFile(const CFileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const CFileChoice& choice) override;

 private:
  CFileChoice InFolder(const CFileChoice& choice) const;
  std::optional<std::string> Remembered(const std::optional<std::string>& chosen);

  CPrompter& inner;
  CSettingsStore& settings;
};

}  // namespace marigold
