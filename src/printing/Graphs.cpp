#include "printing/Graphs.h"

#include <cmath>
#include <vector>

#include "core/CivilTime.h"
#include "core/TextFormat.h"
#include "voyage/ListViewRows.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

constexpr int kTurned = 2700;  // tenths of a degree: texts run down the page
constexpr int kOriginX = 200;
constexpr int kOriginY = -200;
// Units along the time axis: it stops above the footer, whose signature
// box no curve may cross.
constexpr int kTimeLength = 2350;
constexpr int kUnitsPerKnot = 50;  // 35 knots across the page
constexpr int kUnitsPerRpm = 10;   // 170 rpm across the page
constexpr int kMaxX = 2000;
constexpr int kFooterTop = -2600;

const CPrintFont kGraphFont{kPrintFace, 48, 400, kTurned};
const CPrintFont kTimeFont{kPrintFace, 24, 400, kTurned};
constexpr int kTimeCharLength = 11;  // at most, in the time font

struct CCurve {
  const char* legend;
  int legendX;
  CColour colour;
  std::vector<CPagePoint> points;
};

std::string LocalTime(const CPosition2& p, ETimeSlot slot) {
  return listview::LocalTimeText("%A %d %b %Y  %H:%M LT", p, slot);
}

class CGraphFrame {
 public:
  CGraphFrame(CPainter& painter, double startDay, double hours)
      : painter_(painter), startDay_(startDay), unitsPerHour_(kTimeLength / hours) {}

  int TimeY(double day) const {
    return kOriginY - static_cast<int>(std::lround((day - startDay_) * 24 * unitsPerHour_));
  }
  static int SpeedX(double knots) {
    return std::min(kMaxX, kOriginX + static_cast<int>(std::lround(std::max(0.0, knots) * kUnitsPerKnot)));
  }
  static int RpmX(double rpm) {
    return std::min(kMaxX, kOriginX + static_cast<int>(std::lround(std::max(0.0, rpm) * kUnitsPerRpm)));
  }

  void Axes(const std::string& title, const std::string& vessel) {
    painter_.SetPen({EPenStyle::Solid, 2, kBlack});
    painter_.Line({kOriginX, kOriginY}, {kMaxX, kOriginY});
    painter_.Line({kOriginX, kOriginY}, {kOriginX, kOriginY - kTimeLength});
    painter_.SetFont(kGraphFont);
    painter_.Text({1900, -300}, title);
    painter_.Text({1900, -800}, vessel);
    for (int knots = 5; knots <= 35; knots += 5) {
      const int x = SpeedX(knots);
      painter_.Line({x, kOriginY + 10}, {x, kOriginY - 10});
      painter_.Text({x + 24, kOriginY - 15}, Format("%d kts", knots));
    }
  }

  // A time along the axis, unless it would run into the one written before
  // or into the footer.
  void TimeLabel(double day, const std::string& text) {
    const int y = TimeY(day);
    const int length = static_cast<int>(text.size()) * kTimeCharLength;
    if ((lastLabelY_ && *lastLabelY_ - y < length) || y - length < kFooterTop) return;
    painter_.SetFont(kTimeFont);
    painter_.SetPen({EPenStyle::Solid, 1, kBlack});
    painter_.Line({kOriginX - 10, y}, {kOriginX, y});
    painter_.Text({kOriginX - 12, y}, text);
    lastLabelY_ = y;
  }

  void Curves(const std::vector<CCurve>& curves, EPenStyle style, int width, bool legends) {
    for (const CCurve& curve : curves) {
      painter_.SetPen({style, width, curve.colour});
      if (curve.points.size() > 1) painter_.Polyline(curve.points);
      if (!legends) continue;
      painter_.SetFont(kGraphFont);
      painter_.Line({curve.legendX - 24, -2070}, {curve.legendX - 24, -2110});
      painter_.Text({curve.legendX, -2120}, curve.legend);
    }
  }

 private:
  CPainter& painter_;
  double startDay_;
  double unitsPerHour_;
  std::optional<int> lastLabelY_;
};

std::vector<CCurve> AchievedCurves() {
  return {{"Groundspeed", 1925, kRed, {}}, {"LogSpeed", 1825, kGreen, {}}, {"Engine rpm", 1725, kBlue, {}}};
}

void AddFix(std::vector<CCurve>& curves, const CGraphFrame& frame, const CFixRecord& fix) {
  const int y = frame.TimeY(fix.GetTime());
  curves[0].points.push_back({CGraphFrame::SpeedX(fix.groundspeed), y});
  curves[1].points.push_back({CGraphFrame::SpeedX(fix.logSpeed), y});
  curves[2].points.push_back({CGraphFrame::RpmX(fix.engineRpm), y});
}

}  // namespace

