#include "ui/sheets/HarbourTrajectPage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <memory>

#include "core/HarbourTraject.h"
#include "core/WaypointSheet.h"
#include "ui/sheets/WPSheet.h"

namespace marigold {

CPageHarbourTraject::CPageHarbourTraject(CVoyage& inbound, CVoyage& outbound, CPrompter& prompter, QWidget* parent)
    : CSheetPage(QStringLiteral("Harbour Traject"), parent),
      inbound_(inbound),
      outbound_(outbound),
      prompter_(prompter),
      showInbound_(new QRadioButton(QStringLiteral("Show Inbound traject"), this)),
      showOutbound_(new QRadioButton(QStringLiteral("Show Outbound traject"), this)),
      list_(new QTreeWidget(this)),
      totalDistance_(new QLabel(this)) {
  showInbound_->setObjectName(QStringLiteral("showInbound"));
  showOutbound_->setObjectName(QStringLiteral("showOutbound"));
  // Which traject is shown is no change to the port.
  for (QRadioButton* choice : {showInbound_, showOutbound_}) CEditDialog::MarkViewOnly(choice);
  showInbound_->setChecked(true);
  list_->setObjectName(QStringLiteral("trajectList"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels({"Waypoint", "Latitude", "Longitude", "Course", "Distance"});
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Room for every column of a traject, and for any total.
  list_->setMinimumSize(520, 180);
  totalDistance_->setObjectName(QStringLiteral("totalDistance"));
  totalDistance_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  totalDistance_->setMinimumWidth(totalDistance_->fontMetrics().horizontalAdvance(QStringLiteral("99999.9")));

  auto* page = new QVBoxLayout(this);
  auto* choices = new QHBoxLayout;
  choices->addWidget(showInbound_);
  choices->addWidget(showOutbound_);
  choices->addStretch(1);
  page->addLayout(choices);
  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  auto* buttons = new QVBoxLayout;
  const std::pair<const char*, void (CPageHarbourTraject::*)()> actions[] = {
      {"Add", &CPageHarbourTraject::OnAdd},
      {"Edit", &CPageHarbourTraject::OnEdit},
      {"Delete", &CPageHarbourTraject::OnDelete},
      {"Reverse In to Outbnd", &CPageHarbourTraject::OnReverse}};
  for (const auto& [text, slot] : actions) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  body->addLayout(buttons);
  page->addLayout(body, 1);
  auto* total = new QHBoxLayout;
  total->addWidget(new QLabel(QStringLiteral("Total distance:"), this));
  total->addWidget(totalDistance_);
  total->addWidget(new QLabel(QStringLiteral("nM"), this));
  total->addStretch(1);
  page->addLayout(total);
  connect(showOutbound_, &QRadioButton::toggled, this, &CPageHarbourTraject::Fill);
}

void CPageHarbourTraject::Load() {
  CopyVoyage(inbound_, workInbound_);
  CopyVoyage(outbound_, workOutbound_);
  Fill();
}

void CPageHarbourTraject::Store() {
  if (!edited_) return;
  CopyVoyage(workInbound_, inbound_);
  CopyVoyage(workOutbound_, outbound_);
}

CVoyage& CPageHarbourTraject::Shown() { return showOutbound_->isChecked() ? workOutbound_ : workInbound_; }

void CPageHarbourTraject::Fill() {
  const CTrajectView view = TrajectView(Shown());
  list_->clear();
  for (const CTrajectRow& row : view.rows) {
    auto* item = new QTreeWidgetItem(list_);
    const std::string cells[] = {row.name, row.latitude, row.longitude, row.course, row.distance};
    for (int column = 0; column < 5; ++column) item->setText(column, QString::fromStdString(cells[column]));
    for (int column = 1; column < 5; ++column) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
  }
  totalDistance_->setText(QString::fromStdString(view.totalDistance));
}

CWaypoint* CPageHarbourTraject::Selected() {
  QTreeWidgetItem* item = list_->currentItem();
  if (!item || !item->isSelected()) return nullptr;
  const int row = list_->indexOfTopLevelItem(item);
  return row >= 0 && row < Shown().GetCount() ? Shown().GetAt(row) : nullptr;
}

void CPageHarbourTraject::Edited() {
  edited_ = true;
  emit edited();
  Fill();
}

void CPageHarbourTraject::OnAdd() {
  CVoyage& traject = Shown();
  CWaypoint* waypoint = traject.InsertAfter(Selected(), std::make_unique<CWaypoint>());
  if (ShowSheet<CWPSheet>(*waypoint, std::string(kNewWaypointCaption), prompter_, this).confirmed) {
    Edited();
  } else {
    traject.Remove(waypoint);
  }
}

void CPageHarbourTraject::OnEdit() {
  CWaypoint* waypoint = Selected();
  if (!waypoint) {
    prompter_.Message(kNoWaypointSelected, EMessageIcon::Stop);
    return;
  }
  if (ShowSheet<CWPSheet>(*waypoint, waypoint->GetName(), prompter_, this).applied) Edited();
}

void CPageHarbourTraject::OnDelete() {
  if (DeleteTrajectWaypoint(Shown(), Selected(), prompter_)) Edited();
}

void CPageHarbourTraject::OnReverse() {
  if (ReverseTraject(workInbound_, workOutbound_, prompter_) == 0) return;
  showOutbound_->setChecked(true);  // what was made
  Edited();
}

}  // namespace marigold
