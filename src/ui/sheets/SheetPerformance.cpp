#include "ui/sheets/SheetPerformance.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <functional>
#include <vector>

#include "core/SheetFields.h"
#include "ui/widgets/FigureEdit.h"
#include "ui/widgets/FormLayout.h"
#include "ui/widgets/ToolWidgets.h"
#include "vessel/VesselForms.h"

namespace marigold {
namespace {

using CView = CPerformanceSheetView;

// A figure the officer types; the page recomputes when it loses the focus.
struct CTypedFigure {
  const char* name;
  const char* label;
  const char* unit;
  int decimals;
  double high;
  double (*read)(const CView&);
  void (CPerformanceSheet::*write)(double);
};

// A figure the page computes.
struct CShownFigure {
  const char* name;
  const char* label;
  const char* unit;
  const std::string& (*read)(const CView&);
};

struct CPageForm {
  const char* caption;
  const char* group;  // around the slider; nullptr for none
  const char* slider;
  CSliderRange (*range)(const CView&);
  void (CPerformanceSheet::*move)(int);
  std::vector<CTypedFigure> typed;
  std::vector<CShownFigure> shown;
  const char* note;
};

constexpr double kMaxRpm = 999;
constexpr double kMaxWind = 200;

const CPageForm kHull{
    "Hull",
    "Performance in calm weather (no wind)",
    "hullFactor",
    [](const CView& v) { return v.hull.slider; },
    &CPerformanceSheet::OnHullSliderMoved,
    {{"draftForward", "Draft Forward:", "m", kDraftDecimals, 99.99, [](const CView& v) { return v.hull.draftForward; },
      &CPerformanceSheet::OnDraftForwardChanged},
     {"draftAft", "Draft Aft:", "m", kDraftDecimals, 99.99, [](const CView& v) { return v.hull.draftAft; },
      &CPerformanceSheet::OnDraftAftChanged},
     {"engineSetting", "Engine setting:", "rpm", 0, kMaxRpm, [](const CView& v) { return v.hull.engineSetting; },
      &CPerformanceSheet::OnEngineSettingChanged}},
    {{"speed", "Speed:", "kts", [](const CView& v) -> const std::string& { return v.hull.speed; }}},
    "To set vessels hull resistance, move the\nslider up or down until speed shown is\ncorrect for the shown "
    "draft.\n\nNote this calculates speed through the water \nunder optimal conditions (no wind no current).",
};

const CPageForm kWind{
    "Wind",
    "Performance with headwind",
    "airFactor",
    [](const CView& v) { return v.wind.slider; },
    &CPerformanceSheet::OnAirSliderMoved,
    {{"windSpeed", "True windspeed:", "kts", 1, kMaxWind, [](const CView& v) { return v.wind.windSpeed; },
      &CPerformanceSheet::OnWindSpeedChanged},
     {"engineSetting", "Engine setting:", "rpm", 0, kMaxRpm, [](const CView& v) { return v.wind.engineSetting; },
      &CPerformanceSheet::OnEngineSettingChanged}},
    {{"logSpeed", "Log speed:", "kts", [](const CView& v) -> const std::string& { return v.wind.logSpeed; }}},
    "Move the slider control up or down until\nlogspeed shown matches your estimated\nships logspeed for the set "
    "engine rpm and\ntrue windspeed (head wind).\n\nNote draft is similar to draft stated under\nhull tab.",
};

const CPageForm kData{
    "Performance",
    nullptr,
    "engine",
    [](const CView& v) { return v.data.slider; },
    &CPerformanceSheet::OnEngineSliderMoved,
    {{"draftForward", "Draft Forward", "m", kDraftDecimals, 99.99, [](const CView& v) { return v.data.draftForward; },
      &CPerformanceSheet::OnDraftForwardChanged},
     {"draftAft", "Draft Aft", "m", kDraftDecimals, 99.99, [](const CView& v) { return v.data.draftAft; },
      &CPerformanceSheet::OnDraftAftChanged},
     {"headwind", "True headwind", "kts", 1, kMaxWind, [](const CView& v) { return v.data.headwind; },
      &CPerformanceSheet::OnHeadwindChanged},
     {"engineSetting", "Engine setting", "rpm", 0, kMaxRpm, [](const CView& v) { return v.data.engineSetting; },
      &CPerformanceSheet::OnEngineSettingChanged}},
    {{"logSpeed", "Logspeed", "kts", [](const CView& v) -> const std::string& { return v.data.logSpeed; }},
     {"slip", "Propellor slip", "%", [](const CView& v) -> const std::string& { return v.data.slip; }}},
    "Move the slider up or down to set the engine\nrpm.\nData below shows propellor slip and logspeed\nas "
    "calculated from the present ships model.",
};

// One page of the sheet, laid out from its form. Every page works on the
// sheet's vessel, so a page refills whenever it is shown.
class CPerformancePage : public CSheetPage {
 public:
  CPerformancePage(const CPageForm& form, CPerformanceSheet& model, QWidget* parent = nullptr)
      : CSheetPage(QString::fromLatin1(form.caption), parent), form_(form), model_(model) {
    auto* layout = new QHBoxLayout(this);
    slider_ = NewUpwardSlider(form.slider, this);
    slider_->setTickInterval(10);
    if (form.group) {
      auto* group = new QGroupBox(QString::fromLatin1(form.group), this);
      auto* inGroup = new QHBoxLayout(group);
      inGroup->addWidget(slider_);
      inGroup->addLayout(Figures(group), 1);
      layout->addWidget(group);
    } else {
      layout->addWidget(slider_);
      layout->addLayout(Figures(this), 1);
    }
    connect(slider_, &QSlider::valueChanged, this, [this](int position) {
      std::invoke(form_.move, model_, position);
      Show();
      emit edited();
    });
  }

