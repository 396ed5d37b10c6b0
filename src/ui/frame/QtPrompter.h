#pragma once
// The prompter of the desktop: message boxes, Yes/No questions, a small
// choice dialog and the file dialogs.
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <string>
#include <vector>

#include "core/Prompter.h"

class QButtonGroup;

namespace marigold {

// "Text File (*.txt)|*.txt|All Files (*.*)|*.*||" as Qt name filters
// ("Text File (*.txt)", "All Files (*)"); "*.*" means every file.
QStringList QtNameFilters(const std::string& filter);

// A prompt over radio buttons, one per choice, and OK. The checked choice
// counts however the dialog is closed.
class CChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  CChoiceDialog(const std::string& title, const std::string& prompt, const std::vector<std::string>& choices,
                int preselected, QWidget* parent = nullptr);
  int Chosen() const;

 private:
  QButtonGroup* group;
};

class CQtPrompter final : public CPrompter {
 public:
  explicit CQtPrompter(QWidget* parent = nullptr) : parentWidget(parent) {}
  // Dialogs are centred on this window (the main frame once it exists).
  void SetParent(QWidget* parent) { parentWidget = parent; }

  void Message(const std::string& text, EMessageIcon icon) override;
  bool AskYesNo(const std::string& text) override;
  ESaveAnswer AskSaveChanges(const std::string& text) override;
  int Choose(const std::string& title, const std::string& prompt, const std::vector<std::string>& choices,
             int preselected) override;
  std::optional<std::string> ChooseOpenFile(const CFileChoice& choice) override;
  std::optional<std::string> ChooseSaveFile(const CFileChoice& choice) override;

 private:
  std::optional<std::string> ChooseFile(const CFileChoice& choice, bool save);

  QPointer<QWidget> parentWidget;
};

}  // namespace marigold
