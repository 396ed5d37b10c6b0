// The printouts of the records kept beside the route: History, Reporting
// Points, Navigational Warnings, Active Storms and Required Publications.
#include <optional>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "lists/HurricaneCpa.h"
#include "lists/WarningApproach.h"
#include "printing/ListTables.h"
#include "voyage/ListView.h"
#include "voyage/ListViewRows.h"

namespace marigold::printtables {
namespace {

constexpr int kFiguresY = 45;
constexpr const char* kLocalTimeFormat = "%a %d %b %H:%M LT";
constexpr const char* kNoVoyageForCpa = "Unable to calculate as no voyage loaded";

std::string LocalTime(const CPosition2& p, ETimeSlot slot) {
  return listview::LocalTimeText(kLocalTimeFormat, p, slot);
}

std::string CalendarDate(std::time_t t) { return listview::CalendarTimeText("%a %d %b %Y", t); }

// A record box with a closest-approach block beneath it: the column lines
// stop at the record's own row, the block is boxed from x 600.
CTableRecord WithCpaBlock() {
  CTableRecord r;
  r.height = 2 * kTableRowHeight;
  r.subBlockX = 600;
  r.cells.push_back({100, 130, "CPA"});
  return r;
}

void AddCpa(CTableRecord& r, const std::string& time, const std::string& where, double distance, double bearing) {
  r.cells.push_back({650, 130, time});
  r.cells.push_back({950, 130, where});
  r.cells.push_back({950, 160,
                     Format("Distance at CPA %s nM Bearing %s deg", FormatFigure("%#8.0f", distance).c_str(),
                            FormatFigure("%#3.0f", bearing).c_str())});
}

// Where the closest approaches are sailed from: the latest fix, or the
// departure record before the first fix.
const CFixRecord& CpaStart(CMarigoldRouteDoc& doc) {
  if (const CFixRecord* latest = doc.LatestFix()) return *latest;
  return doc.Departure();
}

}  // namespace

std::unique_ptr<CTableBody> HistoryTable(CMarigoldRouteDoc& doc) {
  CTableLayout layout{"History",
                      700,
                      {{100, -450, "Positionfix"},
                       {650, -450, "Ground course"},
                       {1050, -418, "Speed"},
                       {950, -460, "Ground"},
                       {1250, -460, "Log"},
                       {1450, -450, "RPM"},
                       {1650, -450, "Draft"}},
                      {600, 900, 1400, 1600}};
  std::vector<CTableRecord> records;
  records.reserve(static_cast<std::size_t>(doc.Fixes().GetCount()));
  for (const auto& record : doc.Fixes()) {
    const auto& fix = static_cast<const CFixRecord&>(*record);
    CTableRecord& r = records.emplace_back();
    AddNameAndPosition(r, LocalTime(fix, ETimeSlot::Time), fix.LatitudeText(), fix.LongitudeText());
    r.cells.push_back({650, kFiguresY, FormatFigure("%#3.1f deg", fix.groundCourse)});
    r.cells.push_back({950, kFiguresY, FormatFigure("%#3.1f kts", fix.groundspeed)});
    r.cells.push_back({1250, kFiguresY, FormatFigure("%#3.1f kts", fix.logSpeed)});
    r.cells.push_back({1450, kFiguresY, FormatFigure("%#3.1f rpm", fix.engineRpm)});
    r.cells.push_back({1650, kFiguresY, FormatFigure("%#3.2f mtr", fix.draft)});
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

std::unique_ptr<CTableBody> ReportingTable(CMarigoldRouteDoc& doc) {
  CTableLayout layout{"Reporting Points",
                      700,
                      {{100, -418, "Reporting Point"},
                       {100, -460, "LAT"},
                       {300, -460, "LON"},
                       {650, -450, "ETA"},
                       {1200, -450, "Action"},
                       {1650, -450, "Notes"}},
                      {600, 900, 1600}};
  std::vector<CTableRecord> records;
  // The list's rows schedule the passing times first.
  for (const CListRow& row : ListRows(doc, EListKind::ReportingPoints)) {
    const auto& point = static_cast<const CReportingPoint&>(*row.record);
    CTableRecord& r = records.emplace_back();
    AddNameAndPosition(r, point.GetName(), point.LatitudeText(), point.LongitudeText());
    r.cells.push_back({650, kFiguresY, point.PassingTimeText(kLocalTimeFormat)});
    r.cells.push_back({950, kFiguresY, point.requiredAction});
    r.cells.push_back({1650, kFiguresY, point.notes});
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

std::unique_ptr<CTableBody> WarningTable(CMarigoldRouteDoc& doc) {
  CTableLayout layout{
      "Navigational Warnings",
      700,
      {{100, -450, "Position"}, {650, -450, "ID"}, {950, -450, "Warning"}, {1650, -450, "Valid From Till"}},
      {600, 900, 1600}};
  CVoyage& route = doc.Voyage();
  std::optional<CWarningTrack> track;
  if (route.GetCount() >= 2) track.emplace(route, CpaStart(doc), 1.0);
  std::vector<CTableRecord> records;
  for (const auto& record : doc.Warnings()) {
    const auto& warning = static_cast<const CNavWarning&>(*record);
    CTableRecord& r = records.emplace_back(WithCpaBlock());
    AddNameAndPosition(r, warning.GetName(), warning.LatitudeText(), warning.LongitudeText());
    r.cells.push_back({650, kFiguresY, warning.number});
    r.cells.push_back({950, kFiguresY, FormatFigure("Keep at least %#3.1f nM clear", warning.passingDistance)});
    r.cells.push_back({1650, 30, FormatDayNumber("%d %b %Y  %H:%M UTC", warning.validFrom)});
    r.cells.push_back({1650, 60, FormatDayNumber("%d %b %Y  %H:%M UTC", warning.validTill)});
    if (!track) {
      r.cells.push_back({650, 130, kNoVoyageForCpa});
      continue;
    }
    double distance = kNotANumber;
    double bearing = kNotANumber;
    const auto ship = track->ClosestApproach(warning, distance, bearing);
    AddCpa(r, FormatDayNumber("%d %b  %H:%M UTC", ship->GetTimeA()),
           Format("Ship at %s  %s", ship->LatitudeText().c_str(), ship->LongitudeText().c_str()), distance, bearing);
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

std::unique_ptr<CTableBody> StormTable(CMarigoldRouteDoc& doc) {
  CTableLayout layout{"Active Storms",
                      700,
                      {{100, -450, "Name / Position"},
                       {700, -418, "Movement"},
                       {650, -460, "Speed"},
                       {800, -460, "Direction"},
                       {1000, -418, "Max Windspeed"},
                       {950, -460, "Speed"},
                       {1250, -460, "Range"},
                       {1450, -450, "Pressure"},
                       {1650, -450, "Date / Time"}},
                      {600, 900, 1400, 1600}};
  CVoyage& route = doc.Voyage();
  const CFixRecord& start = CpaStart(doc);
  std::vector<CTableRecord> records;
  for (const auto& record : doc.Storms()) {
    const auto& storm = static_cast<const CHurricane&>(*record);
    CTableRecord& r = records.emplace_back(WithCpaBlock());
    AddNameAndPosition(r, storm.GetName(), storm.LatitudeText(), storm.LongitudeText());
    r.cells.push_back({650, kFiguresY, FormatFigure("%#3.1f kts", storm.speed)});
    r.cells.push_back({800, kFiguresY, FormatFigure("%#3.1f deg", storm.course)});
    r.cells.push_back({950, kFiguresY, Format("%d kts", storm.maxWind)});
    r.cells.push_back({1250, kFiguresY, Format("%d nM", storm.windRange)});
    r.cells.push_back({1450, kFiguresY, Format("%d mb", storm.eyePressure)});
    r.cells.push_back({1650, kFiguresY, FormatDayNumber("%d %b %Y  %H:%M UTC", storm.GetTime())});
    if (route.GetCount() < 2) {
      r.cells.push_back({650, 130, kNoVoyageForCpa});
      continue;
    }
    const CStormCpa cpa = CalculateCPA(storm, route, start);
    AddCpa(
        r, FormatDayNumber("%d %b  %H:%M UTC", cpa.stormPosition.GetTimeA()),
        Format("Storm at %s  %s", cpa.stormPosition.LatitudeText().c_str(), cpa.stormPosition.LongitudeText().c_str()),
        cpa.distance, cpa.bearing);
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

std::unique_ptr<CTableBody> PublicationTable(CMarigoldRouteDoc& doc, bool charts) {
  CTableLayout layout{
      "Required Publications",
      700,
      {{100, -450, "Nr/Description"}, {950, -450, "Date of publication"}, {1650, -450, "Latest Correction"}},
      {900, 1600}};
  std::vector<CTableRecord> records;
  for (const CPublication* p : PublicationsOfKind(doc.Publications(), charts)) {
    CTableRecord& r = records.emplace_back();
    r.cells = {{100, 30, p->number},
               {100, 60, p->description},
               {950, kFiguresY, CalendarDate(p->publicationDate)},
               {1650, 30, CalendarDate(p->correctionDate)},
               {1650, 60, p->correctionNumber.empty() ? std::string() : "nr " + p->correctionNumber}};
  }
  return std::make_unique<CTableBody>(std::move(layout), std::move(records));
}

}  // namespace marigold::printtables

namespace marigold {

std::unique_ptr<CTableBody> ListTable(CMarigoldRouteDoc& doc, EListKind kind) {
  using namespace printtables;
  switch (kind) {
    case EListKind::Schedule: return ScheduleTable(doc);
    case EListKind::PositionFixes: return HistoryTable(doc);
    case EListKind::ReportingPoints: return ReportingTable(doc);
    case EListKind::Warnings: return WarningTable(doc);
    case EListKind::Meteo: return MeteoTable(doc);
    case EListKind::Waypoints: return WaypointTable(doc);
    case EListKind::Storms: return StormTable(doc);
    case EListKind::Charts: return PublicationTable(doc, true);
    case EListKind::Books: return PublicationTable(doc, false);
    case EListKind::Ports: return nullptr;
  }
  return nullptr;
}

}  // namespace marigold
