#pragma once
// The closest point of approach between a storm and the ship as it proceeds
// along the rest of its route, and the texts the "Calculate Hurricane CPA"
// dialog and the printed storm list show of it.
#include <string>

#include "core/FixRecord.h"
#include "core/Position2.h"
#include "core/Quotient.h"
#include "core/Voyage.h"
#include "lists/Hurricane.h"

namespace marigold {

inline constexpr const char* kNoVoyageOrStorms = "No voyage loaded\nor no active storms";

struct CStormCpa {
  // The storm's estimated position at the closest approach; its timeA is the
  // time of it (UTC day number), NaN when it cannot be computed.
  CPosition2 stormPosition;
  double distance = kNotANumber;  // nM from the ship to the storm
  double bearing = kNotANumber;   // degrees from the ship to the storm

  bool IsAvailable() const;
};

// From the start (the latest fix or the departure record) along the route,
// which is borrowed to find the next waypoint. The first leg runs from the
// start to the next waypoint, the later ones between waypoints at their
// estimated times; the ship proceeds at the start's groundspeed. The first
// of equally close legs wins. Nothing is available with an empty route or
// a start that does not make way (groundspeed 0): the time of the abeam
// point would be infinite.
CStormCpa CalculateCPA(const CHurricane& storm, CVoyage& route, const CFixRecord& start);

struct CStormCpaTexts {
  std::string time;      // "%A %d %b %H:%M UTC"
  std::string latitude;  // display forms of the storm's position
  std::string longitude;
  std::string distance;  // "%#8.1f nM"
  std::string bearing;   // "%#3.1f deg"
};

// "NA" for every figure that is not available.
CStormCpaTexts FormatStormCpa(const CStormCpa& cpa);

}  // namespace marigold
