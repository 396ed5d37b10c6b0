#pragma once
// The "Configuration" dialog: data-file paths, clean-up periods, the csv
// separator and the old-route-file question, kept in the settings store.
#include <QDialog>
#include <array>

#include "core/Configuration.h"
#include "core/DataFile.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace marigold {

class CConfigurationDialog : public QDialog {
  Q_OBJECT

 public:
  CConfigurationDialog(CSettingsStore& settings, CPrompter& prompter, QWidget* parent = nullptr);

  // True once the settings have been written (OK, or No to the cancel question).
  bool Written() const { return written_; }
  bool Changed() const { return changed_; }

  QCheckBox* askLoadOldBox() const { return askLoadOld_; }
  QLineEdit* pathEdit(EDataFile file) const { return paths_[Index(file)]; }
  QPushButton* browseButton(EDataFile file) const { return browse_[Index(file)]; }
  QSpinBox* daysOldFixBox() const { return daysOldFix_; }
  QSpinBox* daysOldHurriBox() const { return daysOldHurri_; }
  QComboBox* separatorBox() const { return separator_; }
  QDialogButtonBox* buttonBox() const { return buttons_; }

  void accept() override;
  // Cancel, Escape and the close box all end here.
  void reject() override;

 private:
  static std::size_t Index(EDataFile file) { return static_cast<std::size_t>(file); }
  QWidget* BuildOptions();
  QWidget* BuildPaths();
  QWidget* BuildCleanUp();
  QWidget* BuildSeparator();
  void Load(const CConfiguration& configuration);
  CConfiguration Fields() const;
  void Browse(EDataFile file);
  // Validates and writes; false (with the message shown) when a value is refused.
  bool Commit();
  void SetChanged() { changed_ = true; }

  CSettingsStore& settings_;
  CPrompter& prompter_;
  bool changed_ = false;
  bool written_ = false;

  QCheckBox* askLoadOld_ = nullptr;
  std::array<QLineEdit*, 6> paths_{};
  std::array<QPushButton*, 6> browse_{};
  QSpinBox* daysOldFix_ = nullptr;
  QSpinBox* daysOldHurri_ = nullptr;
  QComboBox* separator_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

// Shows the dialog modally; true when the settings were written.
bool RunConfigurationDialog(QWidget* parent, CSettingsStore& settings, CPrompter& prompter);

}  // namespace marigold
