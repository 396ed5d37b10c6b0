// The printouts over the route: Waypoint List, Voyage Schedule, Average
// Weather and the harbour trajects.
#include <cmath>

#include "core/Navigation.h"
#include "core/TextFormat.h"
#include "printing/ListTables.h"
#include "voyage/ListView.h"

namespace marigold {
namespace printtables {
namespace {

constexpr int kFiguresY = 45;  // between the name's line and the position's

const std::vector<int> kRouteLines = {600, 900, 1600};

CTableLayout WaypointLayout(std::string title, int titleX) {
  return {std::move(title),
          titleX,
          {{100, -450, "Waypoint"},
           {650, -450, "Course"},
           {1200, -418, "Distance"},
           {950, -460, "To WP"},
           {1250, -460, "Made"},
           {1450, -460, "Remaining"},
           {1650, -450, "Remarks"}},
          kRouteLines};
}

struct CLeg {
  const CPosition2* to;
  bool greatCircle;
  double course;
  double distance;
};

// The start block with name and position, then one block per leg with its
// course and the distances to the waypoint, made and remaining.
std::vector<CTableRecord> WaypointRecords(const CPosition2& start, const std::vector<CLeg>& legs) {
  double total = 0;
  for (const CLeg& leg : legs) total += leg.distance;
  std::vector<CTableRecord> records(1);
  AddNameAndPosition(records[0], start.GetName(), start.LatitudeText(), start.LongitudeText());
  double made = 0;
  for (const CLeg& leg : legs) {
    made += leg.distance;
    CTableRecord& r = records.emplace_back();
    AddNameAndPosition(r, leg.to->GetName(), leg.to->LatitudeText(), leg.to->LongitudeText());
    r.cells.push_back({650, kFiguresY, (leg.greatCircle ? "GC " : "RL ") + FormatFigure("%#3.1f deg", leg.course)});
    r.cells.push_back({950, kFiguresY, FormatFigure("%#6.1f nM", leg.distance)});
    r.cells.push_back({1250, kFiguresY, FormatFigure("%#6.1f nM", made)});
    r.cells.push_back({1450, kFiguresY, FormatFigure("%#8.1f nM", total - made)});
  }
  return records;
}

}  // namespace

std::unique_ptr<CTableBody> WaypointTable(CMarigoldRouteDoc& doc) {
  // The list's rows compute the schedule from the start position: each
  // waypoint then holds the course and distance of the leg towards it.
  const std::vector<CListRow> rows = ListRows(doc, EListKind::Waypoints);
  std::vector<CLeg> legs;
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const auto& w = static_cast<const CWaypoint&>(*rows[i].record);
    legs.push_back({&w, w.greatCircle, w.groundCourse, w.legDistance});
  }
  return std::make_unique<CTableBody>(WaypointLayout("Waypoint List", 700), WaypointRecords(StartPosition(doc), legs));
}

std::unique_ptr<CTableBody> ScheduleTable(CMarigoldRouteDoc& doc) {
  const std::vector<CListRow> rows = ListRows(doc, EListKind::Schedule);
  const CFixRecord& start = StartPosition(doc);
  CTableLayout layout{"Voyage Schedule",
                      700,
                      {{100, -450, "Waypoint"},
                       {650, -450, "Distance"},
                       {1050, -418, "Required"},
                       {950, -460, "Groundspeed"},
                       {1250, -460, "RPM"},
                       {1650, -450, "Remarks"}},
                      kRouteLines};
  std::vector<CTableRecord> records(1);
  records[0].cells = {{100, 30, rows[0].cells[0]}, {100, 60, rows[0].cells[1]}};
  double previousTime = start.GetTime();
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const auto& w = static_cast<const CWaypoint&>(*rows[i].record);
    // The groundspeed the schedule asks for on the leg: its distance over
    // its hours ("NA" when the schedule left a time undefined).
    const double hours = (w.GetTimeA() - previousTime) * 24;
    previousTime = w.GetTimeA();
    CTableRecord& r = records.emplace_back();
    r.cells = {{100, 30, rows[i].cells[0]},
               {100, 60, rows[i].cells[1]},
               {650, kFiguresY, FormatFigure("%#8.1f nM", w.legDistance)},
               {950, kFiguresY, FormatFigure("%#3.1f kts", hours > 0 ? w.legDistance / hours : NAN)},
               {1250, kFiguresY, FormatFigure("%#3.1f rpm", w.engineRpm)}};
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

std::unique_ptr<CTableBody> MeteoTable(CMarigoldRouteDoc& doc) {
  CTableLayout layout{"Average Weather",
                      700,
                      {{100, -450, "Waypoint"},
                       {700, -418, "Wind"},
                       {650, -460, "Speed"},
                       {800, -460, "Direction"},
                       {1050, -418, "Current"},
                       {950, -460, "Speed"},
                       {1250, -460, "Direction"},
                       {1450, -450, "WaterTemp."},
                       {1650, -450, "No. Observations"}},
                      {600, 900, 1400, 1600}};
  std::vector<CTableRecord> records;
  for (const CListRow& row : ListRows(doc, EListKind::Meteo)) {
    const auto& w = static_cast<const CWaypoint&>(*row.record);
    const CWeatherData& weather = w.weather;
    CTableRecord& r = records.emplace_back();
    AddNameAndPosition(r, row.cells[0], w.LatitudeText(), w.LongitudeText());
    r.cells.push_back({650, kFiguresY, FormatFigure("%#3.1f kts", weather.windSpeed)});
    r.cells.push_back({800, kFiguresY, FormatFigure("%#3.1f deg", weather.windDirection)});
    r.cells.push_back({950, kFiguresY, FormatFigure("%#3.1f kts", weather.currentRate)});
    r.cells.push_back({1250, kFiguresY, FormatFigure("%#3.1f deg", weather.currentSet)});
    r.cells.push_back({1450, kFiguresY, FormatFigure("%#3.1f Celcius", weather.seawaterTemperature)});
    r.cells.push_back({1650, kFiguresY, Format("%d ", weather.count)});
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

}  // namespace printtables

std::unique_ptr<CTableBody> TrajectTable(const CPortInfo& port, bool inbound) {
  const CVoyage& traject = inbound ? port.inbound : port.outbound;
  std::string title = port.GetName() + (inbound ? " Inbound Traject" : " Outbound Traject");
  if (traject.GetCount() == 0)
    return std::make_unique<CTableBody>(printtables::WaypointLayout(std::move(title), 200),
                                        std::vector<CTableRecord>{});
  // A traject is never scheduled: its legs are measured here, each by its
  // own sailing method.
  const CNavigation nav;
  std::vector<printtables::CLeg> legs;
  const CPosition2* previous = traject.GetAt(0);
  for (int i = 1; i < traject.GetCount(); ++i) {
    const CWaypoint* w = traject.GetAt(i);
    legs.push_back(
        {w, w->greatCircle, nav.Course(*previous, *w, w->greatCircle), nav.Distance(*previous, *w, w->greatCircle)});
    previous = w;
  }
  return std::make_unique<CTableBody>(printtables::WaypointLayout(std::move(title), 200),
                                      printtables::WaypointRecords(*traject.GetAt(0), legs));
}

}  // namespace marigold
