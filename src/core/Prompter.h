#pragma once
// Everything the logic asks of the user: messages, Yes/No questions and file
// choosers. The desktop program shows dialogs; tests script the answers.
#include <optional>
#include <string>

namespace marigold {

enum class EMessageIcon { None, Stop, Exclamation, Information, Question };

struct CFileChoice {
  std::string defaultName;       // e.g. "vessel"
  std::string defaultExtension;  // without the dot, e.g. "dat"
  std::string filter;            // "Data Files (*.dat)|*.dat|All Files (*.*)|*.*||"
};

class CPrompter {
 public:
  virtual ~CPrompter() = default;
  virtual void Message(const std::string& text, EMessageIcon icon) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // The chosen path, or no value when the user cancels.
  virtual std::optional<std::string> ChooseOpenFile(const CFileChoice& choice) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const CFileChoice& choice) = 0;
};

}  // namespace marigold
