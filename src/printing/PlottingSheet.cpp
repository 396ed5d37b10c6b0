#include "printing/PlottingSheet.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/CivilTime.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

// Between the header box and the footer.
constexpr CPagePoint kSheetTopLeft{50, -200};
constexpr CPagePoint kSheetBottomRight{1950, -2590};
constexpr int kGridSteps = 10;  // degrees each way from the centre
constexpr int kSymbol = 15;     // half the size of a plotted symbol
constexpr double kArrowPerKnot = 5;

const CPrintFont kSheetFont{kPrintFace, 32, 400, 0};
const CPrintFont kLabelFont{kPrintFace, 24, 400, 0};
constexpr int kLabelCharWidth = 11;  // at most, in the label font
const CPen kRedSymbol{EPenStyle::Solid, 2, kRed};
const CPen kRedDashed{EPenStyle::Dashed, 1, kRed};

bool OnSheet(CPagePoint p) {
  return p.x >= kSheetTopLeft.x && p.x <= kSheetBottomRight.x && p.y <= kSheetTopLeft.y && p.y >= kSheetBottomRight.y;
}

class CSheetPlotter {
 public:
  CSheetPlotter(CPainter& painter, const CSheetGeometry& sheet) : painter_(painter), sheet_(sheet) {}

  std::optional<CPagePoint> At(const CPosition2& p) const { return At(p.GetLatitude(), p.GetLongitude()); }
  std::optional<CPagePoint> At(double latitude, double longitude) const { return Project(sheet_, latitude, longitude); }

  // The visible part of a segment between two projected points.
  void Segment(std::optional<CPagePoint> from, std::optional<CPagePoint> to) {
    if (!from || !to) return;
    if (const auto clipped = ClipSegment(*from, *to, kSheetTopLeft, kSheetBottomRight))
      painter_.Line(clipped->first, clipped->second);
  }
  void Circle(std::optional<CPagePoint> at, int radius) {
    if (at && OnSheet(*at)) painter_.Ellipse({at->x - radius, at->y + radius}, {at->x + radius, at->y - radius});
  }
  void Square(std::optional<CPagePoint> at) {
    if (at && OnSheet(*at)) painter_.Rectangle({at->x - kSymbol, at->y + kSymbol}, {at->x + kSymbol, at->y - kSymbol});
  }
  void Cross(std::optional<CPagePoint> at, int arm) {
    if (!at || !OnSheet(*at)) return;
    painter_.Line({at->x - arm, at->y}, {at->x + arm, at->y});
    painter_.Line({at->x, at->y - arm}, {at->x, at->y + arm});
  }
  void Label(std::optional<CPagePoint> at, const std::string& text) {
    if (at && OnSheet(*at)) painter_.Text({at->x + 20, at->y - 5}, text);
  }
  // A grid label where it does not run into one already written: on a
  // small-scale sheet the grid points lie closer than their labels are long.
  void GridLabel(std::optional<CPagePoint> at, const std::string& text) {
    if (!at || !OnSheet(*at)) return;
    const int width = static_cast<int>(text.size()) * kLabelCharWidth;
    for (const CPagePoint& other : gridLabels_)
      if (std::abs(other.x - at->x) < width + 20 && std::abs(other.y - at->y) < kLabelFont.height + 10) return;
    gridLabels_.push_back(*at);
    Label(at, text);
  }
  // An arrow from the point in the direction (degrees true) the vector
  // points, kArrowPerKnot units a knot.
  void Arrow(std::optional<CPagePoint> at, double direction, double knots) {
    if (!at || !OnSheet(*at) || !(knots > 0)) return;
    const double r = direction * kRoughRadiansPerDegree;
    const double length = knots * kArrowPerKnot;
    const CPagePoint tip{at->x + static_cast<int>(length * std::sin(r)),
                         at->y + static_cast<int>(length * std::cos(r))};
    Segment(at, tip);
    for (const double side : {150.0, -150.0}) {
      const double b = (direction + side) * kRoughRadiansPerDegree;
      Segment(tip, CPagePoint{tip.x + static_cast<int>(15 * std::sin(b)), tip.y + static_cast<int>(15 * std::cos(b))});
    }
  }

  CPainter& painter_;

