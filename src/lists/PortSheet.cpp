#include "lists/PortSheet.h"

#include "core/SheetFields.h"
#include "core/TimeFields.h"

namespace marigold {
namespace {

using P = CPortInfo;

// Each page's fields with the port values they edit, so that reading and
// applying cannot pair them differently. The figures are shown rounded to
// their editors' decimals after copying.
constexpr auto kGeneral = [](auto&& move) {
  using F = CPortGeneralFields;
  move(&F::country, &P::country);
  move(&F::berth, &P::berth);
  move(&F::maxDraft, &P::maxDraft);
  move(&F::salinity, &P::salinity);
  move(&F::maxAirDraft, &P::maxAirDraft);
  move(&F::freshWater, &P::freshWater);
  move(&F::garbageDisposal, &P::garbageDisposal);
  move(&F::bunkers, &P::bunkers);
  move(&F::sludgeDisposal, &P::sludgeDisposal);
  move(&F::victuals, &P::victuals);
  move(&F::dockyard, &P::dockyard);
};

constexpr auto kAgent = [](auto&& move) {
  using F = CPortAgentFields;
  move(&F::agentName, &P::agentName);
  move(&F::agentTelephone, &P::agentTelephone);
  move(&F::agentEmail, &P::agentEmail);
};

// Without the ETA, which changes its form.
constexpr auto kPilot = [](auto&& move) {
  using F = CPortPilotFields;
  move(&F::pilotStation, &P::pilotStation);
  move(&F::vhfChannels, &P::vhfChannels);
  move(&F::callPilotAmount, &P::callPilotAmount);
  move(&F::callPilotUnit, &P::callPilotUnit);
  move(&F::ladderSide, &P::ladderSide);
  move(&F::ladderHeight, &P::ladderHeight);
};

template <class TFields, class TEach>
TFields Copied(const CPortInfo& port, TEach each) {
  TFields fields;
  each([&](auto field, auto value) { fields.*field = port.*value; });
  return fields;
}

template <class TFields, class TEach>
void CopyEdited(const TFields& typed, const TFields& shown, CPortInfo& port, TEach each) {
  each([&](auto field, auto value) { SetIfEdited(typed.*field, shown.*field, port.*value); });
}

}  // namespace

std::string PortCaption(const CPortInfo& port, bool inserting) {
  return inserting ? std::string("New Port") : port.GetName();
}

CPortGeneralFields ReadPortGeneral(const CPortInfo& port) {
  auto fields = Copied<CPortGeneralFields>(port, kGeneral);
  fields.maxDraft = Shown(port.maxDraft, kDraftDecimals);
  fields.salinity = Shown(port.salinity, kSalinityDecimals);
  fields.maxAirDraft = Shown(port.maxAirDraft, kDraftDecimals);
  return fields;
}

std::optional<CFieldRefusal> Validate(const CPortGeneralFields& fields) {
  if (auto refusal = CheckNumberField("maxDraft", fields.maxDraft, 0.0, 999.0)) return refusal;
  if (auto refusal = CheckNumberField("salinity", fields.salinity, 0.999, 1.035)) return refusal;
  // 0, the new port's value, stands for an air draft not known: the page
  // could not be left otherwise until the officer made one up.
  if (fields.maxAirDraft == 0) return std::nullopt;
  return CheckNumberField("maxAirDraft", fields.maxAirDraft, 2.0, 999.0);
}

void ApplyPortGeneral(const CPortGeneralFields& fields, CPortInfo& port) {
  CopyEdited(fields, ReadPortGeneral(port), port, kGeneral);
}

CPortAgentFields ReadPortAgent(const CPortInfo& port) { return Copied<CPortAgentFields>(port, kAgent); }

void ApplyPortAgent(const CPortAgentFields& fields, CPortInfo& port) {
  CopyEdited(fields, ReadPortAgent(port), port, kAgent);
}

CPortPilotFields ReadPortPilot(const CPortInfo& port) {
  auto fields = Copied<CPortPilotFields>(port, kPilot);
  fields.pilotEta = LocalFieldsOf(port.pilotEta);
  return fields;
}

void ApplyPortPilot(const CPortPilotFields& fields, CPortInfo& port) {
  const CPortPilotFields shown = ReadPortPilot(port);
  CopyEdited(fields, shown, port, kPilot);
  SetLocalTimeIfEdited(fields.pilotEta, shown.pilotEta, port.pilotEta);
}

}  // namespace marigold
