#include "ui/sheets/SquatDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/SheetFields.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {

CSquatDialog::CSquatDialog(CVessel2 workingCopy, QWidget* parent) : QDialog(parent), tool_(std::move(workingCopy)) {
  setWindowTitle(QStringLiteral("Estimated Squat"));
  auto* layout = new QVBoxLayout(this);

  auto* departure = NewFormLayout();
  const CDraftEdits drafts = NewDraftEdits(this, tool_, [this] { Show(); });
  draftForward_ = drafts.forward;
  draftAft_ = drafts.aft;
  departure->addRow(QStringLiteral("Departure draft Forward"), draftForward_);
  departure->addRow(QStringLiteral("Departure draft Aft"), draftAft_);
  layout->addLayout(departure);

  auto* middle = new QHBoxLayout;
  const CSliderColumn speedColumn = NewUpwardSliderColumn("speed", "speedText", "Speed", "kts", this);
  speed_ = speedColumn.slider;
  speedText_ = speedColumn.figure;
  middle->addLayout(speedColumn.layout);

  auto* right = new QVBoxLayout;
  auto* water = new QGroupBox(this);
  auto* waterLayout = new QVBoxLayout(water);
  ocean_ = new QRadioButton(QStringLiteral("Ocean"), water);
  shallow_ = new QRadioButton(QStringLiteral("Shallow water"), water);
  waterLayout->addWidget(ocean_);
  waterLayout->addWidget(shallow_);
  right->addWidget(water);

  auto* sailing = new QGroupBox(QStringLiteral("Draft while sailing"), this);
  auto* grid = new QGridLayout(sailing);
  aft_ = NewFigureField("aft", sailing);
  forward_ = NewFigureField("forward", sailing);
  aftBar_ = NewFigureBar(Qt::Vertical, sailing);
  forwardBar_ = NewFigureBar(Qt::Vertical, sailing);
  // Deeper is downward, as the draft marks read.
  aftBar_->setInvertedAppearance(true);
  forwardBar_->setInvertedAppearance(true);
  aftBar_->setMinimumHeight(90);
  forwardBar_->setMinimumHeight(90);
  grid->addWidget(new QLabel(QStringLiteral("Aft"), sailing), 0, 0, Qt::AlignHCenter);
  grid->addWidget(new QLabel(QStringLiteral("Forward"), sailing), 0, 1, Qt::AlignHCenter);
  grid->addWidget(aftBar_, 1, 0, Qt::AlignHCenter);
  grid->addWidget(forwardBar_, 1, 1, Qt::AlignHCenter);
  grid->addWidget(aft_, 2, 0);
  grid->addWidget(forward_, 2, 1);
  right->addWidget(sailing);
  middle->addLayout(right, 1);
  layout->addLayout(middle);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons_);

  connect(speed_, &QSlider::valueChanged, this, [this](int position) {
    tool_.OnSpeedSliderReleased(position);
    Show();
  });
  for (QRadioButton* button : {ocean_, shallow_})
    connect(button, &QRadioButton::clicked, this, [this] {
      tool_.OnWaterChosen(ocean_->isChecked());
      Show();
    });
  Show();
}

void CSquatDialog::Show() {
  const CSquatView v = tool_.View();
  draftForward_->setValue(Shown(v.departureDraftForward, kDraftDecimals));
  draftAft_->setValue(Shown(v.departureDraftAft, kDraftDecimals));
  ShowSlider(speed_, v.speedSlider);
  ocean_->setChecked(v.ocean);
  shallow_->setChecked(!v.ocean);
  ShowText(speedText_, v.speed);
  ShowText(aft_, v.aft.text);
  ShowText(forward_, v.forward.text);
  ShowBar(aftBar_, v.aft);
  ShowBar(forwardBar_, v.forward);
}

}  // namespace marigold
