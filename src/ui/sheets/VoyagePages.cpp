#include "ui/sheets/VoyagePages.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/SheetFields.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {
namespace {

// A result: its caption, the figure and its unit.
struct CResultRow {
  const char* caption;
  const char* unit;
  const char* name;
  QLabel** figure;
};

// The page: its editors, the group of its results below them, and the
// space to spare below that.
void LayOut(QWidget* page, QLayout* editors, const char* title, std::initializer_list<CResultRow> results) {
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(editors);
  auto* box = new QGroupBox(QString::fromLatin1(title), page);
  auto* grid = new QGridLayout(box);
  grid->setColumnStretch(3, 1);
  for (const CResultRow& result : results) {
    const int row = grid->rowCount();
    auto* figure = new QLabel(box);
    figure->setObjectName(QString::fromLatin1(result.name));
    figure->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(new QLabel(QString::fromLatin1(result.caption), box), row, 0);
    grid->addWidget(figure, row, 1);
    grid->addWidget(new QLabel(QString::fromLatin1(result.unit), box), row, 2);
    *result.figure = figure;
  }
  layout->addWidget(box);
  layout->addStretch(1);
}

QFormLayout* Form(std::initializer_list<std::pair<const char*, QWidget*>> rows) {
  auto* form = new QFormLayout;
  for (const auto& [label, editor] : rows) form->addRow(QString::fromLatin1(label), editor);
  return form;
}

void Show(QLabel* label, const std::string& figure) { label->setText(QString::fromStdString(figure).trimmed()); }

QRadioButton* Choice(const char* text, const char* name, QWidget* parent) {
  auto* button = new QRadioButton(QString::fromLatin1(text), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// Two choices in a box of their own, so that each pair is exclusive.
QGroupBox* ChoiceBox(const char* title, QRadioButton* first, QRadioButton* second, QWidget* page) {
  auto* box = new QGroupBox(QString::fromLatin1(title), page);
  auto* layout = new QVBoxLayout(box);
  first->setParent(box);
  second->setParent(box);
  layout->addWidget(first);
  layout->addWidget(second);
  return box;
}

}  // namespace

// "Voyage" ------------------------------------------------------------------

CPageVoyageVoyage::CPageVoyageVoyage(CVoyageSheetFields& fields, CVoyageSheet& results, bool datesCount,
                                     CResultsChanged recomputed, QWidget* parent)
    : CSheetPage(QStringLiteral("Voyage"), parent),
      fields_(fields),
      results_(results),
      recomputed_(std::move(recomputed)),
      voyageNumber_(new QLineEdit(this)),
      begin_(new CDateTimeEdit(kLocalTimeFieldFormat, this)),
      eta_(new CDateTimeEdit(kLocalTimeFieldFormat, this)) {
  voyageNumber_->setObjectName(QStringLiteral("voyageNumber"));
  begin_->setObjectName(QStringLiteral("beginSeavoyage"));
  eta_->setObjectName(QStringLiteral("etaPilotstation"));
  begin_->setEnabled(datesCount);
  eta_->setEnabled(datesCount);
  LayOut(this, Form({{"Voyage Number:", voyageNumber_}, {"Begin Seavoyage:", begin_}, {"ETA Pilotstation:", eta_}}),
         "Results",
         {{"Total distance:", "nM", "totalDistance", &totalDistance_},
          {"Total duration:", "hrs", "totalDuration", &totalDuration_},
          {"Average speed:", "kts", "averageSpeed", &averageSpeed_}});
  connect(begin_, &CDateTimeEdit::dateTimeChanged, this, &CPageVoyageVoyage::OnDatesChanged);
  connect(eta_, &CDateTimeEdit::dateTimeChanged, this, &CPageVoyageVoyage::OnDatesChanged);
  ShowResults();
}

void CPageVoyageVoyage::Load() {
  voyageNumber_->setText(QString::fromStdString(fields_.voyageNumber));
  begin_->SetCivilTime(fields_.beginSeavoyage);
  eta_->SetCivilTime(fields_.etaPilotstation);
}

void CPageVoyageVoyage::Store() {
  fields_.voyageNumber = voyageNumber_->text().toStdString();
  fields_.beginSeavoyage = begin_->CivilTime();
  fields_.etaPilotstation = eta_->CivilTime();
}

void CPageVoyageVoyage::OnDatesChanged() {
  if (!Loaded()) return;
  results_.OnDatesChanged(begin_->CivilTime(), eta_->CivilTime());
  recomputed_();
}

void CPageVoyageVoyage::ShowResults() {
  const CVoyagePageResults& r = results_.View().voyage;
  Show(totalDistance_, r.totalDistance);
  Show(totalDuration_, r.totalDuration);
  Show(averageSpeed_, r.averageSpeed);
}

// "Vessel" ------------------------------------------------------------------

CPageVoyageDraft::CPageVoyageDraft(CVoyageSheetFields& fields, CVoyageSheet& results, CResultsChanged recomputed,
                                   QWidget* parent)
    : CSheetPage(QStringLiteral("Vessel"), parent),
      fields_(fields),
      results_(results),
      recomputed_(std::move(recomputed)),
      draftForward_(new CFigureEdit("draftForward", 0.0, 99.0, kDraftDecimals, "m", this)),
      draftAft_(new CFigureEdit("draftAft", 0.0, 99.0, kDraftDecimals, "m", this)),
      displacement_(new CFigureEdit("displacement", 0.0, 999999.0, kReadingDecimals, "mT", this)) {
  LayOut(this, Form({{"Draft forward:", draftForward_}, {"Draft aft:", draftAft_}, {"Displacement:", displacement_}}),
         "At these drafts",
         {{"Freeboard:", "m", "freeboard", &freeboard_},
          {"Eye height:", "m", "eyeHeight", &eyeHeight_},
          {"Mast height:", "m", "mastHeight", &mastHeight_}});
  for (CFigureEdit* draft : {draftForward_, draftAft_}) {
    connect(draft, &CFigureEdit::valueChanged, this, [this] {
      if (!Loaded()) return;
      results_.OnDraftsChanged(draftForward_->value(), draftAft_->value());
      recomputed_();
    });
  }
  ShowResults();
}

void CPageVoyageDraft::Load() {
  draftForward_->setValue(fields_.draftForward);
  draftAft_->setValue(fields_.draftAft);
  displacement_->setValue(fields_.displacement);
}

CVoyageSheetFields CPageVoyageDraft::Fields() const {
  CVoyageSheetFields f = fields_;
  f.draftForward = draftForward_->value();
  f.draftAft = draftAft_->value();
  f.displacement = displacement_->value();
  return f;
}

std::optional<CFieldRefusal> CPageVoyageDraft::Validate() const { return marigold::Validate(Fields()); }

void CPageVoyageDraft::Store() { fields_ = Fields(); }

void CPageVoyageDraft::ShowResults() {
  const CVesselPageResults& r = results_.View().vessel;
  Show(freeboard_, r.freeboard);
  Show(eyeHeight_, r.eyeHeight);
  Show(mastHeight_, r.mastHeight);
}

// "Weather" -----------------------------------------------------------------

CPageVoyageWeather::CPageVoyageWeather(CVoyageSheetFields& fields, CVoyageSheet& results, CPrompter& prompter,
                                       CResultsChanged recomputed, QWidget* parent)
    : CSheetPage(QStringLiteral("Weather"), parent),
      fields_(fields),
      results_(results),
      prompter_(prompter),
      recomputed_(std::move(recomputed)),
      averageWeather_(Choice("Average weather", "averageWeather", this)),
      presentWeather_(Choice("Present weather", "presentWeather", this)),
      keepRpm_(Choice("Keep rpm constant", "keepRpmConstant", this)),
      keepSpeed_(Choice("Keep speed constant", "keepSpeedConstant", this)) {
  auto* editors = new QVBoxLayout;
  auto* choices = new QHBoxLayout;
  choices->addWidget(ChoiceBox("Weather", averageWeather_, presentWeather_, this));
  choices->addWidget(ChoiceBox("Speed", keepRpm_, keepSpeed_, this));
  editors->addLayout(choices);
  auto* note = new QLabel(QStringLiteral("Note: manual weather or speed can be set for each waypoint"), this);
  note->setWordWrap(true);
  editors->addWidget(note);
  LayOut(this, editors, "Results",
         {{"Total fuel consumption:", "mT", "totalFuel", &totalFuel_},
          {"Estimated log distance:", "nM", "logDistance", &logDistance_},
          {"Required log speed:", "kts", "requiredLogSpeed", &requiredLogSpeed_},
          {"Average engine rpm:", "rpm", "averageRpm", &averageRpm_}});
  // Clicked: only the officer's choices, not the page filling itself.
  connect(averageWeather_, &QRadioButton::clicked, this, [this] {
    results_.OnWeatherSourceChosen(false, prompter_);
    recomputed_();
  });
  connect(presentWeather_, &QRadioButton::clicked, this, [this] {
    results_.OnWeatherSourceChosen(true, prompter_);
    recomputed_();
  });
  for (QRadioButton* choice : {keepRpm_, keepSpeed_}) {
    connect(choice, &QRadioButton::clicked, this, [this] {
      results_.OnKeepRpmChosen(keepRpm_->isChecked());
      recomputed_();
    });
  }
}

void CPageVoyageWeather::Load() {
  (fields_.presentWeather ? presentWeather_ : averageWeather_)->setChecked(true);
  (fields_.keepRpmConstant ? keepRpm_ : keepSpeed_)->setChecked(true);
  results_.OnWeatherPageShown();
  recomputed_();
}

void CPageVoyageWeather::Store() {
  fields_.presentWeather = presentWeather_->isChecked();
  fields_.keepRpmConstant = keepRpm_->isChecked();
}

void CPageVoyageWeather::ShowResults() {
  const CWeatherPageResults& r = results_.View().weather;
  Show(totalFuel_, r.totalFuel);
  Show(logDistance_, r.logDistance);
  Show(requiredLogSpeed_, r.requiredLogSpeed);
  Show(averageRpm_, r.averageRpm);
}

}  // namespace marigold
