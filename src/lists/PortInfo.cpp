#include "lists/PortInfo.h"

#include <memory>
#include <utility>

namespace marigold {
namespace {

// Every item after the position, in file order.
void ExchangeOwn(CArchive& ar, CPortInfo& p) {
  ar.Exchange(p.bunkers);
  ar.Exchange(p.dockyard);
  ar.Exchange(p.freshWater);
  ar.Exchange(p.garbageDisposal);
  ar.Exchange(p.sludgeDisposal);
  ar.Exchange(p.reservedFlag);
  ar.Exchange(p.victuals);
  ar.Exchange(p.maxAirDraft);
  ar.Exchange(p.maxDraft);
  ar.Exchange(p.salinity);
  ar.Exchange(p.country);
  ar.Exchange(p.agentEmail);
  ar.Exchange(p.agentName);
  ar.Exchange(p.berth);
  ar.Exchange(p.notes);
  ar.Exchange(p.agentTelephone);

  ar.Exchange(p.documents);

  ar.ExchangeTime(p.pilotEta);
  ar.Exchange(p.vhfChannels);
  ar.Exchange(p.callPilotAmount);
  ar.Exchange(p.pilotStation);
  ar.Exchange(p.ladderHeight);
  ar.Exchange(p.ladderSide);
  ar.Exchange(p.callPilotUnit);

  p.inbound.Serialize(ar);
  p.outbound.Serialize(ar);
  p.tide.Serialize(ar);
}

}  // namespace

void CPortInfo::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    CPosition2::Serialize(ar);
    // A traject's file form always opens with its version word; one loaded
    // with a version of 3 or less would otherwise be written without it and
    // could not be read back.
    inbound.version = CVoyage::kCurrentVersion;
    outbound.version = CVoyage::kCurrentVersion;
    ExchangeOwn(ar, *this);
    return;
  }
  CPortInfo loaded;
  loaded.CPosition2::Serialize(ar);
  ExchangeOwn(ar, loaded);
  *this = std::move(loaded);
}

CPortInfo* NewPort(CPortList& ports, const CClock& clock) {
  return ports.Add(std::make_unique<CPortInfo>(clock.Now()));
}

}  // namespace marigold
