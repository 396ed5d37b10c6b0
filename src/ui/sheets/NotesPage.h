#pragma once
// "Notes" (CPageNotes): one text box filling the page, bound to the text
// the record keeps. The voyage, reporting point, warning and port sheets
// show it. A text left as it was keeps its line ends and every character.
#include <QString>
#include <string>

#include "ui/sheets/Sheet.h"

class QTextEdit;

namespace marigold {

class CPageNotes final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageNotes(std::string& notes, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

 private:
  std::string& notes_;
  QTextEdit* text_;
  QString shown_;
};

}  // namespace marigold
