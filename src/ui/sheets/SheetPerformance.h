#pragma once
// The "Performance" sheet: pages "Hull", "Wind" and "Performance" on the
// sheet's own vessel, read from vessel.dat. OK passes the two resistance
// factors to the document's vessel and saves vessel.dat; Cancel changes
// nothing.
#include "core/DataFile.h"
#include "core/SettingsStore.h"
#include "ui/sheets/Sheet.h"
#include "vessel/PerformanceSheet.h"

namespace marigold {

class CSheetPerformance : public CSheet {
  Q_OBJECT

 public:
  // Without `settings` OK writes no file: another copy of the program holds
  // the data folders.
  CSheetPerformance(CVessel2 sheetVessel, CVessel2& documentVessel, CSettingsStore* settings,
                    const CDataFileGuard* guard, CPrompter& prompter, QWidget* parent = nullptr);

  const CPerformanceSheet& Model() const { return model_; }

 protected:
  void Apply() override;

 private:
  CPerformanceSheet model_;
  CVessel2& documentVessel_;
  CSettingsStore* settings_;
  const CDataFileGuard* guard_;
};

}  // namespace marigold
