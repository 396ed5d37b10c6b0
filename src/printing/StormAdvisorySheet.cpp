#include "printing/StormAdvisorySheet.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"
#include "core/CivilTime.h"
#include "core/TextFormat.h"
#include "lists/StormAdvisory.h"
#include "voyage/ListViewRows.h"

namespace marigold {
namespace {

const CPrintFont kNormal{kPrintFace, 32, 400, 0};
const CPrintFont kBold{kPrintFace, 32, 700, 0};
const CPrintFont kTitle{kPrintFace, 64, 700, 0};

constexpr CPagePoint kPlotCentre{1000, -2050};
constexpr int kPlotRadius = 450;  // units for the farthest point of the track

std::string LocalText(const char* format, const CPosition2& p) {
  return listview::LocalTimeText(format, p, ETimeSlot::Time);
}

void StormData(CPainter& painter, const CHurricane& storm, const CStormCpa& cpa) {
  painter.SetFont(kBold);
  painter.Text({100, -350}, storm.GetName());
  painter.SetFont(kNormal);
  painter.Text({100, -400}, "Position at");
  painter.Text({400, -400}, FormatDayNumber("%a %d %b %H:%M UTC", storm.GetTime()));
  painter.Text({400, -450}, storm.LatitudeText() + "  " + storm.LongitudeText());
  painter.Text({100, -500}, FormatFigure("Speed %3.0f kts", storm.speed));
  painter.Text({400, -500}, FormatFigure("Course %3.0f deg", storm.course));
  const CStormCpaTexts texts = FormatStormCpa(cpa);
  painter.Text({1100, -400}, "CPA " + texts.time);
  painter.Text({1100, -450}, "Storm at " + texts.latitude + "  " + texts.longitude);
  painter.Text({1100, -500}, "Distance " + texts.distance + "  Bearing " + texts.bearing);
}

void TrackTable(CPainter& painter, const CStormAdvisory& advisory, bool deadReckoned) {
  const int columns[] = {100, 650, 1050, 1500, 1750};
  const char* headers[] = {deadReckoned ? "Position" : "Waypoint", "Date/Time", "Storm at", "Distance", "Bearing"};
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetBrush({});
  painter.Rectangle({50, -600}, {1950, -670});
  painter.SetFont(kBold);
  for (int i = 0; i < 5; ++i) painter.Text({columns[i], -620}, headers[i]);
  painter.SetFont(kNormal);
  int y = -690;
  for (const CStormTrackPoint& point : advisory.track) {
    const std::string name = point.deadReckoned ? LocalText("DR %a %d %b %H:%M LT", point.ship) : point.ship.GetName();
    painter.Text({columns[0], y}, name);
    painter.Text({columns[1], y}, LocalText("%a %d %b %H:%M LT", point.ship));
    painter.Text({columns[2], y}, point.storm.LatitudeText() + "  " + point.storm.LongitudeText());
    painter.Text({columns[3], y}, FormatFigure("%5.0f nM", point.distance));
    painter.Text({columns[4], y}, FormatFigure("%3.0f deg", point.bearing));
    y -= 45;
  }
}

// The ship's positions seen from the storm at the centre: the storm's
// bearing from the ship turned about, at its distance.
void RelativePlot(CPainter& painter, const CHurricane& storm, const CStormAdvisory& advisory) {
  painter.SetFont(kBold);
  painter.Text({100, -1550}, "Ships track relative to Storm");
  double farthest = storm.windRange;
  for (const CStormTrackPoint& p : advisory.track)
    if (std::isfinite(p.distance)) farthest = std::max(farthest, p.distance);
  const double milesPerUnit = farthest > 0 ? farthest / kPlotRadius : 1;
  painter.SetFont(kNormal);
  painter.Text({100, -1600}, FormatFigure("Scale 1 cm = %#4.4f nM", milesPerUnit * 100));
  const auto at = [&](double distance, double bearing) {
    const double r = (bearing + 180) / kDegreesPerRadian;
    return CPagePoint{kPlotCentre.x + static_cast<int>(std::lround(distance / milesPerUnit * std::sin(r))),
                      kPlotCentre.y + static_cast<int>(std::lround(distance / milesPerUnit * std::cos(r)))};
  };
  // The storm, the circle of its strongest wind, north up.
  painter.SetPen({EPenStyle::Solid, 1, kBlack});
  painter.Line({kPlotCentre.x, kPlotCentre.y + kPlotRadius + 40}, {kPlotCentre.x, kPlotCentre.y - kPlotRadius - 40});
  painter.Line({kPlotCentre.x - kPlotRadius - 40, kPlotCentre.y}, {kPlotCentre.x + kPlotRadius + 40, kPlotCentre.y});
  painter.Text({kPlotCentre.x + 10, kPlotCentre.y + kPlotRadius + 80}, "N");
  painter.SetPen({EPenStyle::Solid, 2, kRed});
  painter.SetBrush({EBrushStyle::Hatched, kRed});
  painter.Ellipse({kPlotCentre.x - 20, kPlotCentre.y + 20}, {kPlotCentre.x + 20, kPlotCentre.y - 20});
  painter.SetBrush({});
  const int range = static_cast<int>(std::lround(storm.windRange / milesPerUnit));
  painter.SetPen({EPenStyle::Dashed, 1, kRed});
  painter.Ellipse({kPlotCentre.x - range, kPlotCentre.y + range}, {kPlotCentre.x + range, kPlotCentre.y - range});

  std::vector<CPagePoint> track;
  for (const CStormTrackPoint& p : advisory.track)
    if (std::isfinite(p.distance) && std::isfinite(p.bearing)) track.push_back(at(p.distance, p.bearing));
  painter.SetPen({EPenStyle::Solid, 2, kBlue});
  if (track.size() > 1) painter.Polyline(track);
  painter.SetFont({kPrintFace, 24, 400, 0});
  for (std::size_t i = 0; i < track.size(); ++i) {
    painter.Ellipse({track[i].x - 8, track[i].y + 8}, {track[i].x + 8, track[i].y - 8});
    painter.Text({track[i].x + 12, track[i].y - 4}, std::to_string(i + 1));
  }
}

}  // namespace

std::optional<std::string> CheckStormAdvisory(CMarigoldRouteDoc& doc) {
  const int storm = doc.stormAdvisory.storm;
  if (storm < 0 || storm >= doc.Storms().GetCount()) return std::string(kNoActiveStorms);
  return std::nullopt;
}

void DrawStormAdvisory(CPainter& painter, CMarigoldRouteDoc& doc) {
  const CHurricane& storm = *doc.Storms().GetAt(doc.stormAdvisory.storm);
  const CFixRecord* latest = doc.LatestFix();
  const CFixRecord& start = doc.openedFromFile || !latest ? doc.Departure() : *latest;
  const bool keep = doc.stormAdvisory.keepCourseAndSpeed;
  const CStormAdvisory advisory = ComputeStormAdvisory(storm, doc.Voyage(), start, keep);
  painter.SetFont(kTitle);
  painter.Text({700, -250}, "STORM ADVISORY");
  StormData(painter, storm, advisory.cpa);
  TrackTable(painter, advisory, keep);
  RelativePlot(painter, storm, advisory);
}

}  // namespace marigold
