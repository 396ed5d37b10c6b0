#include "ui/sheets/SpeedFuelDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "core/SheetFields.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

// A read-only figure with its unit after it.
QHBoxLayout* FigureLine(QLineEdit* figure, const char* unit, QWidget* parent) {
  auto* line = new QHBoxLayout;
  FitFigure(figure, "88888.8");
  line->addWidget(figure);
  line->addWidget(new QLabel(QString::fromUtf8(unit), parent));
  line->addStretch();
  return line;
}

// A slider group: the slider, its figure and, for wind and current, the
// radio pair that says from where it comes.
struct CSliderGroup {
  QGroupBox* box;
  QVBoxLayout* layout;
  QSlider* slider;
};

CSliderGroup NewSliderGroup(const char* title, const char* slider, int tickInterval, QWidget* parent) {
  auto* box = new QGroupBox(QString::fromLatin1(title), parent);
  auto* layout = new QVBoxLayout(box);
  QSlider* s = NewUpwardSlider(slider, box);
  s->setMinimumHeight(180);
  s->setTickInterval(tickInterval);
  layout->addWidget(s, 1, Qt::AlignHCenter);
  return {box, layout, s};
}

// Wind and current: the slider, its figure in knots and the radio pair that
// says from where it comes.
struct CHeadOrStern {
  QGroupBox* box;
  QSlider* slider;
  QLineEdit* figure;
  QRadioButton* head;
  QRadioButton* stern;
};

CHeadOrStern NewHeadOrStern(const char* title, const char* name, const char* figure, int tickInterval,
                            QWidget* parent) {
  const CSliderGroup group = NewSliderGroup(title, name, tickInterval, parent);
  CHeadOrStern out{group.box, group.slider, NewFigureField(figure, group.box),
                   new QRadioButton(QStringLiteral("on the head"), group.box),
                   new QRadioButton(QStringLiteral("on the stern"), group.box)};
  out.head->setObjectName(QString::fromLatin1(name) + QStringLiteral("OnHead"));
  out.stern->setObjectName(QString::fromLatin1(name) + QStringLiteral("OnStern"));
  group.layout->addLayout(FigureLine(out.figure, "kts", group.box));
  group.layout->addWidget(out.head);
  group.layout->addWidget(out.stern);
  return out;
}

}  // namespace

CSpeedFuelDialog::~CSpeedFuelDialog() { SilenceChildren(*this); }

