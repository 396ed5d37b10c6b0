#pragma once
// A meteo record: a position with the seasonal averages of the weather
// observed near it and a copy of the latest observation.
#include <string>

#include "core/Clock.h"
#include "core/Position2.h"
#include "core/WeatherData.h"
#include "lists/MeteoSeason.h"

namespace marigold {

class CMeteoRecord : public CPosition2 {
 public:
  // The position's eight items, the slots summer, autumn, winter, spring and
  // latest, the last update, the area name. Loading changes nothing when the
  // bytes are damaged.
  void Serialize(CArchive& ar) override;

  // The slot of a month's season (December is autumn).
  CWeatherData& SeasonData(int month) { return Season(SeasonOfMonth(month)); }
  const CWeatherData& SeasonData(int month) const { return Season(SeasonOfMonth(month)); }
  CWeatherData& Season(ESeason season);
  const CWeatherData& Season(ESeason season) const;
  CWeatherData& LatestData() { return latest; }
  const CWeatherData& LatestData() const { return latest; }

  // Folds the observation into the slot (one of this record's) and makes it
  // the latest; stamps the last update with the clock. An observation with
  // a count below 1 is raised to 1 in place.
  void MergeObservation(CWeatherData& observation, CWeatherData& slot, const CClock& clock);

  // Clamps all five slots into their plausible ranges.
  void ValidateAll();

  double lastUpdate = 0;  // day number of the last merge
  std::string areaName;   // kept in the file; nothing sets it
  CWeatherData summer;    // June to August
  CWeatherData winter;    // January and February
  CWeatherData spring;    // March to May
  CWeatherData autumn;    // September to December
  CWeatherData latest;    // the last observation merged

 private:
  void SerializeFields(CArchive& ar);
};

}  // namespace marigold
