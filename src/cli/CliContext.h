#pragma once
// What every command stands on: the settings (read, never written), a
// prompter that writes the desktop's messages to standard error and answers
// no dialog, the clock, and the document.
#include <memory>
#include <optional>
#include <string>

#include "core/Clock.h"
#include "core/MemorySettingsStore.h"
#include "core/Prompter.h"
#include "qtplatform/DataFolderLock.h"
#include "qtplatform/QtSettingsStore.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

class CConsolePrompter final : public CPrompter {
 public:
  void Message(const std::string& text, EMessageIcon icon) override;
  bool AskYesNo(const std::string& text) override;
  // The command line never leaves changes unsaved by surprise: Cancel.
  ESaveAnswer AskSaveChanges(const std::string& text) override;
  int Choose(const std::string& title, const std::string& prompt, const std::vector<std::string>& choices,
             int preselected) override;
  std::optional<std::string> ChooseOpenFile(const CFileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const CFileChoice& choice) override;
  // Yes to the next questions (a command that means to change something).
  bool answerYes = false;
  // The file a save dialog "chooses": the command's -o.
  std::optional<std::string> saveTo;
};

// The settings of the command line, chosen here and nowhere else:
// - without a data folder, the user's settings store, read and never written
//   (what a command writes stays in memory);
// - with --data DIR, DIR/settings.ini (the store's INI form) when that file
//   exists, else the user's store read as above; the six data files are
//   DIR's whatever the settings say, and a setting a command changes is
//   written to DIR/settings.ini (made, when missing, from the settings read).
std::unique_ptr<CSettingsStore> CommandLineSettings(const std::optional<std::string>& dataFolder);

enum class EWrites { Nothing, DataFiles };
inline constexpr const char* kDataFolderBusy = "the data files are in use by Marigold Route in ";

class CCliContext {
 public:
  // With a data folder the six files are taken from it; otherwise from the
  // user's settings, as the desktop program does (CommandLineSettings).
  explicit CCliContext(const std::optional<std::string>& dataFolder);
  ~CCliContext();

  // The document, with the route document read (when given). Null when the
  // route could not be read, or when the command means to write data files
  // and another copy (the desktop program) holds their folder; the reason is
  // on standard error. The lock is kept until the command ends.
  CMarigoldRouteDoc* Document(const std::optional<std::string>& route, EWrites writes = EWrites::Nothing);

  CSettingsStore& Settings() { return *settings_; }
  CConsolePrompter prompter;
  CSystemClock clock;

 private:
  std::unique_ptr<CSettingsStore> settings_;
  std::unique_ptr<CMarigoldRouteDoc> document_;
  std::unique_ptr<CDataFolderLock> lock_;
};

}  // namespace marigold
