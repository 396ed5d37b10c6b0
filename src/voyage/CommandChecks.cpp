#include "voyage/CommandChecks.h"

#include "lists/HurricaneCpa.h"
#include "lists/StormAdvisory.h"
#include "vessel/SlipCalibration.h"
#include "voyage/EtaCalculator.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

bool Check(CMarigoldRouteDoc& doc, bool holds, const char* message, EMessageIcon icon) {
  if (!holds) doc.Prompter().Message(message, icon);
  return holds;
}

}  // namespace

bool NeedsWaypoint(CMarigoldRouteDoc& doc) {
  return Check(doc, doc.Voyage().GetCount() >= 1, kNoActiveVoyage, EMessageIcon::Stop);
}

bool NeedsStorm(CMarigoldRouteDoc& doc) {
  return Check(doc, doc.Storms().GetCount() >= 1, kNoActiveStorms, EMessageIcon::Stop);
}

bool NeedsFix(CMarigoldRouteDoc& doc) {
  return Check(doc, doc.LatestFix() != nullptr, kNoFixForStatus, EMessageIcon::Stop);
}

bool NeedsEtaRoute(CMarigoldRouteDoc& doc) { return CanCalculateEta(doc.Voyage(), doc.Prompter()); }

bool NeedsStormAndRoute(CMarigoldRouteDoc& doc) {
  const bool holds = doc.Storms().GetCount() >= 1 && doc.Voyage().GetCount() >= 2;
  return Check(doc, holds, kNoVoyageOrStorms, EMessageIcon::Exclamation);
}

bool NeedsSlipFix(CMarigoldRouteDoc& doc) {
  return Check(doc, doc.LatestFix() != nullptr, kNoFixToCalibrate, EMessageIcon::Stop);
}

bool NeedsPort(CMarigoldRouteDoc& doc) {
  return Check(doc, doc.Ports().GetCount() >= 1, kNoPortForTide, EMessageIcon::Exclamation);
}

}  // namespace marigold
