#pragma once
// "Tide" (CPageTide) of the port sheet: the port's mean level, time zone,
// harmonic constants and shallow-water corrections. The date, angles and
// factors belong to the "Tidal Angles and Factors" dialog.
#include <array>

#include "tools/TideFields.h"
#include "tools/TideInfo.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CFigureEdit;

class CPageTide final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageTide(CTideInfo& tide, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

 private:
  CTideInfo& tide_;
  std::array<CFigureEdit*, 14> editors_{};
};

}  // namespace marigold
