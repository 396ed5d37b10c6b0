// The weather fill of the waypoints that take the averages.
#include "lists/MeteoSeason.h"
#include "voyage/Schedule.h"
#include "voyage/ScheduleNearest.h"

namespace marigold {

// As CMeteoList::AssignRouteWeather, with one nearest-record index for the
// whole route instead of a scan of every record for every waypoint.
void FillWeather(CVoyage& route, const CMeteoList& meteo) {
  const CNearestIndex index(meteo);
  const bool latest = route.weatherSource;
  for (const auto& record : route) {
    auto& w = static_cast<CWaypoint&>(*record);
    if (!w.useAverageWeather) continue;
    const auto* nearest = static_cast<const CMeteoRecord*>(index.Nearest(w));
    if (!nearest)
      w.weather = CWeatherData{};
    else if (latest)
      w.weather = nearest->LatestData();
    else
      w.weather = nearest->SeasonData(MonthOfDayNumber(w.GetTimeB() + w.GetUtcDifferenceDays()));
  }
}

}  // namespace marigold
