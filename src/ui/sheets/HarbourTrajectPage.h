#pragma once
// "Harbour Traject" (CPageHarbourTraject): the inbound and outbound
// pilotage stretches of a port, with "Add", "Edit", "Delete" and
// "Reverse In to Outbnd". The page works on copies of the two trajects and
// hands them back on OK, so that Cancel leaves the port's trajects as they
// were.
#include "core/Prompter.h"
#include "core/Voyage.h"
#include "ui/sheets/Sheet.h"

class QLabel;
class QRadioButton;
class QTreeWidget;

namespace marigold {

class CPageHarbourTraject final : public CSheetPage {
  Q_OBJECT

 public:
  CPageHarbourTraject(CVoyage& inbound, CVoyage& outbound, CPrompter& prompter, QWidget* parent = nullptr);

  void Load() override;
  void Store() override;

  // The traject shown: the inbound one unless "Show Outbound traject" is chosen.
  CVoyage& Shown();

 private:
  void Fill();
  // The waypoint of the selected row; nullptr without a selection.
  CWaypoint* Selected();
  void OnAdd();
  void OnEdit();
  void OnDelete();
  void OnReverse();
  void Edited();

  CVoyage& inbound_;
  CVoyage& outbound_;
  CPrompter& prompter_;
  CVoyage workInbound_;
  CVoyage workOutbound_;
  bool edited_ = false;
  QRadioButton* showInbound_;
  QRadioButton* showOutbound_;
  QTreeWidget* list_;
  QLabel* totalDistance_;
};

}  // namespace marigold
