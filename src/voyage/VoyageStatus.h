#pragma once
// The one-line voyage status of the main frame, and the "Voyage Status"
// dialog: the remaining voyage from the latest fix, the next waypoint and
// reporting point, and the history between two fixes.
#include <ctime>
#include <string>
#include <vector>

#include "core/CivilTime.h"
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
// counts as not kept: "TOO SLOW". A fix after the scheduled arrival gives
// "Groundspeed 14.4 kts LATE BY 3.5 HOURS".
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

struct CVoyageStatusView {
  std::vector<std::string> fixTexts;  // "From:" and "Till:", every fix in its local time
  std::time_t scheduledEta = 0;       // "Scheduled ETA :", the destination's local time (now when empty)
  bool scheduledEtaEditable = false;  // a route without waypoints has no arrival to set
  // The route's own: its voyage number and notes, and "Begin Seavoyage",
  // which only a route of two waypoints or more takes.
  std::string voyageNumber;
  CCivilTime departure;
  bool departureEditable = false;
  std::string notes;
  CRemainingVoyage remaining;
  CNextReportingPoint nextReportingPoint;
  CHistoryFigures history;
};

class CVoyageStatus {
 public:
  // Borrows the document's records; opening and a new scheduled ETA
  // recompute the schedule from the latest fix.
  CVoyageStatus(CVoyage& route, CVessel2& vessel, const CFixList& fixes, const CReportingPointList& points,
                const CClock& clock)
      : route_(route), vessel_(vessel), fixes_(fixes), points_(points), clock_(clock) {}

  // The "&Status" command: without a fix it only says so (stop) and the
  // dialog stays shut; with an empty route it warns and opens all the same.
  // An open dialog has its view filled.
  bool Open(CPrompter& prompter);

  // Sets the scheduled arrival from the destination's local time.
  void OnScheduledEtaChanged(std::time_t localTime);
  // Sets the departure (first waypoint's time and estimated time) from its
  // local time; the remaining voyage is computed again.
  void OnDepartureChanged(const CCivilTime& local);
  void OnVoyageNumberChanged(const std::string& number);
  void OnNotesChanged(const std::string& notes);
  // True once the route was changed here (the document then needs saving).
  bool RouteChanged() const { return routeChanged_; }
  // The fixes at two list indices, taken in list order; no selection (-1)
  // or a stale one falls on the nearest end of the list.
  void OnFromChosen(int index);
  void OnTillChosen(int index);

  const CVoyageStatusView& View() const { return view_; }

 private:
  // The remaining voyage and the scheduled arrival, which a fix after it
  // has replaced by the estimated arrival.
  void ShowRemaining();
  CRemainingVoyage Remaining();
  // Nearest by great circle, reached along the rhumb line at the latest
  // fix's speed made good.
  CNextReportingPoint NextReportingPoint() const;
  CHistoryFigures History() const;

  CVoyage& route_;
  CVessel2& vessel_;
  const CFixList& fixes_;
  const CReportingPointList& points_;
  const CClock& clock_;
  int from_ = -1;
  int till_ = -1;
  bool routeChanged_ = false;
  CVoyageStatusView view_;
};

}  // namespace marigold
