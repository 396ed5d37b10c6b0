#include "lists/PortSheet.h"

namespace marigold {
namespace {

// Calls move(field, value) for each field with the port value it edits, so
// that reading and applying cannot pair them differently.
template <class FMove>
void ForEachField(FMove&& move) {
  using F = CPortFields;
  using P = CPortInfo;
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
  move(&F::agentName, &P::agentName);
  move(&F::agentTelephone, &P::agentTelephone);
  move(&F::agentEmail, &P::agentEmail);
  move(&F::pilotStation, &P::pilotStation);
  move(&F::vhfChannels, &P::vhfChannels);
  move(&F::callPilotAmount, &P::callPilotAmount);
  move(&F::callPilotUnit, &P::callPilotUnit);
  move(&F::pilotEta, &P::pilotEta);
  move(&F::ladderSide, &P::ladderSide);
  move(&F::ladderHeight, &P::ladderHeight);
  move(&F::notes, &P::notes);
  move(&F::documents, &P::documents);
}

}  // namespace

std::string PortCaption(const CPortInfo& port, bool inserting) {
  return inserting ? std::string("New Port") : port.GetName();
}

CPortFields ReadPort(const CPortInfo& port) {
  CPortFields fields;
  ForEachField([&](auto field, auto value) { fields.*field = port.*value; });
  fields.tide = ReadTideConstants(port.tide);
  return fields;
}

std::optional<CFieldRefusal> Validate(const CPortFields& fields) {
  if (auto refusal = CheckNumberField("maxDraft", fields.maxDraft, 0.0, 999.0)) return refusal;
  if (auto refusal = CheckNumberField("salinity", fields.salinity, 0.999, 1.035)) return refusal;
  return CheckNumberField("maxAirDraft", fields.maxAirDraft, 2.0, 999.0);
}

void ApplyPort(const CPortFields& fields, CPortInfo& port) {
  ForEachField([&](auto field, auto value) { port.*value = fields.*field; });
  ApplyTideConstants(fields.tide, port.tide);
}

}  // namespace marigold
