#pragma once
// "PositionFix" (CPagePosition): the time in local time at the fix, the UTC
// difference, position, gyro course, log speed and engine. Leaving the UTC
// field warns when its sign does not suit the hemisphere.
#include <utility>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CDateTimeEdit;
class CFigureEdit;
class CPositionEdit;
struct CFixPositionFields;

class CPagePosition final : public CSheetPage {
  Q_OBJECT

 public:
  CPagePosition(CFixRecord& fix, CPrompter& prompter, QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;

 private:
  CFixPositionFields Fields() const;
  void CheckUtcSign();

  CFixRecord& fix_;
  CPrompter& prompter_;
  CDateTimeEdit* localTime_;
  CFigureEdit* utcDifference_;
  CPositionEdit* position_;
  CFigureEdit* gyroCourse_;
  CFigureEdit* logSpeed_;
  CFigureEdit* engineRpm_;
  // The difference and hemisphere last warned about: leaving the field again
  // without a change does not repeat the warning.
  std::optional<std::pair<double, int>> warned_;
};

}  // namespace marigold
