#pragma once
// A port of call: limits, services, agent, pilot, notes, attached documents,
// the inbound and outbound harbour trajects and the tide. The port list lives
// in its data file from voyage to voyage.
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Position2.h"
#include "core/PositionList.h"
#include "core/Voyage.h"
#include "tools/TideInfo.h"

namespace marigold {

class CPortInfo : public CPosition2 {
 public:
  enum ELadderSide : std::int32_t { kStarboard = 0, kPort = 1 };  // "SB", "PS"
  enum ECallPilotUnit : std::int32_t { kHours = 0, kMiles = 1 };  // "Hours", "nM"

  // The times are 0; the list creates ports this way before they load.
  CPortInfo() = default;
  // A port for the user: the pilot ETA and the tide's date are "now".
  explicit CPortInfo(std::time_t now) : tide(now), pilotEta(now) {}

  // The position's eight items; the services and the reserved flag; max air
  // draft, max draft, salinity; country, agent e-mail, agent name, berth,
  // notes, agent telephone; the documents; the pilot data; the inbound and
  // outbound trajects in their route form; the tide. Loading is
  // all-or-nothing.
  void Serialize(CArchive& ar) override;

  CTideInfo tide;
  CVoyage outbound;
  CVoyage inbound;

  std::time_t pilotEta = 0;  // "ETA at pilotstation:" (LT)
  std::string vhfChannels = "VHF 16";
  std::string callPilotAmount = "1";  // before "prior arrival"
  std::string pilotStation = "PilotStation";
  std::string ladderHeight = "1";  // metres above water
  std::int32_t ladderSide = kStarboard;
  std::int32_t callPilotUnit = kHours;

  std::vector<std::string> documents;  // full paths ("Reports" page)

  std::int32_t reservedFlag = 0;  // archived, never edited
  bool victuals = false;
  bool dockyard = false;
  bool bunkers = false;
  bool sludgeDisposal = false;
  bool garbageDisposal = false;
  bool freshWater = false;

  std::string notes;
  double maxAirDraft = 0;   // m
  double salinity = 1.025;  // t/m³ at the berth
  double maxDraft = 0;      // m
  std::string berth;
  std::string agentEmail;
  std::string agentTelephone;
  std::string agentName;
  std::string country;
};

using CPortList = CRecordList<CPortInfo>;

// "Port Information" (Insert menu): a new default port at the tail.
CPortInfo* NewPort(CPortList& ports, const CClock& clock);

}  // namespace marigold
