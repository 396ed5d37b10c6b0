#pragma once
// The "Configuration" dialog: data-file paths, clean-up periods, the csv
// separator and the old-route-file question, kept in the settings store.
#include <array>

#include "core/Configuration.h"
#include "core/DataFile.h"
#include "core/SettingsStore.h"
#include "ui/sheets/EditDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace marigold {

class CConfigurationDialog : public CEditDialog {
  Q_OBJECT

 public:
  CConfigurationDialog(CSettingsStore& settings, CPrompter& prompter, QWidget* parent = nullptr);

  QCheckBox* askLoadOldBox() const { return askLoadOld_; }
  QLineEdit* pathEdit(EDataFile file) const { return paths_[Index(file)]; }
  QPushButton* browseButton(EDataFile file) const { return browse_[Index(file)]; }
  QSpinBox* daysOldFixBox() const { return daysOldFix_; }
  QSpinBox* daysOldHurriBox() const { return daysOldHurri_; }
  QComboBox* separatorBox() const { return separator_; }

 protected:
  std::optional<CFieldRefusal> Validate() override;
  void Apply() override;

 private:
  static std::size_t Index(EDataFile file) { return static_cast<std::size_t>(file); }
  QWidget* BuildOptions();
  QWidget* BuildPaths();
  QWidget* BuildCleanUp();
  QWidget* BuildSeparator();
  void Load(const CConfigurationFields& fields);
  CConfigurationFields Fields() const;
  void Browse(EDataFile file);

  CSettingsStore& settings_;

  QCheckBox* askLoadOld_ = nullptr;
  std::array<QLineEdit*, 6> paths_{};
  std::array<QPushButton*, 6> browse_{};
  QSpinBox* daysOldFix_ = nullptr;
  QSpinBox* daysOldHurri_ = nullptr;
  QComboBox* separator_ = nullptr;
};

// Shows the dialog modally; true when the settings were written.
bool RunConfigurationDialog(QWidget* parent, CSettingsStore& settings, CPrompter& prompter);

}  // namespace marigold
