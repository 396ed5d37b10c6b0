#pragma once
// "Calculate ETA": when does the ship arrive, and how much fuel does it burn,
// at a given engine rpm or groundspeed from the latest fix or from the first
// waypoint. Borrows the document's route, vessel and start records; "Set ETA"
// changes the route's scheduled arrival.
#include <ctime>
#include <optional>
#include <string>

#include "core/FixRecord.h"
#include "core/Prompter.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold {

inline constexpr const char* kNoVoyageForEta = "No valid voyage loaded\nCan not calculate ETA";
inline constexpr const char* kChangeEtaQuestion = "Change ETA of present schedule?";

// The command's precondition: two or more waypoints, otherwise the message
// (no icon) and false.
bool CanCalculateEta(const CVoyage& route, CPrompter& prompter);

struct CEtaFields {
  bool fromLatestFix = true;           // "Calculate ETA from latest positionfix" / "... from first waypoint"
  bool byGroundspeed = false;          // "Groundspeed:" / "Engine rpm:"
  int rpm = 0;                         // "Engine rpm:"
  double groundspeed = 0;              // "Groundspeed:", knots
  bool correctForWeather = true;       // "Correct for average weather"
  bool correctForReduceEngine = true;  // "Correct for reduce engine"
};

struct CEtaResults {
  double rpm = 0;          // whole number; not-a-number when it cannot be computed
  double groundspeed = 0;  // knots
  std::string rpmText;
  std::string groundspeedText;
  double hours = 0;
  double fuel = 0;       // mT
  std::string fuelText;  // "Fuel consumption:", "%5.1f mT"
  // "ETA at destination:" as a calendar time whose local-clock fields are the
  // destination's local time; none when it cannot be computed.
  std::optional<std::time_t> eta;
};

class CEtaCalculator {
 public:
  // The first waypoint is preselected as the start while the document is
  // as opened from file. A missing latest fix counts as the departure.
  CEtaCalculator(CVoyage& route, const CVessel2& vessel, const CFixRecord* latestFix, const CFixRecord& departure,
                 bool openedFromFile);

  // Every change of a choice or check recomputes, and so does "Calculate".
  // The edit that is not chosen takes the figure computed for it.
  void OnFieldsChanged(const CEtaFields& entered);
  void OnCalculate() { Recalculate(); }

  const CEtaFields& Fields() const { return fields_; }
  const CEtaResults& Results() const { return results_; }

  // "Set ETA": after Yes to the question, the last waypoint's scheduled time
  // becomes the ETA shown. Nothing is asked when no ETA could be computed.
  bool OnSetEta(CPrompter& prompter);

 private:
  void Recalculate();

  CVoyage& route_;
  const CVessel2& vessel_;
  const CFixRecord* latestFix_;
  const CFixRecord& departure_;
  CEtaFields fields_;
  CEtaResults results_;
};

}  // namespace marigold
