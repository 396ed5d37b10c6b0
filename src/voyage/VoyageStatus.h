#pragma once
// The one-line voyage status of the main frame, and the figures of the
// "Voyage Status" dialog: the remaining voyage from the latest fix, the next
// waypoint and reporting point, and the history between two fixes.
#include <ctime>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/Voyage.h"
#include "lists/ReportingPoint.h"
#include "vessel/Vessel2.h"
#include "voyage/FixHistory.h"

namespace marigold {

inline constexpr const char* kNoFixForStatus = "No positionfix defined\nCan not calculate voyage status";
inline constexpr const char* kNoWaypointsForStatus = "No waypoints defined\nRemaining voyage can not be calculated";
inline constexpr const char* kNoReportingPoints = "No reporting points defined";
inline constexpr const char* kStatusTimeFormat = "%A %d %b %H:%M LT";

// "Groundspeed 12.5 kts PROCEEDING ON SCHEDULE": the latest fix's speed made
// good against the groundspeed the last schedule left on the leg being
// sailed, compared exactly. A leg speed that is not a number or negative
// (no time left) counts as not kept: "TOO SLOW".
std::string StatusLine(CVoyage& route, const CFixRecord* latestFix);

// Texts of the "Remaining voyage", "On present stretch till next waypoint:"
// and "Next Waypoint" groups; all empty with an empty route.
struct CRemainingVoyage {
  std::string distanceToGo;       // "Total Remaining Distance:", nM
  std::string hoursToGo;          // "Scheduled remaining hours:"
  std::string fuel;               // "Estimated  fuel consumption:", mT
  std::string legGroundspeed;     // "Av. Ground Spd:", kts
  std::string requiredRevs;       // "Required revs:", rpm
  std::string waypointName;       // "Name:"
  std::string waypointDirection;  // "Direction:", deg
  std::string waypointDistance;   // "Distance:", nM
  std::string waypointEta;        // "ETA"
};

struct CNextReportingPoint {
  std::string name;  // "No reporting points defined" without points
  std::string time;  // "Time:"
};

struct CHistoryFigures {
  std::string distanceMade;  // "Total distance made:", nM
  std::string groundSpeed;   // "Average ground speed:", kts
  std::string waterSpeed;    // "Water speed:", kts
};

// The dialog's figures over the document's records, which it borrows.
class CVoyageStatus {
 public:
  CVoyageStatus(CVoyage& route, CVessel2& vessel, const CFixList& fixes, const CReportingPointList& points)
      : route_(route), vessel_(vessel), fixes_(fixes), points_(points) {}

  // The "&Status" command: without a fix it only says so (stop) and the
  // dialog stays shut; with an empty route it warns and opens all the same.
  bool Open(CPrompter& prompter) const;

  // Entries of the "From:" and "Till:" lists, every fix in its local time.
  std::vector<std::string> FixTexts() const;

  // "Scheduled ETA :" in the destination's local time (now when empty).
  std::time_t ScheduledEta(const CClock& clock) const { return route_.GetArrival(clock); }
  // Sets the scheduled arrival from the destination's local time and
  // recomputes the remaining voyage.
  CRemainingVoyage ChangeScheduledEta(std::time_t localTime);

  // Recomputes the schedule from the latest fix first.
  CRemainingVoyage Remaining();
  // Nearest by great circle, reached along the rhumb line at the latest
  // fix's speed made good.
  CNextReportingPoint NextReportingPoint() const;
  // Between the fixes at two list indices, taken in list order.
  CHistoryFigures History(int from, int till) const;

 private:
  CVoyage& route_;
  CVessel2& vessel_;
  const CFixList& fixes_;
  const CReportingPointList& points_;
};

}  // namespace marigold
