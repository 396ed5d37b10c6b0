#pragma once
// The route: waypoints in sailing order. Every leg figure and setting belongs
// to the waypoint at the END of the leg; the leg from the present position
// uses the next waypoint's.
#include <ctime>
#include <string>

#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Waypoint.h"

namespace marigold {

class CClock;
class CPrompter;

class CVoyage : public CRecordList<CWaypoint> {
 public:
  static constexpr std::int32_t kCurrentVersion = 4;

  // Route-document form: [version when > 3], voyage number, keep-rpm flag,
  // the waypoints, [notes when > 3]. The version must be set before
  // loading; from version 4 on the stored version replaces it. Loading
  // changes nothing when the bytes are damaged.
  void Serialize(CArchive& ar) override;

  // The waypoint the ship heads for: the nearest one, or the one after it
  // when the nearest lies behind (the course from the present position to it
  // differs from the course made good by 90 to 270 degrees). Stores its
  // index. nullptr when empty.
  CWaypoint* NextWaypoint(const CFixRecord& present);
  // The same waypoint's index, without storing it; -1 when empty.
  int NextWaypointIndex(const CFixRecord& present) const;
  // The waypoint at the stored index (the tail when out of range).
  CWaypoint* GetNextWaypoint() const { return GetAt(nextWaypointIndex); }
  // From the present position through the next waypoint to the last one.
  double DistanceToGo(const CFixRecord& present);
  // Over all legs, each by its own sailing method.
  double TotalDistance() const;
  // Hours from the first waypoint's estimated time to the last one's
  // scheduled time; 0 with fewer than two waypoints.
  double TotalDuration() const;
  // The last waypoint's scheduled time in its local time; now when empty.
  std::time_t GetArrival(const CClock& clock) const;
  void SetArrival(std::time_t localTime);

  std::int32_t version = kCurrentVersion;
  std::string notes;
  std::string voyageNumber;
  bool weatherSource = false;   // false: average weather, true: present weather
  bool keepRpmConstant = true;  // false: keep speed constant
  int nextWaypointIndex = 0;
};

// A copy of the route, waypoints and settings, for a sheet to work on
// until OK.
void CopyVoyage(const CVoyage& from, CVoyage& to);

// "Reverse In to Outbnd": fills the outbound traject with the inbound
// waypoints from last to first (name, position and UTC difference only),
// asking first when the outbound one is not empty. Returns the number copied
// (0 when nothing changed).
int ReverseTraject(const CVoyage& inbound, CVoyage& outbound, CPrompter& prompter);

}  // namespace marigold