CSpeedFuelDialog::CSpeedFuelDialog(CVessel2 workingCopy, CPrompter& prompter, QWidget* parent)
    : QDialog(parent), tool_(std::move(workingCopy)) {
  setWindowTitle(QStringLiteral("Speed and Fuel Consumption"));
  auto* layout = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  layout->addLayout(columns);

  const CSliderGroup engine = NewSliderGroup("Engine Setting", "engine", 10, this);
  engine_ = engine.slider;
  rpm_ = NewFigureField("rpm", engine.box);
  fuelPerDay_ = NewFigureField("fuelPerDay", engine.box);
  engine.layout->addLayout(FigureLine(rpm_, "rpm", engine.box));
  engine.layout->addLayout(FigureLine(fuelPerDay_, "mT/day", engine.box));
  columns->addWidget(engine.box);

  const CHeadOrStern wind = NewHeadOrStern("Wind", "wind", "windSpeed", 5, this);
  std::tie(wind_, windSpeed_, windHead_, windStern_) = std::tuple(wind.slider, wind.figure, wind.head, wind.stern);
  columns->addWidget(wind.box);
  const CHeadOrStern current = NewHeadOrStern("Current", "current", "currentRate", 50, this);
  std::tie(current_, currentRate_, currentHead_, currentStern_) =
      std::tuple(current.slider, current.figure, current.head, current.stern);
  columns->addWidget(current.box);

  auto* right = new QVBoxLayout;
  auto* draft = new QGroupBox(QStringLiteral("Draft"), this);
  auto* draftForm = NewFormLayout(draft);
  const CDraftEdits drafts = NewDraftEdits(draft, tool_, [this] { Show(); });
  draftForward_ = drafts.forward;
  draftAft_ = drafts.aft;
  displacement_ = NewFigureField("displacement", draft);
  draftForm->addRow(QStringLiteral("Forward"), draftForward_);
  draftForm->addRow(QStringLiteral("Aft"), draftAft_);
  draftForm->addRow(QStringLiteral("Displacement"), FigureLine(displacement_, "mT", draft));
  right->addWidget(draft);

  auto* results = new QGroupBox(QStringLiteral("Results"), this);
  auto* grid = new QGridLayout(results);
  const std::tuple<const char*, const char*, const char*, CResultLine*> lines[] = {
      {"Grnd speed", "groundSpeed", "kts", &groundSpeed_},
      {"Fuel cons", "fuelPerMile", "kg/nM", &fuelPerMile_},
      {"Stop dist", "stopDistance", "nM", &stopDistance_},
      {"Stop Time", "stopTime", "hrs", &stopTime_},
  };
  int row = 0;
  for (const auto& [label, name, unit, line] : lines) {
    line->bar = NewFigureBar(Qt::Horizontal, results);
    line->bar->setMinimumWidth(140);
    line->text = NewFigureField(name, results);
    FitFigure(line->text, "88888.8");
    grid->addWidget(new QLabel(QString::fromLatin1(label), results), row, 0);
    grid->addWidget(line->bar, row, 1);
    grid->addWidget(line->text, row, 2);
    grid->addWidget(new QLabel(QString::fromLatin1(unit), results), row, 3);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  right->addWidget(results);
  right->addStretch();
  columns->addLayout(right, 1);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons_);

  OnSliderReleased(engine_, this, [this, &prompter](int position) {
    tool_.OnEngineSliderReleased(position, prompter);
    Show();
  });
  OnSliderReleased(wind_, this, [this](int position) {
    tool_.OnWindSliderReleased(position);
    Show();
  });
  OnSliderReleased(current_, this, [this](int position) {
    tool_.OnCurrentSliderReleased(position);
    Show();
  });
  for (QRadioButton* button : {windHead_, windStern_})
    connect(button, &QRadioButton::clicked, this, [this] {
      tool_.OnWindRadio(windStern_->isChecked());
      Show();
    });
  for (QRadioButton* button : {currentHead_, currentStern_})
    connect(button, &QRadioButton::clicked, this, [this] {
      tool_.OnCurrentRadio(currentStern_->isChecked());
      Show();
    });
  Show();
}

void CSpeedFuelDialog::Show() {
  const CSpeedFuelView v = tool_.View();
  ShowSlider(engine_, v.engine);
  ShowSlider(wind_, v.wind);
  ShowSlider(current_, v.current);
  windStern_->setChecked(v.windOnStern);
  windHead_->setChecked(!v.windOnStern);
  currentStern_->setChecked(v.currentOnStern);
  currentHead_->setChecked(!v.currentOnStern);
  ShowText(rpm_, v.rpm);
  ShowText(fuelPerDay_, v.fuelPerDay);
  ShowText(windSpeed_, v.windSpeed);
  ShowText(currentRate_, v.currentRate);
  draftForward_->setValue(Shown(v.draftForward, kDraftDecimals));
  draftAft_->setValue(Shown(v.draftAft, kDraftDecimals));
  displacement_->setText(QString::number(v.displacement, 'f', 0));
  const std::pair<const CResultLine*, const CBarFigure*> figures[] = {
      {&groundSpeed_, &v.groundSpeed},
      {&fuelPerMile_, &v.fuelPerMile},
      {&stopDistance_, &v.stopDistance},
      {&stopTime_, &v.stopTime},
  };
  for (const auto& [line, figure] : figures) {
    ShowText(line->text, figure->text);
    ShowBar(line->bar, *figure);
  }
}

}  // namespace marigold
