#pragma once
// Everything the logic asks of the user: messages, Yes/No questions and file
// choosers. The desktop program shows dialogs; tests script the answers.
#include <optional>
#include <string>
#include <vector>

namespace marigold {

enum class EMessageIcon { None, Stop, Exclamation, Information, Question };

// The answers to the question before unsaved changes are lost.
enum class ESaveAnswer { Save, Discard, Cancel };

struct CFileChoice {
  std::string defaultName;       // e.g. "vessel"
  std::string defaultExtension;  // without the dot, e.g. "dat"
  std::string filter;            // "Data Files (*.dat)|*.dat|All Files (*.*)|*.*||"
  std::string folder = {};       // where the dialog opens; empty: the start folder
  bool appends = false;          // an export that adds to an existing file: no question of replacing it
};

class CPrompter {
 public:
  virtual ~CPrompter() = default;
  virtual void Message(const std::string& text, EMessageIcon icon) = 0;
  // A question with Yes and No; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // "Save changes to ...?" with Save, Discard and Cancel (Save the default).
  virtual ESaveAnswer AskSaveChanges(const std::string& text) = 0;
  // One of several choices (radio buttons) under a prompt, in a dialog with
  // its own title; the index chosen. The preselected one stands when the
  // dialog is closed without a change.
  virtual int Choose(const std::string& title, const std::string& prompt, const std::vector<std::string>& choices,
                     int preselected) = 0;
  // The chosen path, or no value when the user cancels.
  virtual std::optional<std::string> ChooseOpenFile(const CFileChoice& choice) = 0;
  virtual std::optional<std::string> ChooseSaveFile(const CFileChoice& choice) = 0;
};

}  // namespace marigold