 private:
  const CSheetGeometry& sheet_;
  std::vector<CPagePoint> gridLabels_;
};

const char* ProjectionName(EProjection projection) {
  switch (projection) {
    case EProjection::Mercator: return "Mercator";
    case EProjection::Gnomonic: return "Gnonomic";
    case EProjection::Polar: return "Polair";
  }
  return "";
}

void DrawGrid(CSheetPlotter& plot, const CSheetGeometry& sheet) {
  CPainter& painter = plot.painter_;
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetFont(kLabelFont);
  const int lat0 = static_cast<int>(std::floor(sheet.centreLatitude));
  const int lon0 = static_cast<int>(std::floor(sheet.centreLongitude));
  std::vector<std::optional<CPagePoint>> previousParallel;
  for (int i = -kGridSteps; i <= kGridSteps; ++i) {
    const double latitude = lat0 + i;
    if (std::fabs(latitude) > 90) continue;
    std::vector<std::optional<CPagePoint>> parallel;
    for (int j = -kGridSteps; j <= kGridSteps; ++j) {
      const double longitude = lon0 + j;
      const auto point = plot.At(latitude, longitude);
      plot.Cross(point, 10);
      if (!parallel.empty()) plot.Segment(parallel.back(), point);
      // The meridians too: a grid the officer can plot by.
      if (!previousParallel.empty()) plot.Segment(previousParallel[parallel.size()], point);
      plot.GridLabel(point, Format("Lat %2.2f deg Lon %3.2f deg", latitude, longitude));
      parallel.push_back(point);
    }
    previousParallel = std::move(parallel);
  }
}

void DrawTitleBlock(CPainter& painter, const CSheetGeometry& sheet) {
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetBrush({.style = EBrushStyle::Solid, .colour = {255, 255, 255}});
  painter.Rectangle({1300, -200}, {1900, -380});
  painter.SetBrush({});
  painter.SetFont(kSheetFont);
  CPosition2 centre;
  centre.SetLatitude(sheet.centreLatitude);
  centre.SetLongitude(sheet.centreLongitude);
  painter.Text({1350, -210}, "Plottingsheet");
  painter.Text({1600, -210}, ProjectionName(sheet.projection));
  painter.Text({1350, -250}, "Scale");
  painter.Text({1600, -250}, Format("1 : %8.0f", sheet.scale));
  painter.Text({1350, -290}, "Center at");
  painter.Text({1600, -290}, centre.LatitudeText());
  painter.Text({1600, -330}, centre.LongitudeText());
}

void DrawStorms(CSheetPlotter& plot, CMarigoldRouteDoc& doc, double now) {
  CPainter& painter = plot.painter_;
  for (const auto& record : doc.Storms()) {
    const auto& storm = static_cast<const CHurricane&>(*record);
    const auto at = plot.At(storm);
    painter.SetPen(kRedSymbol);
    painter.SetBrush({EBrushStyle::Hatched, kRed});
    plot.Circle(at, 30);
    painter.SetBrush({});
    plot.Label(at, storm.GetName());
    CPosition2 dr;
    storm.PositionAt(now, dr);
    const auto drAt = plot.At(dr);
    painter.SetPen({EPenStyle::Dashed, 2, kRed});
    plot.Segment(at, drAt);
    plot.Cross(drAt, 10);
    plot.Label(drAt, FormatTime("DR %d %b %Y  %H:%M UTC", CivilTimeOf(now)));
  }
}

// A track of named positions: each marked by its symbol and name and joined
// to the one before it.
void DrawTrack(CSheetPlotter& plot, const CPositionList& positions, const CPen& line, const CPen& symbol,
               bool circles) {
  CPainter& painter = plot.painter_;
  std::optional<CPagePoint> previous;
  bool first = true;
  for (const auto& record : positions) {
    const auto at = plot.At(*record);
    if (!first) {
      painter.SetPen(line);
      plot.Segment(previous, at);
    }
    painter.SetPen(symbol);
    if (circles)
      plot.Circle(at, kSymbol);
    else
      plot.Square(at);
    plot.Label(at, record->GetName());
    previous = at;
    first = false;
  }
}

