// The lists over the route: Schedule, Waypoints and Meteo. Each recomputes
// what it shows, so that it never shows the figures of an older schedule.
#include "core/TextFormat.h"
#include "lists/WeatherSource.h"
#include "voyage/ListView.h"
#include "voyage/ListViewRows.h"
#include "voyage/Schedule.h"

namespace marigold {

const CFixRecord& StartPosition(CMarigoldRouteDoc& doc) {
  if (!doc.openedFromFile)
    if (const CFixRecord* latest = doc.LatestFix()) return *latest;
  return doc.Departure();
}

namespace listview {
namespace {

constexpr const char* kScheduleTimeFormat = "%a %d %b %H:%M LT";

// The start position's row, then the waypoint the ship heads for and every
// one after it.
template <class Cells>
std::vector<CListRow> RouteRows(CVoyage& route, const CFixRecord& start, const CListCells& startCells, Cells cells) {
  std::vector<CListRow> rows;
  rows.push_back({nullptr, startCells});
  for (CWaypoint* w = route.NextWaypoint(start); w; w = route.GetNext(w)) rows.push_back({w, cells(*w)});
  return rows;
}

}  // namespace

std::vector<CListRow> ScheduleRows(CMarigoldRouteDoc& doc) {
  CVoyage& route = doc.Voyage();
  CVessel2& vessel = doc.Vessel();
  FillWeather(route, doc.Meteo());
  const CFixRecord& start = StartPosition(doc);
  Calculate(route, vessel, start);
  CListCells startCells;
  startCells[0] = start.GetName();
  startCells[1] = LocalTimeText(kScheduleTimeFormat, start, ETimeSlot::Time);
  return RouteRows(route, start, startCells, [&vessel](const CWaypoint& w) {
    return CListCells{w.GetName(),
                      LocalTimeText(kScheduleTimeFormat, w, ETimeSlot::TimeA),
                      FormatFigure("%3.0f rpm", w.engineRpm),
                      FormatFigure("%#3.1f kts", w.keptGroundspeed),
                      FormatFigure("%#3.1f kts", vessel.SpeedThroughWater(w.engineRpm, w.resistanceIndex)),
                      w.weather.WindText(),
                      w.weather.CurrentText(),
                      FormatFigure("%#2.2f hrs", w.GetUtcDifference())};
  });
}

std::vector<CListRow> WaypointRows(CMarigoldRouteDoc& doc) {
  CVoyage& route = doc.Voyage();
  const CFixRecord& start = StartPosition(doc);
  Calculate(route, doc.Vessel(), start);
  CListCells startCells;
  startCells[0] = start.GetName();
  startCells[1] = start.LatitudeText();
  startCells[2] = start.LongitudeText();
  return RouteRows(route, start, startCells, [](const CWaypoint& w) {
    return CListCells{w.GetName(),
                      w.LatitudeText(),
                      w.LongitudeText(),
                      (w.greatCircle ? "GC " : "RL ") + FormatFigure("%3.0f deg", w.groundCourse),
                      FormatFigure("%#8.1f nM", w.legDistance),
                      FormatFigure("%3.0f deg", w.gyroCourse),
                      FormatFigure("%6.0f nM", w.logDistance),
                      FormatFigure("%3.0f rpm", w.engineRpm)};
  });
}

std::vector<CListRow> MeteoRows(CMarigoldRouteDoc& doc) {
  CVoyage& route = doc.Voyage();
  FillWeather(route, doc.Meteo());
  Calculate(route, doc.Vessel(), doc.Departure());
  std::vector<CListRow> rows;
  for (const auto& record : route) {
    auto& w = static_cast<CWaypoint&>(*record);
    const CWeatherData& weather = w.weather;
    rows.push_back({&w,
                    {w.GetName(), WeatherSourceText(w, route.weatherSource),
                     FormatFigure("%#2.1f kts", weather.windSpeed), FormatFigure("%#3.1f deg", weather.windDirection),
                     FormatFigure("%#2.1f kts", weather.currentRate), FormatFigure("%#3.1f deg", weather.currentSet),
                     FormatFigure("%#4.1f mb", weather.airPressure), Format("%d", weather.count)}});
  }
  return rows;
}

}  // namespace listview
}  // namespace marigold
