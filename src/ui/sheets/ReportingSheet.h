#pragma once
// The reporting point's sheet: "Reporting", "Notes" and "Reports". OK places
// the point on the route before the waypoint chosen.
#include <string>

#include "core/Prompter.h"
#include "core/Voyage.h"
#include "lists/ReportingPoint.h"
#include "ui/sheets/Sheet.h"

namespace marigold {

class CReportingSheet final : public CSheet {
  Q_OBJECT

 public:
  CReportingSheet(CReportingPoint& point, const CVoyage& route, const std::string& caption, CPrompter& prompter,
                  QWidget* parent = nullptr);

 protected:
  void Apply() override;

 private:
  CReportingPoint& point_;
  const CVoyage& route_;
};

// Shows the sheet modally; OK writes the edits into the point and places it
// on the route.
CDialogOutcome ShowReportingSheet(QWidget* parent, CPrompter& prompter, CReportingPoint& point, const CVoyage& route,
                                  const std::string& caption);

}  // namespace marigold
