#pragma once
// The voyage sheet ("Voyage", "Vessel", "Weather" and "Notes") over the
// document's route and vessel: the fields with their ranges, and the live
// results of the pages. The results are computed on copies of the route and
// the vessel, so that nothing reaches the document before OK.
#include <optional>
#include <string>

#include "core/CivilTime.h"
#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/RangeCheck.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"
#include "vessel/Vessel2.h"

namespace marigold {

inline constexpr const char* kPresentWeatherNotice =
    "By selecting present weather the voyageplanning\nwill use only the latest weather observation for each "
    "waypoint\nThis might result in less accurate data for wind and current calculations";

struct CVoyageSheetFields {
  // "Voyage"
  std::string voyageNumber;
  CCivilTime beginSeavoyage;   // LT at the first waypoint; the present time with fewer than two waypoints
  CCivilTime etaPilotstation;  // LT at the last waypoint; likewise
  // "Vessel"
  double draftForward = 0;  // m, 0.0 to 99.0
  double draftAft = 0;      // m, 0.0 to 99.0
  double displacement = 0;  // the voyage's, mT, 0.0 to 999999.0
  // "Weather"
  bool presentWeather = false;
  bool keepRpmConstant = true;
  // "Notes"
  std::string notes;
};

// "Begin Seavoyage": the first waypoint's departure in its local time; the
// present time with fewer than two waypoints.
CCivilTime BeginSeavoyage(const CVoyage& route, const CClock& clock);
// With two waypoints or more, sets the first waypoint's time and estimated
// time from local time, unless it is what BeginSeavoyage shows (so that a
// time left alone keeps its fraction of a second).
void SetBeginSeavoyage(const CCivilTime& local, CVoyage& route);

CVoyageSheetFields ReadVoyageSheet(const CVoyage& route, const CVessel2& vessel, const CClock& clock);
std::optional<CFieldRefusal> Validate(const CVoyageSheetFields& fields);
// With two waypoints or more "Begin Seavoyage" sets the first waypoint's
// time and estimated time, "ETA Pilotstation" the last one's scheduled
// time, both from local time at the waypoint; the voyage number always.
void ApplyVoyageSheet(const CVoyageSheetFields& fields, CVoyage& route, CVessel2& vessel);

struct CVoyagePageResults {
  std::string totalDistance;  // "Total distance:", nM
  std::string totalDuration;  // "Total duration:", hours
  std::string averageSpeed;   // "Average speed:", knots
};

struct CVesselPageResults {
  std::string freeboard;   // m
  std::string eyeHeight;   // m above the waterline
  std::string mastHeight;  // m above the waterline
};

struct CWeatherPageResults {
  std::string totalFuel;         // "Total fuel consumption:", mT
  std::string logDistance;       // "Estimated log distance:", nM
  std::string requiredLogSpeed;  // "Required log speed:", kts
  std::string averageRpm;        // "Average engine rpm:"
};

struct CVoyageSheetView {
  CVoyagePageResults voyage;
  CVesselPageResults vessel;
  CWeatherPageResults weather;  // empty until the page is shown
};

class CVoyageSheet {
 public:
  CVoyageSheet(const CVoyage& route, const CVessel2& vessel, const CMeteoList& meteo);

  // "Begin Seavoyage" and "ETA Pilotstation" as entered.
  void OnDatesChanged(const CCivilTime& begin, const CCivilTime& eta);
  // The drafts as entered.
  void OnDraftsChanged(double forward, double aft);
  // The "Weather" page computes when it is shown and on every change of its
  // choices: it fills the weather and computes the schedule from the first
  // waypoint.
  void OnWeatherPageShown();
  // "Average weather" / "Present weather": present weather shows the notice
  // first.
  void OnWeatherSourceChosen(bool presentWeather, CPrompter& prompter);
  // "Keep rpm constant" / "Keep speed constant".
  void OnKeepRpmChosen(bool keepRpm);

  const CVoyageSheetView& View() const { return view_; }

 private:
  void Recompute();

  CVoyage route_;
  CVessel2 vessel_;
  const CMeteoList& meteo_;
  bool weatherShown_ = false;
  CVoyageSheetView view_;
};

}  // namespace marigold
