#pragma once
// A dialog that edits the ship's record field by field ("Vessel
// Dimensions", "Main Engine Details", "Hydrostatic data"): one editor per
// field of its form, grouped as the form says.
#include <vector>

#include "core/SettingsStore.h"
#include "ui/sheets/EditDialog.h"
#include "vessel/VesselForms.h"

namespace marigold {

class CVesselFormDialog : public CEditDialog {
  Q_OBJECT

 public:
  // writeFiles false (another copy holds the data folder): OK changes the
  // record only. The guard keeps vessel.dat from being saved over when it
  // could not be read.
  CVesselFormDialog(const CVesselForm& form, CVessel2& vessel, CSettingsStore& settings, CPrompter& prompter,
                    QWidget* parent = nullptr, bool writeFiles = true, const CDataFileGuard* guard = nullptr);

  // The editor of a field, by the member's name.
  QWidget* editor(const char* field) const;

 protected:
  std::optional<CFieldRefusal> Validate() override;
  void Apply() override;

 private:
  std::vector<CVesselValue> Values() const;

  const CVesselForm& form_;
  CVessel2& vessel_;
  CSettingsStore& settings_;
  bool writeFiles_;
  const CDataFileGuard* guard_;
  std::vector<QWidget*> editors_;
};

// Shows the dialog modally; true when the record was changed.
bool RunVesselForm(QWidget* parent, const CVesselForm& form, CVessel2& vessel, CSettingsStore& settings,
                   CPrompter& prompter, bool writeFiles = true, const CDataFileGuard* guard = nullptr);

}  // namespace marigold
