// The lists of records kept beside the route: fixes, reporting points,
// warnings, storms, publications and ports, and the cell texts they share.
#include <cmath>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"
#include "lists/WarningRows.h"
#include "voyage/ListViewRows.h"

namespace marigold::listview {

std::string LocalTimeText(const char* format, const CPosition2& position, ETimeSlot slot) {
  return FormatDayNumber(format, position.GetDayNumber(slot) + position.GetUtcDifferenceDays());
}

std::string CalendarTimeText(const char* format, std::time_t t) { return FormatTime(format, LocalFieldsOf(t)); }

// The distances and bearings from the latest fix read "NA" when the history
// is empty, rather than measuring from nowhere.
std::string DistanceFromText(const char* format, const CPosition2* latestFix, const CPosition2& to) {
  if (!latestFix) return "NA";
  return FormatFigure(format, CNavigation().Distance(*latestFix, to, true));
}

std::string CourseFromText(const char* format, const CPosition2* latestFix, const CPosition2& to) {
  if (!latestFix) return "NA";
  return FormatFigure(format, CNavigation().Course(*latestFix, to, true));
}

std::vector<CListRow> FixRows(CMarigoldRouteDoc& doc) {
  std::vector<CListRow> rows;
  for (const auto& record : doc.Fixes()) {
    auto& fix = static_cast<CFixRecord&>(*record);
    rows.push_back({&fix,
                    {LocalTimeText("%d %b %H:%M LT", fix, ETimeSlot::Time), fix.LatitudeText(), fix.LongitudeText(),
                     FormatFigure("%#2.1f deg", fix.groundCourse), FormatFigure("%#2.2f kts", fix.groundspeed),
                     FormatFigure("%#2.2f kts", fix.logSpeed), FormatFigure("%#3.0f rpm", fix.engineRpm),
                     FormatFigure("%#2.1f mtr", fix.draft)}});
  }
  return rows;
}

std::vector<CListRow> ReportingPointRows(CMarigoldRouteDoc& doc) {
  // Passing times follow the schedule whenever the list is shown.
  ScheduleReportingPoints(doc.ReportingPoints(), doc.Voyage());
  const CFixRecord* latest = doc.LatestFix();
  std::vector<CListRow> rows;
  for (const auto& record : doc.ReportingPoints()) {
    auto& point = static_cast<CReportingPoint&>(*record);
    CListCells cells;
    cells[0] = point.GetName();
    cells[1] = DistanceFromText("%#8.1f nM", latest, point);
    cells[2] = point.PassingTimeText("%A %d %b %H:%M LT");
    cells[5] = point.notes;
    rows.push_back({&point, cells});
  }
  return rows;
}

std::vector<CListRow> WarningListRows(CMarigoldRouteDoc& doc) {
  std::vector<CListRow> rows;
  const CFixRecord* latest = doc.LatestFix();
  if (latest) {
    const auto warningRows = WarningRows(doc.Warnings(), doc.Voyage(), *latest);
    for (int i = 0; i < doc.Warnings().GetCount(); ++i)
      rows.push_back({doc.Warnings().GetAt(i), warningRows[static_cast<std::size_t>(i)]});
    return rows;
  }
  // Without a fix there is nothing to measure from or to sail the route from.
  for (const auto& record : doc.Warnings()) {
    auto& warning = static_cast<CNavWarning&>(*record);
    // Measured from the warning itself only to fill the row; both figures
    // are replaced.
    CWarningRow cells = WarningRow(warning, warning, nullptr);
    cells[1] = "NA";
    cells[2] = "NA";
    rows.push_back({&warning, cells});
  }
  return rows;
}

std::vector<CListRow> StormRows(CMarigoldRouteDoc& doc) {
  const CFixRecord* latest = doc.LatestFix();
  std::vector<CListRow> rows;
  for (const auto& record : doc.Storms()) {
    auto& storm = static_cast<CHurricane&>(*record);
    rows.push_back(
        {&storm,
         {storm.GetName(), storm.LatitudeText(), storm.LongitudeText(), DistanceFromText("%#2.1f nM", latest, storm),
          CourseFromText("%#2.1f deg", latest, storm), FormatFigure("%#2.1f deg", storm.course),
          FormatFigure("%#2.1f kts", storm.speed), Format("%d mb", storm.eyePressure)}});
  }
  return rows;
}

std::vector<CListRow> PublicationRows(CMarigoldRouteDoc& doc, bool charts) {
  std::vector<CListRow> rows;
  for (CPublication* p : PublicationsOfKind(doc.Publications(), charts)) {
    rows.push_back(
        {p,
         {p->number, p->description, p->publisher, p->folio, CalendarTimeText("%A %d %b", p->publicationDate),
          CalendarTimeText("%A %d %b", p->correctionDate), p->correctionNumber, p->edition}});
  }
  return rows;
}

std::vector<CListRow> PortRows(CMarigoldRouteDoc& doc) {
  const CFixRecord* latest = doc.LatestFix();
  std::vector<CListRow> rows;
  for (const auto& record : doc.Ports()) {
    auto& port = static_cast<CPortInfo&>(*record);
    rows.push_back({&port,
                    {port.GetName(), port.country, port.LatitudeText(), port.LongitudeText(),
                     CourseFromText("%#3.1f deg", latest, port), DistanceFromText("%#5.1f nM", latest, port),
                     port.agentName, port.agentTelephone}});
  }
  return rows;
}

}  // namespace marigold::listview
