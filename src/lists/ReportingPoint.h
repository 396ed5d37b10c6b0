#pragma once
// A reporting point: a place a given distance before a waypoint of the
// route where the watch must act (report, call the captain, reduce speed).
// It belongs to the route document.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/Position2.h"
#include "core/PositionList.h"
#include "core/Voyage.h"

namespace marigold {

// Offered in this order in the editable "Required action" choice.
inline constexpr std::array<const char*, 11> kSuggestedActions = {
    "Reduce engine rpm",
    "Report to .................... on VHF channel ............",
    "Call captain",
    "Commence pre-arrival checklist",
    "Prepare anchors and pilotladder",
    "Switch to handsteering",
    "Engineroom on standby",
    "Reduce speed to ........... kts",
    "End of seavoyage",
    "Begin of seavoyage",
    "Commence post-departure checklist",
};

class CReportingPoint : public CPosition2 {
 public:
  CReportingPoint();

  // The position's eight items, then distance before, waypoint index,
  // required action, notes, the number of documents and each path. Loading
  // changes nothing when the bytes are damaged.
  void Serialize(CArchive& ar) override;

  // Puts the point on the leg into its waypoint, distance before short of
  // it, with the passing time and the waypoint's UTC difference. False (and
  // nothing changed) with an empty route.
  bool Place(const CVoyage& route);

  // The passing time (timeA) in the point's local time, "NA" when the
  // schedule gives none.
  std::string PassingTimeText(const char* format) const;

  std::string notes;
  std::string requiredAction;
  double distanceBefore = 1.0;         // nM before reaching the waypoint
  std::int32_t waypointIndex = 0;      // route index; out of range means the last waypoint
  std::vector<std::string> documents;  // full paths
};

using CReportingPointList = CRecordList<CReportingPoint>;

// When the ship passes distanceBefore nM short of the waypoint at the leg's
// groundspeed: NaN when the leg has no positive groundspeed (the ship would
// never get there), the waypoint's own time at distance 0.
double PassingTime(const CWaypoint& waypoint, double distanceBefore);

// Refreshes every point's passing time and UTC difference from the schedule;
// positions stay. False, with nothing done, without points or with fewer
// than two waypoints.
bool ScheduleReportingPoints(CReportingPointList& points, const CVoyage& route);

}  // namespace marigold