CGraphFixes GraphFixes(CMarigoldRouteDoc& doc) {
  const int count = doc.Fixes().GetCount();
  CGraphFixes range{doc.graphRange.from, doc.graphRange.to.value_or(count - 1), {}};
  if (range.from < 0 || range.to < 0 || range.from >= count || range.to >= count) {
    range.refusal = kGraphNoFixes;
    return range;
  }
  const double hours = (doc.Fixes().GetAt(range.to)->GetTime() - doc.Fixes().GetAt(range.from)->GetTime()) * 24;
  if (!(hours > 0)) range.refusal = kGraphNoTime;
  return range;
}

void DrawSpeedGraph(CPainter& painter, CMarigoldRouteDoc& doc, int from, int to) {
  const CFixRecord& first = *doc.Fixes().GetAt(from);
  const CFixRecord& last = *doc.Fixes().GetAt(to);
  CGraphFrame frame(painter, first.GetTime(), (last.GetTime() - first.GetTime()) * 24);
  frame.Axes("Speed versus Time", doc.Vessel().name);
  painter.Text({1850, -300}, "From " + LocalTime(first, ETimeSlot::Time));
  painter.Text({1800, -300}, "To " + LocalTime(last, ETimeSlot::Time));
  std::vector<CCurve> curves = AchievedCurves();
  for (int i = from; i <= to; ++i) {
    const CFixRecord& fix = *doc.Fixes().GetAt(i);
    AddFix(curves, frame, fix);
    frame.TimeLabel(fix.GetTime(), LocalTime(fix, ETimeSlot::Time));
  }
  frame.Curves(curves, EPenStyle::Solid, 3, true);
}

std::optional<std::string> CheckVoyageGraph(CMarigoldRouteDoc& doc) {
  const CVoyage& route = doc.Voyage();
  if (route.GetCount() < 2) return std::string("No voyage loaded\nCan not print graph");
  if (!(RouteTotals(route).duration > 0)) return std::string(kGraphNoTime);
  return std::nullopt;
}

void DrawVoyageGraph(CPainter& painter, CMarigoldRouteDoc& doc) {
  CVoyage& route = doc.Voyage();
  // The planned figures of every leg, scheduled from the departure.
  CFixRecord start = doc.Departure();
  Calculate(route, doc.Vessel(), start);
  const double begin = route.GetHead()->GetTimeA();
  const double end = route.GetTail()->GetTimeB();
  CGraphFrame frame(painter, begin, (end - begin) * 24);
  frame.Axes("Voyage " + route.voyageNumber, doc.Vessel().name);

  std::vector<CCurve> achieved = AchievedCurves();
  for (const auto& record : doc.Fixes()) {
    const auto& fix = static_cast<const CFixRecord&>(*record);
    if (fix.GetTime() >= begin && fix.GetTime() <= end) AddFix(achieved, frame, fix);
  }
  frame.Curves(achieved, EPenStyle::Solid, 3, true);

  // Each leg's planned groundspeed, log speed and rpm as a step from the
  // waypoint before it to the waypoint itself.
  std::vector<CCurve> planned = AchievedCurves();
  const CWaypoint* previous = nullptr;
  for (const auto& record : route) {
    const auto& w = static_cast<const CWaypoint&>(*record);
    if (previous) {
      const double legStart = previous->GetTimeA();
      const double hours = (w.GetTimeA() - legStart) * 24;
      const int y0 = frame.TimeY(legStart);
      const int y1 = frame.TimeY(w.GetTimeA());
      if (std::isfinite(hours) && hours > 0) {
        const double values[] = {w.legDistance / hours, doc.Vessel().SpeedThroughWater(w.engineRpm, w.resistanceIndex)};
        for (int c = 0; c < 2; ++c)
          for (const int y : {y0, y1}) planned[c].points.push_back({CGraphFrame::SpeedX(values[c]), y});
        for (const int y : {y0, y1}) planned[2].points.push_back({CGraphFrame::RpmX(w.engineRpm), y});
      }
    }
    frame.TimeLabel(w.GetTimeA(), w.GetName() + "  " + LocalTime(w, ETimeSlot::TimeA));
    previous = &w;
  }
  frame.Curves(planned, EPenStyle::Dashed, 1, false);
  painter.SetPen({EPenStyle::Solid, 1, kBlack});
  painter.SetFont(kGraphFont);
  painter.Text({1625, -1800}, "Dashed showing required values");
}

}  // namespace marigold