// The average of the season the sheet is printed in, or the latest
// observation.
void DrawWeather(CSheetPlotter& plot, CMarigoldRouteDoc& doc, bool average, int month) {
  if (doc.Meteo().GetCount() < 2) return;
  plot.painter_.SetPen({EPenStyle::Solid, 2, kGreen});
  for (const auto& record : doc.Meteo()) {
    const auto& meteo = static_cast<const CMeteoRecord&>(*record);
    const CWeatherData& weather = average ? meteo.SeasonData(month) : meteo.latest;
    const auto at = plot.At(meteo);
    plot.Circle(at, kSymbol);
    // Wind blows from its direction; the current sets towards its own.
    plot.Arrow(at, weather.windDirection + 180, weather.windSpeed);
    plot.Arrow(at, weather.currentSet, weather.currentRate * 4);
  }
}

void DrawReportingPoints(CSheetPlotter& plot, CMarigoldRouteDoc& doc) {
  plot.painter_.SetPen({EPenStyle::Solid, 2, kBlack});
  for (const auto& record : doc.ReportingPoints()) {
    const auto at = plot.At(*record);
    plot.Cross(at, kSymbol);
    plot.Label(at, record->GetName());
  }
}

void DrawWarnings(CSheetPlotter& plot, CMarigoldRouteDoc& doc) {
  for (const auto& record : doc.Warnings()) {
    const auto& warning = static_cast<const CNavWarning&>(*record);
    plot.painter_.SetPen(kRedDashed);
    std::optional<CPagePoint> previous;
    std::optional<CPagePoint> first;
    for (int i = 0; i < warning.GetAreaPointCount(); ++i) {
      const auto at = plot.At(*warning.AreaPoints().GetAt(i));
      if (i > 0) plot.Segment(previous, at);
      if (i == 0) first = at;
      previous = at;
    }
    if (warning.areaKind == CNavWarning::kNoGoArea && warning.GetAreaPointCount() > 2) plot.Segment(previous, first);
    plot.painter_.SetPen({EPenStyle::Solid, 2, kRed});
    const auto at = plot.At(warning);
    plot.Cross(at, kSymbol);
    plot.Label(at, warning.GetName());
  }
}

}  // namespace

CSheetGeometry SheetGeometry(CMarigoldRouteDoc& doc) {
  const CPlottingSheetSettings& s = doc.plottingSheet;
  CSheetGeometry sheet{0, 0, s.projection, s.scaleLatitude, s.scale};
  const CPosition2* fallback = doc.LatestFix();
  if (!fallback) fallback = doc.Voyage().GetHead();
  if (fallback) {
    sheet.centreLatitude = fallback->GetLatitude();
    sheet.centreLongitude = fallback->GetLongitude();
  }
  if (s.centreLatitude) sheet.centreLatitude = *s.centreLatitude;
  if (s.centreLongitude) sheet.centreLongitude = *s.centreLongitude;
  return sheet;
}

std::optional<std::string> CheckSheet(const CSheetGeometry& sheet) {
  if (!std::isfinite(sheet.scale) || sheet.scale <= 0) return std::string(kScaleRefused);
  return std::nullopt;
}

void DrawPlottingSheet(CPainter& painter, CMarigoldRouteDoc& doc, const CSheetGeometry& sheet, std::time_t now) {
  CSheetPlotter plot(painter, sheet);
  DrawGrid(plot, sheet);
  const CPlottingSheetSettings& objects = doc.plottingSheet;
  painter.SetFont(kLabelFont);
  const double today = CNavigation().ToDayNumber(now);
  if (objects.storms) DrawStorms(plot, doc, today);
  if (objects.fixes) DrawTrack(plot, doc.Fixes(), kRedDashed, kRedSymbol, true);
  if (objects.waypoints && doc.Voyage().GetCount() >= 2)
    DrawTrack(plot, doc.Voyage(), {EPenStyle::Solid, 3, kBlue}, {EPenStyle::Solid, 2, kBlue}, false);
  if (objects.averageWeather || objects.latestWeather)
    DrawWeather(plot, doc, objects.averageWeather, CivilTimeOf(today).month);
  if (objects.reportingPoints) DrawReportingPoints(plot, doc);
  if (objects.warnings) DrawWarnings(plot, doc);
  DrawTitleBlock(painter, sheet);
}

}  // namespace marigold
