#pragma once
// The port sheet over the document's port, one part per page of its own:
// "General", "Agent" and "Pilot". Each is read when its page opens and
// written back on OK where the officer changed what it showed
// (core/SheetFields.h). The "Position", "Notes", "Reports", "Harbour
// Traject" and "Tide" pages are bound to their parts of the port
// (tools/TideFields.h for the tide).
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/CivilTime.h"
#include "core/RangeCheck.h"
#include "lists/PortInfo.h"

namespace marigold {

// Indexed by ladder side and call pilot unit.
inline constexpr std::array<const char*, 2> kLadderSideTexts{"SB", "PS"};
inline constexpr std::array<const char*, 2> kCallPilotUnitTexts{"Hours", "nM"};
// The salinity field shows what the range check tells apart.
inline constexpr int kSalinityDecimals = 3;

struct CPortGeneralFields {
  std::string country;
  std::string berth;
  double maxDraft = 0;      // "Max Draft:", 0.0 to 999.0 m
  double salinity = 1.025;  // "Salinity:", 0.999 to 1.035
  double maxAirDraft = 0;   // "Max Airdraft", 2.0 to 999.0 m, or 0 not known
  bool freshWater = false;
  bool garbageDisposal = false;
  bool bunkers = false;
  bool sludgeDisposal = false;
  bool victuals = false;
  bool dockyard = false;
};

struct CPortAgentFields {
  std::string agentName;
  std::string agentTelephone;
  std::string agentEmail;
};

// The ETA is entered in the local time of the computer, as a calendar time
// is shown everywhere in the program.
struct CPortPilotFields {
  std::string pilotStation;
  std::string vhfChannels;
  std::string callPilotAmount;
  std::int32_t callPilotUnit = CPortInfo::kHours;
  CCivilTime pilotEta;
  std::int32_t ladderSide = CPortInfo::kStarboard;
  std::string ladderHeight;
};

// "New Port" while inserting, else the port's name.
std::string PortCaption(const CPortInfo& port, bool inserting);

CPortGeneralFields ReadPortGeneral(const CPortInfo& port);
// The ranges in the page's order: max draft, salinity, max air draft (which
// may also be left at 0).
std::optional<CFieldRefusal> Validate(const CPortGeneralFields& fields);
void ApplyPortGeneral(const CPortGeneralFields& fields, CPortInfo& port);

CPortAgentFields ReadPortAgent(const CPortInfo& port);
void ApplyPortAgent(const CPortAgentFields& fields, CPortInfo& port);

CPortPilotFields ReadPortPilot(const CPortInfo& port);
// An ETA left as shown keeps its stored second, also in the hour that a
// daylight-saving change repeats.
void ApplyPortPilot(const CPortPilotFields& fields, CPortInfo& port);

}  // namespace marigold
