#include "printing/StatusReport.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/CivilTime.h"
#include "core/TextFormat.h"
#include "voyage/ListViewRows.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

const CPrintFont kNormal{kPrintFace, 32, 400, 0};
const CPrintFont kHeading{kPrintFace, 36, 700, 0};
const CPrintFont kTitle{kPrintFace, 64, 700, 0};

// The graph of the past day: 24 hours across, 0 to 40 (knots or tens of
// rpm) upwards.
constexpr int kGraphLeft = 150;
constexpr int kGraphRight = 1350;
constexpr int kGraphTop = -1060;
constexpr int kGraphBottom = -1400;
constexpr double kGraphMax = 40;

std::string LocalText(const char* format, const CPosition2& p, ETimeSlot slot) {
  return listview::LocalTimeText(format, p, slot);
}

struct CRow {
  const char* label;
  std::string value;
};

void Rows(CPainter& painter, int top, int labelX, int valueX, const std::vector<CRow>& rows) {
  painter.SetFont(kNormal);
  int y = top;
  for (const CRow& row : rows) {
    painter.Text({labelX, y}, row.label);
    painter.Text({valueX, y}, row.value);
    y -= 50;
  }
}

void Heading(CPainter& painter, int y, const char* text) {
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.Line({50, y + 12}, {1950, y + 12});
  painter.SetFont(kHeading);
  painter.Text({450, y}, text);
}

void DayGraph(CPainter& painter, CMarigoldRouteDoc& doc, const CFixRecord& latest) {
  painter.SetPen({EPenStyle::Solid, 1, kBlack});
  painter.SetBrush({});
  painter.Rectangle({kGraphLeft, kGraphTop}, {kGraphRight, kGraphBottom});
  painter.SetFont({kPrintFace, 24, 400, 0});
  for (int knots = 0; knots <= 40; knots += 10) {
    const int y = kGraphBottom + static_cast<int>((kGraphTop - kGraphBottom) * knots / kGraphMax);
    painter.Line({kGraphLeft - 10, y}, {kGraphLeft, y});
    painter.Text({60, y + 12}, Format("%d", knots));
  }
  const double start = latest.GetTime() - 1;
  const auto at = [&](double day, double value) {
    const double x = kGraphLeft + (day - start) * (kGraphRight - kGraphLeft);
    const double v = std::clamp(value, 0.0, kGraphMax);
    return CPagePoint{static_cast<int>(x), kGraphBottom + static_cast<int>((kGraphTop - kGraphBottom) * v / kGraphMax)};
  };
  struct CSeries {
    const char* legend;
    CPen pen;
    double (*value)(const CFixRecord&);
    std::vector<CPagePoint> points;
  };
  CSeries series[] = {
      {"Groundspeed", {EPenStyle::Solid, 2, kBlack}, [](const CFixRecord& f) { return f.groundspeed; }, {}},
      {"Logspeed", {EPenStyle::Solid, 2, kRed}, [](const CFixRecord& f) { return f.logSpeed; }, {}},
      {"Windspeed", {EPenStyle::Solid, 2, kGreen}, [](const CFixRecord& f) { return f.weather.windSpeed; }, {}},
      {"Current", {EPenStyle::Solid, 2, kBlue}, [](const CFixRecord& f) { return f.weather.currentRate; }, {}},
      // Tens of rpm, dashed to tell it from the groundspeed.
      {"Engine rev", {EPenStyle::Dashed, 2, kBlack}, [](const CFixRecord& f) { return f.engineRpm / 10; }, {}},
  };
  for (const auto& record : doc.Fixes()) {
    const auto& fix = static_cast<const CFixRecord&>(*record);
    if (fix.GetTime() < start || fix.GetTime() > latest.GetTime()) continue;
    for (CSeries& s : series) s.points.push_back(at(fix.GetTime(), s.value(fix)));
  }
  int legendY = kGraphTop;
  painter.SetFont(kNormal);
  for (const CSeries& s : series) {
    painter.SetPen(s.pen);
    if (s.points.size() > 1) painter.Polyline(s.points);
    painter.Line({1400, legendY - 16}, {1440, legendY - 16});
    painter.Text({1450, legendY}, s.legend);
    legendY -= 50;
  }
  painter.SetPen({EPenStyle::Solid, 1, kBlack});
}

}  // namespace

std::optional<std::string> CheckStatusReport(CMarigoldRouteDoc& doc) {
  if (!doc.LatestFix()) return std::string(kNoFixForStatus);
  return std::nullopt;
}

