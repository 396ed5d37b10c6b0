#include "lists/MeteoList.h"

#include <memory>

#include "core/Navigation.h"
#include "lists/MeteoSeason.h"

namespace marigold {

bool CMeteoList::EnsureDefaultRecord() {
  if (!IsEmpty()) return false;
  AddNew();
  return true;
}

void CMeteoList::ValidateAll() {
  for (const auto& record : *this) static_cast<CMeteoRecord&>(*record).ValidateAll();
}

// The nearest record when it lies within the radius (300.0 itself included),
// otherwise a new record at the position, appended. An empty list also
// gets a new record rather than nothing to merge into.
CMeteoRecord& CMeteoList::TargetFor(const CPosition2& position) {
  // Five degrees of latitude come out of the great-circle formula a few
  // billionths of a mile either side of 300; they still count as 300.0.
  constexpr double kRounding = 1e-6;
  CMeteoRecord* nearest = FindNearest(position);
  if (nearest && !(CNavigation().Distance(position, *nearest, true) > kMergeRadius + kRounding)) return *nearest;
  auto record = std::make_unique<CMeteoRecord>();
  record->SetLatitude(position.GetLatitude());
  record->SetLongitude(position.GetLongitude());
  record->SetUtcDifference(position.GetUtcDifference());
  return *Add(std::move(record));
}

CMeteoRecord* CMeteoList::AddObservation(CFixRecord& fix, const CClock& clock) {
  CMeteoRecord& target = TargetFor(fix);
  target.MergeObservation(fix.weather, target.SeasonData(MonthOfDayNumber(fix.GetTime())), clock);
  return &target;
}

CMeteoRecord* CMeteoList::MergeRecord(const CMeteoRecord& imported, const CClock& clock) {
  CMeteoRecord source = imported;  // its season counts are raised to 1 on the way
  CMeteoRecord& target = TargetFor(source);
  // One month of each season, autumn last, so that latest ends as autumn.
  for (const int month : {1, 5, 7, 11})
    target.MergeObservation(source.SeasonData(month), target.SeasonData(month), clock);
  return &target;
}

bool CMeteoList::AssignWeather(CWaypoint& waypoint, bool useLatest) const {
  if (useLatest)
    waypoint.weather = LatestNear(waypoint);
  else
    waypoint.weather = Lookup(waypoint, MonthOfDayNumber(waypoint.GetTimeB() + waypoint.GetUtcDifferenceDays()));
  return true;
}

void CMeteoList::AssignRouteWeather(CVoyage& route) const {
  for (const auto& record : route) {
    auto& waypoint = static_cast<CWaypoint&>(*record);
    if (waypoint.useAverageWeather) AssignWeather(waypoint, route.weatherSource);
  }
}

CWeatherData CMeteoList::Lookup(const CPosition2& position, int month) const {
  const CMeteoRecord* nearest = FindNearest(position);
  return nearest ? nearest->SeasonData(month) : CWeatherData{};
}

CWeatherData CMeteoList::LatestNear(const CPosition2& position) const {
  const CMeteoRecord* nearest = FindNearest(position);
  return nearest ? nearest->LatestData() : CWeatherData{};
}

}  // namespace marigold
