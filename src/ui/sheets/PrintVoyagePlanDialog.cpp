#include "ui/sheets/PrintVoyagePlanDialog.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "printing/PrintJob.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PrintCommands.h"
#include "ui/sheets/TideDialogs.h"
#include "voyage/RouteTransfer.h"

namespace marigold {
namespace {

// The radio buttons by the plan's order of sections (VoyagePlanModes).
constexpr const char* kSectionTexts[] = {"Print cover page",
                                         "Print waypoint list",
                                         "Print chart list",
                                         "Print book list",
                                         "Print average weather",
                                         "Print active storms / hurricanes",
                                         "Print navigational warnings",
                                         "Print reporting points",
                                         "Print arrival information port",
                                         "Print voyage schedule",
                                         "Print inbound port traject",
                                         "Print outbound port traject",
                                         "Print tide curve port of departure",
                                         "Print tide curve port of arrival",
                                         "Print voyage notes and standing orders"};

}  // namespace

CPrintVoyagePlanDialog::CPrintVoyagePlanDialog(CMainFrame& frame)
    : QDialog(&frame), frame_(frame), scope_(frame.Doc(), EPrintMode::CoverPage) {
  setWindowTitle(kPrintVoyagePlanTitle);
  auto* layout = new QVBoxLayout(this);
  sections_ = new QButtonGroup(this);
  const std::vector<int>& modes = VoyagePlanModes();
  for (std::size_t i = 0; i < modes.size(); ++i) {
    auto* button = new QRadioButton(kSectionTexts[i], this);
    sections_->addButton(button, modes[i]);
    layout->addWidget(button);
  }
  sections_->button(modes.front())->setChecked(true);
  connect(sections_, &QButtonGroup::idClicked, this, [this](int mode) { Choose(mode); });

  auto* buttons = new QHBoxLayout;
  auto* print = new QPushButton("Print", this);
  auto* save = new QPushButton("Save whole plan as PDF...", this);
  auto* cancel = new QPushButton("Cancel", this);
  print->setObjectName("print");
  save->setObjectName("saveWholePlan");
  cancel->setObjectName("cancel");
  print->setDefault(true);
  buttons->addWidget(print);
  buttons->addWidget(save);
  buttons->addStretch();
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  connect(print, &QPushButton::clicked, this, [this] { Print(); });
  connect(save, &QPushButton::clicked, this, [this] { SaveWholePlan(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int CPrintVoyagePlanDialog::ChosenMode() const { return sections_->checkedId(); }

void CPrintVoyagePlanDialog::Choose(int mode) {
  if (mode < kListKindCount)
    scope_.Choose(static_cast<EListKind>(mode));
  else
    scope_.Choose(static_cast<EPrintMode>(mode));
  frame_.RefreshViews();
  // A tide curve is only as good as the angles and factors for its day:
  // they are shown for checking before it prints.
  const bool departure = mode == static_cast<int>(EPrintMode::TideCurveDeparture);
  if (departure || mode == static_cast<int>(EPrintMode::TideCurveArrival)) {
    if (CPortInfo* port = departure ? DeparturePort(frame_.Doc()) : ArrivalPort(frame_.Doc())) {
      CTidalAnglesDialog angles(port->tide, this);
      angles.exec();
    }
  }
}

std::unique_ptr<CPrintJob> CPrintVoyagePlanDialog::SectionJob() {
  // The port list cannot be reached while the dialog is open: without a
  // selected port the port information is of the port of arrival. The
  // trajects and tide curves find their own port (departure or arrival).
  return CurrentPrintJob(frame_, ChosenMode() == static_cast<int>(EListKind::Ports));
}

void CPrintVoyagePlanDialog::Print() {
  if (const auto job = SectionJob()) PrintOnPrinter(frame_, *job);
}

void CPrintVoyagePlanDialog::SaveWholePlan() {
  // The plan finds each section's port itself: information of the port of
  // arrival, but the outbound traject and the first tide curve of the port
  // of departure.
  const auto job = MakeVoyagePlanJob(frame_.Doc(), FramePrintOptions(frame_));
  SaveAsPdf(frame_, *job, RouteTitle(frame_.DocumentPath()) + "-voyage-plan");
}

}  // namespace marigold