void DrawStatusReport(CPainter& painter, CMarigoldRouteDoc& doc) {
  const CFixRecord& fix = *doc.LatestFix();
  CVoyage& route = doc.Voyage();
  painter.SetFont(kTitle);
  painter.Text({500, -250}, "Voyage Status Report");

  Heading(painter, -502, "Present Position");
  const CWeatherData& w = fix.weather;
  Rows(painter, -570, 100, 500,
       {{"Date/Time", LocalText("%A %d %b %Y  %H:%M LT", fix, ETimeSlot::Time)},
        {"Latitude", fix.LatitudeText()},
        {"Longitude", fix.LongitudeText()},
        {"Groundspeed", Format("%s kts at %s rpm", FormatFigure("%#3.1f", fix.groundspeed).c_str(),
                               FormatFigure("%3.0f", fix.engineRpm).c_str())},
        {"Groundcourse", FormatFigure("%#3.1f deg", fix.groundCourse)}});
  Rows(painter, -570, 1200, 1500,
       {{"Windspeed", FormatFigure("%3.0f kts", w.windSpeed)},
        {"Winddirection", FormatFigure("%3.0f deg", w.windDirection)},
        {"Current speed", FormatFigure("%#3.1f kts", w.currentRate)},
        {"Current dir.", FormatFigure("%#3.1f deg", w.currentSet)},
        {"Airpressure", FormatFigure("%4.1f mb", w.airPressure)}});

  Heading(painter, -1002, "Performance past 24 hours");
  DayGraph(painter, doc, fix);
  // The distance sailed over the fixes of the past day.
  const CFixRecord* dayStart = nullptr;
  for (const auto& record : doc.Fixes())
    if (!dayStart && record->GetTime() >= fix.GetTime() - 1) dayStart = static_cast<const CFixRecord*>(record.get());
  const double hours = dayStart ? (fix.GetTime() - dayStart->GetTime()) * 24 : 0;
  const double made = dayStart ? doc.Fixes().SumDistance(dayStart, &fix) : 0;
  Rows(painter, -1440, 100, 500,
       {{"Total Distance Made", hours > 0 ? Format("%s nM   (average %s kts)", FormatFigure("%#8.1f", made).c_str(),
                                                   FormatFigure("%#3.2f", made / hours).c_str())
                                          : std::string("NA (No voyage loaded)")}});

  Heading(painter, -1502, "Remaining voyage");
  Calculate(route, doc.Vessel(), fix);
  const CWaypoint* next = route.IsEmpty() ? nullptr : route.NextWaypoint(fix);
  const CWaypoint* last = route.GetTail();
  if (next && last) {
    const double distance = route.DistanceToGo(fix);
    const double toGo = HoursToGo(route, fix);
    painter.SetFont(kNormal);
    painter.Text({100, -1570}, "Required Performance");
    Rows(painter, -1620, 100, 500,
         {{"ETA", LocalText("%d %b %H:%M LT", *last, ETimeSlot::TimeB)},
          {"Groundspeed", FormatFigure("%#3.1f kts", toGo > 0 ? distance / toGo : NAN)},
          {"Engine rev", FormatFigure("%#3.1f rpm", next->engineRpm)}});
    Rows(painter, -1570, 1200, 1500,
         {{"Next WP", next->GetName()},
          {"ETA", LocalText("%d %b %H:%M LT", *next, ETimeSlot::TimeA)},
          {"Groundcourse", FormatFigure("%#3.1f deg", next->groundCourse)}});
    Rows(painter, -1800, 100, 500,
         {{"Distance Remaining",
           Format("%s nM (%s hrs)", FormatFigure("%#8.1f", distance).c_str(), FormatFigure("%#8.1f", toGo).c_str())}});

    Heading(painter, -1922, "Expected weather");
    const CWeatherData& e = next->weather;
    painter.SetFont(kNormal);
    painter.Text({100, -1990}, "Average weather");
    painter.Text({500, -1990}, "at next waypoint");
    Rows(painter, -2040, 100, 500,
         {{"Windspeed", FormatFigure("%2.0f kts", e.windSpeed)},
          {"Winddir.", FormatFigure("%3.0f deg", e.windDirection)},
          {"Current", FormatFigure("%#2.1f kts", e.currentRate)},
          {"Current dir.", FormatFigure("%3.0f deg", e.currentSet)}});
    Rows(painter, -2040, 1200, 1500,
         {{"Air pressure", FormatFigure("%#4.1f mb", e.airPressure)},
          {"Air temp.", FormatFigure("%#3.1f Celcius", e.airTemperature)},
          {"Sea temp.", FormatFigure("%#3.1f Celcius", e.seawaterTemperature)}});
  } else {
    painter.SetFont(kNormal);
    painter.Text({100, -1570}, "No voyage loaded");
  }
}

}  // namespace marigold
