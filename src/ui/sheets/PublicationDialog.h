#pragma once
// "Nautical Publication": a chart or book of the route, for insert and edit.
#include <string>

#include "lists/Publication.h"
#include "ui/sheets/EditDialog.h"

class QLineEdit;
class QRadioButton;

namespace marigold {

class CDateTimeEdit;

class CPublicationDialog final : public CEditDialog {
  Q_OBJECT

 public:
  CPublicationDialog(CPublication& publication, const std::string& caption, CPrompter& prompter,
                     QWidget* parent = nullptr);

 protected:
  std::optional<CFieldRefusal> Validate() override;
  void Apply() override;

 private:
  CPublication& publication_;
  QLineEdit* number_;
  QRadioButton* chart_;
  QRadioButton* book_;
  QLineEdit* description_;
  QLineEdit* publisher_;
  CDateTimeEdit* publicationDate_;
  QLineEdit* correctionNumber_;
  CDateTimeEdit* correctionDate_;
};

// Shows the dialog modally; OK writes the edits into the publication.
CDialogOutcome ShowPublicationDialog(QWidget* parent, CPrompter& prompter, CPublication& publication,
                                     const std::string& caption);

}  // namespace marigold
