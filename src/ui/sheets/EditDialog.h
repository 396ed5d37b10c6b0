#pragma once
// The base of every dialog that edits persistent data: the changed flag, the
// question when changes would be lost, and OK with the range checks.
#include <QDialog>
#include <optional>
#include <string>

#include "core/Prompter.h"
#include "core/RangeCheck.h"

class QDialogButtonBox;
class QVBoxLayout;

namespace marigold {

// The two forms of the cancel question; each dialog asks its own.
inline constexpr const char* kDataHasBeenChangedQuestion = "Data has been changed!\nCancel all changes?";
inline constexpr const char* kDataHasChangedQuestion = "Data has changed!\nCancel all changes?";

// A subclass puts its editors into ContentLayout(), calls WatchForChanges on
// them once they are filled, and implements Validate and Apply.
//
// OK with the flag set validates; a refusal shows its message, keeps the
// dialog open and focuses the refused editor; otherwise Apply runs and the
// dialog is accepted. OK without a change closes without applying.
// Cancel, Escape and the close box with the flag set ask the cancel question:
// Yes discards, No applies as OK does.
// How a dialog ended: OK (or No to the cancel question), and whether it
// wrote edits into its data then.
struct CDialogOutcome {
  bool confirmed = false;
  bool applied = false;
};

class CEditDialog : public QDialog {
  Q_OBJECT

 public:
  // `cancelQuestion` is one of the constants above, or nullptr for a dialog
  // that discards without asking.
  CEditDialog(CPrompter& prompter, const char* cancelQuestion, QWidget* parent = nullptr);

  bool Changed() const { return changed_; }
  // True once Apply has run (OK, or No to the cancel question).
  bool Applied() const { return applied_; }
  QDialogButtonBox* buttonBox() const { return buttons_; }

  void accept() override;
  // Cancel, Escape and the close box all end here.
  void reject() override;

  // Shows the dialog modally until it is closed.
  CDialogOutcome Run();

  // An editor that only chooses what is shown: changing it changes no data.
  static void MarkViewOnly(QWidget* editor);

 protected:
  // While one lives, editors filled by the program do not set the flag.
  class CQuietScope {
   public:
    explicit CQuietScope(CEditDialog& dialog) : dialog_(dialog) { ++dialog_.quiet_; }
    ~CQuietScope() { --dialog_.quiet_; }
    CQuietScope(const CQuietScope&) = delete;
    CQuietScope& operator=(const CQuietScope&) = delete;

   private:
    CEditDialog& dialog_;
  };

  // Above the buttons.
  QVBoxLayout* ContentLayout() const { return content_; }
  CPrompter& Prompter() const { return prompter_; }

  // Every line edit, spin box, combo box, check box, radio button, date-time
  // edit and text edit under `root` sets the flag when its value changes,
  // except those marked view-only.
  void WatchForChanges(QWidget* root);
  // For changes made other than in a watched editor.
  void SetChanged();

  // The first refused value, named by the objectName of its editor.
  virtual std::optional<CFieldRefusal> Validate() = 0;
  // Writes the editors into the data.
  virtual void Apply() = 0;
  // Puts the focus on the refused editor; a subclass that hides editors
  // (pages) shows the right one first.
  virtual void FocusRefusal(const CFieldRefusal& refusal);
  // Focuses the child of `scope` named `field` and selects its text.
  static void FocusField(QWidget* scope, const std::string& field);

  void showEvent(QShowEvent* event) override;

 private:
  // Validates and applies; false (with the message shown) when a value is refused.
  bool Commit();
  void ArrangeFocus();

  CPrompter& prompter_;
  const char* cancelQuestion_;
  bool changed_ = false;
  bool applied_ = false;
  bool focusArranged_ = false;
  int quiet_ = 0;
  QVBoxLayout* content_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace marigold