  void Load() override { Show(); }
  void Store() override {}

  std::optional<CFieldRefusal> Validate() const override {
    for (std::size_t i = 0; i < form_.typed.size(); ++i)
      if (auto refusal = CheckNumberField(form_.typed[i].name, typed_[i]->value(), 0, form_.typed[i].high))
        return refusal;
    return std::nullopt;
  }

 protected:
  void showEvent(QShowEvent* event) override {
    Show();
    CSheetPage::showEvent(event);
  }

 private:
  QVBoxLayout* Figures(QWidget* parent) {
    auto* column = new QVBoxLayout;
    auto* form = NewFormLayout();
    for (const CTypedFigure& figure : form_.typed) {
      auto* edit = new CFigureEdit(figure.name, 0, figure.high, figure.decimals, figure.unit, parent);
      form->addRow(QString::fromLatin1(figure.label), edit);
      connect(edit, &QDoubleSpinBox::editingFinished, this, [this, edit, &figure] {
        std::invoke(figure.write, model_, edit->value());
        Show();
        emit edited();
      });
      typed_.push_back(edit);
    }
    for (const CShownFigure& figure : form_.shown) {
      QLineEdit* field = NewFigureField(figure.name, parent);
      FitFigure(field, "88888.8");
      auto* line = new QHBoxLayout;
      line->addWidget(field);
      line->addWidget(new QLabel(QString::fromUtf8(figure.unit), parent));
      line->addStretch();
      form->addRow(QString::fromLatin1(figure.label), line);
      shown_.push_back(field);
    }
    column->addLayout(form);
    auto* note = new QLabel(QString::fromLatin1(form_.note), parent);
    note->setObjectName(QStringLiteral("note"));
    column->addSpacing(8);
    column->addWidget(note);
    column->addStretch();
    return column;
  }

  // Refilled without reporting back: only what the officer does counts.
  void Show() {
    const CView v = model_.View();
    ShowSlider(slider_, form_.range(v));
    for (std::size_t i = 0; i < typed_.size(); ++i) {
      if (typed_[i]->hasFocus()) continue;  // not under the officer's fingers
      const QSignalBlocker quiet(typed_[i]);
      typed_[i]->setValue(Shown(form_.typed[i].read(v), form_.typed[i].decimals));
    }
    for (std::size_t i = 0; i < shown_.size(); ++i) ShowText(shown_[i], form_.shown[i].read(v));
  }

  const CPageForm& form_;
  CPerformanceSheet& model_;
  QSlider* slider_ = nullptr;
  std::vector<CFigureEdit*> typed_;
  std::vector<QLineEdit*> shown_;
};

}  // namespace

CSheetPerformance::CSheetPerformance(CVessel2 sheetVessel, CVessel2& documentVessel, CSettingsStore* settings,
                                     const CDataFileGuard* guard, CPrompter& prompter, QWidget* parent)
    : CSheet("Performance", prompter, nullptr, parent),
      model_(std::move(sheetVessel)),
      documentVessel_(documentVessel),
      settings_(settings),
      guard_(guard) {
  for (const CPageForm* form : {&kHull, &kWind, &kData}) AddPage(new CPerformancePage(*form, model_, this));
}

void CSheetPerformance::Apply() {
  CSheet::Apply();
  model_.ApplyTo(documentVessel_);
  // The factors stay in the document's vessel when the file cannot be
  // written; the document's next store tries again.
  if (settings_ && !documentVessel_.Save(*settings_, guard_))
    Prompter().Message(EngineForm().saveFailure, EMessageIcon::Exclamation);
}

}  // namespace marigold
