#pragma once
// The port sheet's own pages: "General" (CPageBerth), "Agent" (CPageAgent)
// and "Pilot" (CPagePilot), each bound to the port.
#include "lists/PortInfo.h"
#include "lists/PortSheet.h"
#include "ui/sheets/Sheet.h"

class QCheckBox;
class QLineEdit;

namespace marigold {

class CChoiceBox;
class CDateTimeEdit;
class CFigureEdit;

class CPageBerth final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageBerth(CPortInfo& port, QWidget* parent = nullptr);

  void Load() override;
  std::optional<CFieldRefusal> Validate() const override;
  void Store() override;

 private:
  CPortGeneralFields Fields() const;

  CPortInfo& port_;
  QLineEdit* country_;
  QLineEdit* berth_;
  CFigureEdit* maxDraft_;
  CFigureEdit* salinity_;
  CFigureEdit* maxAirDraft_;
  // In the order of the page: fresh water, garbage, bunkers, sludge,
  // victuals, dockyard.
  QCheckBox* services_[6];
};

class CPageAgent final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPageAgent(CPortInfo& port, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

 private:
  CPortInfo& port_;
  QLineEdit* name_;
  QLineEdit* telephone_;
  QLineEdit* email_;
};

class CPagePilot final : public CSheetPage {
  Q_OBJECT

 public:
  explicit CPagePilot(CPortInfo& port, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

 private:
  CPortInfo& port_;
  QLineEdit* station_;
  QLineEdit* vhfChannels_;
  QLineEdit* callAmount_;
  CChoiceBox* callUnit_;
  CDateTimeEdit* eta_;
  CChoiceBox* ladderSide_;
  QLineEdit* ladderHeight_;
};

}  // namespace marigold
