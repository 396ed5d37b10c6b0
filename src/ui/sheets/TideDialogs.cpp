#include "ui/sheets/TideDialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/LocalClock.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolInput.h"
#include "ui/widgets/ToolWidgets.h"

namespace marigold {
namespace {

using CA = CTidalAnglesFields;

constexpr const char* kAngleDateFormat = "dddd' 'd' 'MMM' 'yyy";
constexpr const char* kLocalTimeFormat = "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'ss";

struct CAngleRow {
  const char* constituent;
  const char* angle;
  double CA::*a;
  const char* factor;
  double CA::*f;
};

constexpr std::array<CAngleRow, 4> kRows{{
    {"M2", "aM2", &CA::aM2, "fM2", &CA::fM2},
    {"S2", "aS2", &CA::aS2, "fS2", &CA::fS2},
    {"K1", "aK1", &CA::aK1, "fK1", &CA::fK1},
    {"O1", "aO1", &CA::aO1, "fO1", &CA::fO1},
}};

}  // namespace

CTidalAnglesDialog::~CTidalAnglesDialog() { SilenceChildren(*this); }

CTidalAnglesDialog::CTidalAnglesDialog(CTideInfo& tide, QWidget* parent) : QDialog(parent), tide_(tide) {
  setWindowTitle(QString::fromLatin1(kTidalAnglesTitle));
  auto* layout = new QVBoxLayout(this);
  const CTidalAnglesFields shown = ReadTidalAngles(tide);

  date_ = new CDateTimeEdit(kAngleDateFormat, this);
  date_->setObjectName(QStringLiteral("date"));
  date_->SetCivilTime(LocalFieldsOf(shown.date));
  auto* top = NewFormLayout();
  top->addRow(QStringLiteral("Date:"), date_);
  layout->addLayout(top);

  auto* group = new QGroupBox(QStringLiteral("Tidal angles and factors"), this);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("A"), group), 0, 1, Qt::AlignHCenter);
  grid->addWidget(new QLabel(QStringLiteral("F"), group), 0, 2, Qt::AlignHCenter);
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const CAngleRow& r = kRows[i];
    auto* angle = new CFigureEdit(r.angle, 0, 360, kTidalAngleDecimals, "deg", group);
    auto* factor = new CFigureEdit(r.factor, 0, 9.9999, kTideFactorDecimals, "", group);
    angle->setValue(shown.*r.a);
    factor->setValue(shown.*r.f);
    fields_[2 * i] = angle;
    fields_[2 * i + 1] = factor;
    const int row = static_cast<int>(i) + 1;
    grid->addWidget(new QLabel(QString::fromLatin1(r.constituent), group), row, 0);
    grid->addWidget(angle, row, 1);
    grid->addWidget(factor, row, 2);
  }
  layout->addWidget(group);
  layout->addWidget(NewCloseButtons(this));

  // Leaving a field (or pressing Enter in it) writes all nine values.
  connect(date_, &QDateTimeEdit::editingFinished, this, &CTidalAnglesDialog::CopyBack);
  for (QDoubleSpinBox* field : fields_)
    connect(field, &QDoubleSpinBox::editingFinished, this, &CTidalAnglesDialog::CopyBack);
}

QDoubleSpinBox* CTidalAnglesDialog::field(const char* name) const {
  return findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
}

void CTidalAnglesDialog::CopyBack() {
  CTidalAnglesFields typed;
  typed.date = TideDateOnDay(tide_.angleDate, date_->CivilTime());
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    typed.*kRows[i].a = fields_[2 * i]->value();
    typed.*kRows[i].f = fields_[2 * i + 1]->value();
  }
  const CTidalAnglesFields before = ReadTidalAngles(tide_);
  ApplyTidalAngles(typed, tide_);
  if (!(ReadTidalAngles(tide_) == before)) changed_ = true;
}

void CTidalAnglesDialog::done(int result) {
  // Closing with the focus still in a field leaves that field too.
  CopyBack();
  QDialog::done(result);
}

CTideCalculationDialog::CTideCalculationDialog(CPortList& ports, std::time_t now, QWidget* parent)
    : QDialog(parent), tool_(ports, now) {
  setWindowTitle(QString::fromLatin1(kTideCalculationTitle));
  auto* layout = new QVBoxLayout(this);
  auto* form = NewFormLayout();

  port_ = new QComboBox(this);
  port_->setObjectName(QStringLiteral("port"));
  for (const std::string& name : tool_.View().portNames) port_->addItem(QString::fromStdString(name));
  form->addRow(QStringLiteral("Port:"), port_);

  date_ = NewFigureField("date", this);
  date_->setMaximumWidth(QWIDGETSIZE_MAX);
  date_->setAlignment(Qt::AlignLeft);
  change_ = new QPushButton(QStringLiteral("Change"), this);
  change_->setAutoDefault(false);
  auto* dateRow = new QHBoxLayout;
  dateRow->addWidget(date_, 1);
  dateRow->addWidget(change_);
  form->addRow(QStringLiteral("Date:"), dateRow);

  time_ = new CDateTimeEdit(kLocalTimeFormat, this);
  time_->setObjectName(QStringLiteral("localTime"));
  time_->SetCivilTime(LocalFieldsOf(tool_.PickerTime()));
  form->addRow(QStringLiteral("Local Time:"), time_);

  height_ = NewFigureField("height", this);
  form->addRow(QStringLiteral("Height of Tide:"), height_);
  layout->addLayout(form);
  layout->addWidget(NewCloseButtons(this));

  connect(port_, &QComboBox::currentIndexChanged, this, [this](int index) {
    tool_.OnPortSelected(index);
    Show();
  });
  connect(time_, &QDateTimeEdit::dateTimeChanged, this, [this] {
    tool_.OnTimeChanged(CalendarTimeFromLocal(time_->CivilTime()));
    Show();
  });
  connect(change_, &QPushButton::clicked, this, [this] {
    CTideInfo* tide = tool_.SelectedTide();
    if (!tide) return;
    CTidalAnglesDialog angles(*tide, this);
    angles.exec();
    if (angles.Changed()) tideChanged_ = true;
    // The height follows the angles and factors just entered, as the date does.
    Show();
  });
  Show();
}

void CTideCalculationDialog::Show() {
  const CTideCalculationView v = tool_.View();
  {
    const QSignalBlocker quiet(port_);
    port_->setCurrentIndex(v.selectedPort);
  }
  ShowText(date_, v.dateText);
  ShowText(height_, v.heightText);
  change_->setEnabled(v.canChange);
}

}  // namespace marigold
