#pragma once
// "Reports" (CPageMessageList): the documents attached to a reporting point
// or a port, with "Add", "View" (the desktop's program for the document's
// type opens it) and "Remove". The page works on a copy of the paths; OK
// hands them back, so that Cancel leaves the record's list as it was.
#include <string>
#include <vector>

#include "core/Prompter.h"
#include "ui/sheets/Sheet.h"

class QListWidget;

namespace marigold {

class CPageMessageList final : public CSheetPage {
  Q_OBJECT

 public:
  CPageMessageList(std::vector<std::string>& documents, CPrompter& prompter, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

 private:
  void Fill(int selectRow);
  int SelectedRow() const;
  void OnAdd();
  void OnView();
  void OnRemove();

  std::vector<std::string>& documents_;
  CPrompter& prompter_;
  std::vector<std::string> work_;
  QListWidget* list_;
};

}  // namespace marigold
