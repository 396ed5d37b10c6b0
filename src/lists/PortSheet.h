#pragma once
// The port sheet over the document's port: the "General", "Agent", "Pilot",
// "Notes", "Reports" and "Tide" pages, applied with OK. The "Position" page
// is the waypoint page, and the harbour trajects are edited in place.
#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "core/RangeCheck.h"
#include "lists/PortInfo.h"
#include "tools/TideFields.h"

namespace marigold {

// Indexed by ladder side and call pilot unit.
inline constexpr std::array<const char*, 2> kLadderSideTexts{"SB", "PS"};
inline constexpr std::array<const char*, 2> kCallPilotUnitTexts{"Hours", "nM"};

struct CPortFields {
  // "General"
  std::string country;
  std::string berth;
  double maxDraft = 0;      // "Max Draft:", 0.0 to 999.0 m
  double salinity = 1.025;  // "Salinity:", 0.999 to 1.035
  double maxAirDraft = 0;   // "Max Airdraft", 2.0 to 999.0 m
  bool freshWater = false;
  bool garbageDisposal = false;
  bool bunkers = false;
  bool sludgeDisposal = false;
  bool victuals = false;
  bool dockyard = false;
  // "Agent"
  std::string agentName;
  std::string agentTelephone;
  std::string agentEmail;
  // "Pilot"
  std::string pilotStation;
  std::string vhfChannels;
  std::string callPilotAmount;
  std::int32_t callPilotUnit = CPortInfo::kHours;
  std::time_t pilotEta = 0;  // LT
  std::int32_t ladderSide = CPortInfo::kStarboard;
  std::string ladderHeight;
  // "Notes", "Reports" (lists/ReportsPage.h) and "Tide"
  std::string notes;
  std::vector<std::string> documents;
  CTideConstantsFields tide;
};

// "New Port" while inserting, else the port's name.
std::string PortCaption(const CPortInfo& port, bool inserting);

CPortFields ReadPort(const CPortInfo& port);
// The "General" page's ranges in its order: max draft, salinity, max air draft.
std::optional<CFieldRefusal> Validate(const CPortFields& fields);
void ApplyPort(const CPortFields& fields, CPortInfo& port);

}  // namespace marigold
