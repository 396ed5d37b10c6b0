#pragma once
// A record sheet: pages on tabs over one record, applied together on OK.
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/RangeCheck.h"
#include "ui/sheets/EditDialog.h"

class QTabWidget;

namespace marigold {

// One tab of a sheet, bound to its record when constructed.
class CSheetPage : public QWidget {
  Q_OBJECT

 public:
  explicit CSheetPage(const QString& caption, QWidget* parent = nullptr);

  const QString& Caption() const { return caption_; }
  bool Loaded() const { return loaded_; }

  // Fills the editors from the record; called once, when the page is first shown.
  virtual void Load() = 0;
  // The first refused value, named by the objectName of its editor.
  virtual std::optional<CFieldRefusal> Validate() const { return std::nullopt; }
  // Writes the editors into the record.
  virtual void Store() = 0;

 signals:
  // Data changed other than in a watched editor (a button of the page).
  void edited();

 private:
  friend class CSheet;
  QString caption_;
  bool loaded_ = false;
};

// Pages are loaded as they are first shown, and only loaded pages are
// validated and stored on OK: a page never opened leaves its part of the
// record exactly as it was. A page is also validated when the officer leaves
// it; a refusal keeps it shown.
class CSheet : public CEditDialog {
  Q_OBJECT

 public:
  CSheet(const std::string& caption, CPrompter& prompter, const char* cancelQuestion, QWidget* parent = nullptr);
  ~CSheet() override;

  void SetCaption(const std::string& caption);
  // Appends a tab; the sheet takes ownership.
  void AddPage(CSheetPage* page);

  QTabWidget* tabWidget() const { return tabs_; }
  CSheetPage* CurrentPage() const;

 protected:
  std::optional<CFieldRefusal> Validate() override;
  void Apply() override;
  void FocusRefusal(const CFieldRefusal& refusal) override;
  void showEvent(QShowEvent* event) override;

 private:
  void LoadPage(CSheetPage* page);
  void OnPageChanged();
  // Back to a loaded page that refused a value, checking no other on the way.
  void ShowRefusingPage(CSheetPage* page);

  QTabWidget* tabs_ = nullptr;
  CSheetPage* shownPage_ = nullptr;
  bool returning_ = false;
  std::vector<CSheetPage*> pages_;
  CSheetPage* refusingPage_ = nullptr;
};

// Makes the sheet, shows it modally and tells how it ended.
template <class TSheet, class... TArgs>
CDialogOutcome ShowSheet(TArgs&&... args) {
  TSheet sheet(std::forward<TArgs>(args)...);
  return sheet.Run();
}

}  // namespace marigold
