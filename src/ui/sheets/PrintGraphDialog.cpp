#include "ui/sheets/PrintGraphDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/CivilTime.h"
#include "core/TextFormat.h"
#include "ui/frame/MainFrame.h"
#include "ui/frame/PrintCommands.h"
#include "ui/sheets/PrintDialogButtons.h"
#include "voyage/ListViewRows.h"

namespace marigold {

CPrintGraphDialog::CPrintGraphDialog(CMainFrame& frame)
    : QDialog(&frame), frame_(frame), scope_(frame.Doc(), EPrintMode::SpeedGraph) {
  setWindowTitle("Print Graph");
  CMarigoldRouteDoc& doc = frame.Doc();
  auto* layout = new QVBoxLayout(this);
  auto* range = new QGroupBox("Range of graph", this);
  auto* form = new QFormLayout(range);
  from_ = new QComboBox(range);
  to_ = new QComboBox(range);
  from_->setObjectName("from");
  to_->setObjectName("to");
  for (const auto& record : doc.Fixes()) {
    const QString text = QString::fromStdString(listview::LocalTimeText("%A %d %b %H:%M LT", *record, ETimeSlot::Time));
    from_->addItem(text);
    to_->addItem(text);
  }
  // The stored indices as they are: the "to" fix shows itself, not the fix
  // before it, so that opening the dialog again never moves the range.
  const int last = doc.Fixes().GetCount() - 1;
  from_->setCurrentIndex(std::clamp(doc.graphRange.from, 0, std::max(0, last)));
  to_->setCurrentIndex(std::clamp(doc.graphRange.to.value_or(last), 0, std::max(0, last)));
  form->addRow("From position:", from_);
  form->addRow("To position:", to_);
  layout->addWidget(range);
  wholeVoyage_ = new QCheckBox("Print total voyage (including average/required values)", this);
  wholeVoyage_->setObjectName("wholeVoyage");
  layout->addWidget(wholeVoyage_);

  layout->addLayout(PrintDialogButtons(this, "Close", [this] { FilePrint(frame_, 0); }));

  connect(from_, &QComboBox::activated, this, [this](int index) { frame_.Doc().graphRange.from = index; });
  connect(to_, &QComboBox::activated, this, [this](int index) { frame_.Doc().graphRange.to = index; });
  connect(wholeVoyage_, &QCheckBox::toggled, this,
          [this](bool on) { scope_.Choose(on ? EPrintMode::VoyageGraph : EPrintMode::SpeedGraph); });
}

}  // namespace marigold
