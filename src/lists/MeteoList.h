#pragma once
// The world-wide meteo records: fed by every processed fix and by imports,
// read when waypoints take their weather from the averages.
#include "core/Clock.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Voyage.h"
#include "core/Waypoint.h"
#include "core/WeatherData.h"
#include "lists/MeteoRecord.h"

namespace marigold {

class CMeteoList : public CRecordList<CMeteoRecord> {
 public:
  // An observation further than this from every record starts a new one.
  static constexpr double kMergeRadius = 300.0;  // nM

  // Appends one default record when the list is empty, so that every lookup
  // has a record to answer from; true when it did.
  bool EnsureDefaultRecord();
  // Clamps every record's values into their plausible ranges.
  void ValidateAll();

  // Folds the fix's weather into the season of the fix's month of the
  // nearest record within 300 nM, or of a new record at the fix. The fix's
  // weather count is raised to 1 when below. Returns the record merged into.
  CMeteoRecord* AddObservation(CFixRecord& fix, const CClock& clock);
  // Folds the four seasons of an imported record into the nearest record
  // within 300 nM, or into a new one at the imported position; a season of
  // count 0 counts as one observation. Returns the record merged into.
  CMeteoRecord* MergeRecord(const CMeteoRecord& imported, const CClock& clock);

  // Copies the nearest record's latest observation, or its average for the
  // season of the waypoint's scheduled time (timeB in local time), into the
  // waypoint's weather. Always true.
  bool AssignWeather(CWaypoint& waypoint, bool useLatest) const;
  // AssignWeather for every waypoint that uses average weather, with the
  // route's weather source.
  void AssignRouteWeather(CVoyage& route) const;

  // The nearest record's average for the month's season, or its latest
  // observation. An empty list answers with the default weather, as its
  // default record would.
  CWeatherData Lookup(const CPosition2& position, int month) const;
  CWeatherData LatestNear(const CPosition2& position) const;

 private:
  CMeteoRecord& TargetFor(const CPosition2& position);
};

}  // namespace marigold
