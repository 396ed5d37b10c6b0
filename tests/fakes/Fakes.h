#pragma once
// Scripted stand-ins for the platform interfaces.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/Clock.h"
#include "core/MemorySettingsStore.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"

namespace marigold {

// Records every message and question; answers from queues (No, and Cancel
// on file choosers, when a queue runs dry).
class CScriptedPrompter final : public CPrompter {
 public:
  struct CShown {
    std::string text;
    EMessageIcon icon;
  };

  void Message(const std::string& text, EMessageIcon icon) override;
  bool AskYesNo(const std::string& text) override;
  // Takes the next of `saveAnswers` (Cancel when none is queued).
  ESaveAnswer AskSaveChanges(const std::string& text) override;
  // Takes the next of `choices` (the preselected one when none is queued).
  int Choose(const std::string& title, const std::string& prompt, const std::vector<std::string>& options,
             int preselected) override;
  std::optional<std::string> ChooseOpenFile(const CFileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const CFileChoice& choice) override;

  std::deque<bool> answers;
  std::deque<std::optional<std::string>> files;
  std::deque<int> choices;
  std::deque<ESaveAnswer> saveAnswers;

  std::vector<CShown> messages;
  std::vector<std::string> questions;  // Yes/No and Save/Discard/Cancel, in order
  std::vector<std::string> choicePrompts;
  std::vector<CFileChoice> fileChoices;
  std::vector<bool> saveDialogs;  // per file choice: a save dialog rather than an open one

 private:
  std::optional<std::string> ChooseFile(const CFileChoice& choice, bool save);
};

class CFixedClock final : public CClock {
 public:
  explicit CFixedClock(std::time_t now = 0) : now_(now) {}
  std::time_t Now() const override { return now_; }
  void Set(std::time_t now) { now_ = now; }

 private:
  std::time_t now_;
};

}  // namespace marigold
