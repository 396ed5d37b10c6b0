#include "fakes/Fakes.h"

namespace marigold {

void CScriptedPrompter::Message(const std::string& text, EMessageIcon icon) { messages.push_back({text, icon}); }

bool CScriptedPrompter::AskYesNo(const std::string& text) {
  questions.push_back(text);
  if (answers.empty()) return false;
  const bool yes = answers.front();
  answers.pop_front();
  return yes;
}

ESaveAnswer CScriptedPrompter::AskSaveChanges(const std::string& text) {
  questions.push_back(text);
  if (saveAnswers.empty()) return ESaveAnswer::Cancel;
  const ESaveAnswer answer = saveAnswers.front();
  saveAnswers.pop_front();
  return answer;
}

int CScriptedPrompter::Choose(const std::string& /*title*/, const std::string& prompt,
                              const std::vector<std::string>& /*options*/, int preselected) {
  choicePrompts.push_back(prompt);
  if (choices.empty()) return preselected;
  const int chosen = choices.front();
  choices.pop_front();
  return chosen;
}

std::optional<std::string> CScriptedPrompter::ChooseFile(const CFileChoice& choice, bool save) {
  fileChoices.push_back(choice);
  saveDialogs.push_back(save);
  if (files.empty()) return std::nullopt;
  auto f = files.front();
  files.pop_front();
  return f;
}

std::optional<std::string> CScriptedPrompter::ChooseOpenFile(const CFileChoice& choice) {
  return ChooseFile(choice, false);
}

std::optional<std::string> CScriptedPrompter::ChooseSaveFile(const CFileChoice& choice) {
  return ChooseFile(choice, true);
}

}  // namespace marigold
