#include "ui/sheets/ReportingSheet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/SheetFields.h"
#include "lists/ReportingPointSheet.h"
#include "ui/sheets/MessageListPage.h"
#include "ui/sheets/NotesPage.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {
namespace {

class CPageReporting final : public CSheetPage {
 public:
  CPageReporting(CReportingPoint& point, const CVoyage& route)
      : CSheetPage(QStringLiteral("Reporting")), point_(point), route_(route) {
    waypoint_->setObjectName(QStringLiteral("waypointChoice"));
    waypoint_->setMinimumContentsLength(12);
    for (const std::string& name : WaypointChoices(route)) waypoint_->addItem(QString::fromStdString(name));
    requiredAction_->setObjectName(QStringLiteral("requiredAction"));
    requiredAction_->setEditable(true);
    requiredAction_->setInsertPolicy(QComboBox::NoInsert);
    for (const char* text : kSuggestedActions) requiredAction_->addItem(QString::fromLatin1(text));

    auto* relative = new QGroupBox(QStringLiteral("Relative position"), this);
    auto* grid = new QGridLayout(relative);
    grid->addWidget(distanceBefore_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("nM before reaching waypoint"), relative), 0, 1);
    grid->addWidget(waypoint_, 0, 2);
    grid->setColumnStretch(2, 1);
    auto* action = new QGroupBox(QStringLiteral("Required action"), this);
    (new QVBoxLayout(action))->addWidget(requiredAction_);

    auto* page = new QVBoxLayout(this);
    page->addWidget(relative);
    page->addWidget(action);
    page->addStretch(1);
  }

  void Load() override {
    const CReportingPointFields f = ReadReportingPoint(point_, route_);
    distanceBefore_->setValue(f.distanceBefore);
    waypoint_->setCurrentIndex(f.waypointChoice);
    requiredAction_->setEditText(QString::fromStdString(f.requiredAction));
  }
  void Store() override {
    ApplyReportingPoint(
        {distanceBefore_->value(), waypoint_->currentIndex(), requiredAction_->currentText().toStdString()}, point_,
        route_);
  }

 private:
  CReportingPoint& point_;
  const CVoyage& route_;
  // The widgets in the order Tab visits them.
  CFigureEdit* distanceBefore_ = new CFigureEdit("distanceBefore", 0.0, 999.0, kSpeedDecimals, "", this);
  QComboBox* waypoint_ = new QComboBox(this);
  QComboBox* requiredAction_ = new QComboBox(this);
};

}  // namespace

CReportingSheet::CReportingSheet(CReportingPoint& point, const CVoyage& route, const std::string& caption,
                                 CPrompter& prompter, QWidget* parent)
    : CSheet(caption, prompter, kDataHasBeenChangedQuestion, parent), point_(point), route_(route) {
  setObjectName(QStringLiteral("CReportingSheet"));
  AddPage(new CPageReporting(point, route));
  AddPage(new CPageNotes(point.notes));
  AddPage(new CPageMessageList(point.documents, prompter));
}

void CReportingSheet::Apply() {
  CSheet::Apply();
  point_.Place(route_);
}

CDialogOutcome ShowReportingSheet(QWidget* parent, CPrompter& prompter, CReportingPoint& point, const CVoyage& route,
                                  const std::string& caption) {
  return ShowSheet<CReportingSheet>(point, route, caption, prompter, parent);
}

}  // namespace marigold
