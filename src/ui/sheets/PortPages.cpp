#include "ui/sheets/PortPages.h"

#include <QCheckBox>
#include <QFormLayout>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <array>
#include "ui/widgets/FormLayout.h"

#include "core/SheetFields.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/FigureEdit.h"

namespace marigold {
namespace {

using FG = CPortGeneralFields;

struct CService {
  const char* text;
  const char* name;
  bool FG::*field;
};

// In the page's two columns, row by row.
constexpr std::array<CService, 6> kServices{{
    {"Fresh Water", "freshWater", &FG::freshWater},
    {"Garbage disposal", "garbageDisposal", &FG::garbageDisposal},
    {"Bunkers", "bunkers", &FG::bunkers},
    {"Sludge disposal", "sludgeDisposal", &FG::sludgeDisposal},
    {"Victuals", "victuals", &FG::victuals},
    {"Dockyard", "dockyard", &FG::dockyard},
}};

QLineEdit* TextEdit(const char* field, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(field));
  return edit;
}

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

// A row of editors and the words between them, left-aligned.
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets) row->addWidget(widget);
  row->addStretch(1);
  return row;
}

}  // namespace

CPageBerth::CPageBerth(CPortInfo& port, QWidget* parent)
    : CSheetPage(QStringLiteral("General"), parent),
      port_(port),
      country_(TextEdit("country", this)),
      berth_(TextEdit("berth", this)),
      maxDraft_(new CFigureEdit("maxDraft", 0.0, 999.0, kDraftDecimals, "m", this)),
      salinity_(new CFigureEdit("salinity", 0.999, 1.035, kSalinityDecimals, "", this)),
      maxAirDraft_(new CFigureEdit("maxAirDraft", 2.0, 999.0, kDraftDecimals, "m", this)) {
  salinity_->setSingleStep(0.001);
  auto* info = new QGroupBox(QStringLiteral("Port Info"), this);
  auto* infoForm = NewFormLayout(info);
  infoForm->addRow(QStringLiteral("Berth:"), berth_);
  infoForm->addRow(QStringLiteral("Max Draft:"), maxDraft_);
  infoForm->addRow(QStringLiteral("Salinity:"), salinity_);
  infoForm->addRow(QStringLiteral("Max Airdraft"), maxAirDraft_);

  auto* services = new QGroupBox(QStringLiteral("Services"), this);
  auto* grid = new QGridLayout(services);
  for (std::size_t i = 0; i < kServices.size(); ++i) {
    services_[i] = new QCheckBox(QString::fromLatin1(kServices[i].text), services);
    services_[i]->setObjectName(QString::fromLatin1(kServices[i].name));
    grid->addWidget(services_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
  }

  auto* page = new QVBoxLayout(this);
  auto* countryForm = NewFormLayout();
  countryForm->addRow(QStringLiteral("Country:"), country_);
  page->addLayout(countryForm);
  page->addWidget(info);
  page->addWidget(services);
  page->addStretch(1);
}

void CPageBerth::Load() {
  const CPortGeneralFields f = ReadPortGeneral(port_);
  country_->setText(ToQt(f.country));
  berth_->setText(ToQt(f.berth));
  maxDraft_->setValue(f.maxDraft);
  salinity_->setValue(f.salinity);
  maxAirDraft_->setValue(f.maxAirDraft);
  for (std::size_t i = 0; i < kServices.size(); ++i) services_[i]->setChecked(f.*kServices[i].field);
}

CPortGeneralFields CPageBerth::Fields() const {
  CPortGeneralFields f;
  f.country = country_->text().toStdString();
  f.berth = berth_->text().toStdString();
  f.maxDraft = maxDraft_->value();
  f.salinity = salinity_->value();
  f.maxAirDraft = maxAirDraft_->value();
  for (std::size_t i = 0; i < kServices.size(); ++i) f.*kServices[i].field = services_[i]->isChecked();
  return f;
}

std::optional<CFieldRefusal> CPageBerth::Validate() const { return marigold::Validate(Fields()); }

void CPageBerth::Store() { ApplyPortGeneral(Fields(), port_); }

CPageAgent::CPageAgent(CPortInfo& port, QWidget* parent)
    : CSheetPage(QStringLiteral("Agent"), parent),
      port_(port),
      name_(TextEdit("agentName", this)),
      telephone_(TextEdit("agentTelephone", this)),
      email_(TextEdit("agentEmail", this)) {
  auto* form = NewFormLayout(this);
  form->addRow(QStringLiteral("Name:"), name_);
  form->addRow(QStringLiteral("Telephone:"), telephone_);
  form->addRow(QStringLiteral("E-mail:"), email_);
}

void CPageAgent::Load() {
  const CPortAgentFields f = ReadPortAgent(port_);
  name_->setText(ToQt(f.agentName));
  telephone_->setText(ToQt(f.agentTelephone));
  email_->setText(ToQt(f.agentEmail));
}

void CPageAgent::Store() {
  ApplyPortAgent({name_->text().toStdString(), telephone_->text().toStdString(), email_->text().toStdString()}, port_);
}

CPagePilot::CPagePilot(CPortInfo& port, QWidget* parent)
    : CSheetPage(QStringLiteral("Pilot"), parent),
      port_(port),
      station_(TextEdit("pilotStation", this)),
      vhfChannels_(TextEdit("vhfChannels", this)),
      callAmount_(TextEdit("callPilotAmount", this)),
      callUnit_(new CChoiceBox("callPilotUnit", kCallPilotUnitTexts, this)),
      eta_(new CDateTimeEdit(kLocalTimeFieldFormat, this)),
      ladderSide_(new CChoiceBox("ladderSide", kLadderSideTexts, this)),
      ladderHeight_(TextEdit("ladderHeight", this)) {
  eta_->setObjectName(QStringLiteral("pilotEta"));
  callAmount_->setMaximumWidth(callAmount_->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
  ladderHeight_->setMaximumWidth(callAmount_->maximumWidth());

  auto* contact = new QGroupBox(QStringLiteral("Contact information"), this);
  auto* contactForm = NewFormLayout(contact);
  contactForm->addRow(QStringLiteral("Name of pilot station:"), station_);
  contactForm->addRow(QStringLiteral("VHF Channels:"), vhfChannels_);
  contactForm->addRow(QStringLiteral("Call pilot at least "),
                      Row({callAmount_, callUnit_, new QLabel(QStringLiteral("prior arrival"), contact)}));

  auto* arrival = new QGroupBox(QStringLiteral("Arrival information"), this);
  auto* arrivalForm = NewFormLayout(arrival);
  arrivalForm->addRow(QStringLiteral("ETA at pilotstation:"), eta_);
  arrivalForm->addRow(QStringLiteral("Pilot ladder:"),
                      Row({ladderSide_, new QLabel(QStringLiteral("at"), arrival), ladderHeight_,
                           new QLabel(QStringLiteral("mtr above wtr"), arrival)}));

  auto* page = new QVBoxLayout(this);
  page->addWidget(contact);
  page->addWidget(arrival);
  page->addStretch(1);
}

void CPagePilot::Load() {
  const CPortPilotFields f = ReadPortPilot(port_);
  station_->setText(ToQt(f.pilotStation));
  vhfChannels_->setText(ToQt(f.vhfChannels));
  callAmount_->setText(ToQt(f.callPilotAmount));
  callUnit_->SetChoice(f.callPilotUnit);
  eta_->SetCivilTime(f.pilotEta);
  ladderSide_->SetChoice(f.ladderSide);
  ladderHeight_->setText(ToQt(f.ladderHeight));
}

void CPagePilot::Store() {
  ApplyPortPilot({station_->text().toStdString(), vhfChannels_->text().toStdString(), callAmount_->text().toStdString(),
                  callUnit_->Choice(), eta_->CivilTime(), ladderSide_->Choice(), ladderHeight_->text().toStdString()},
                 port_);
}

}  // namespace marigold
