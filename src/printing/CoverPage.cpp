#include <cmath>
#include <cstring>

#include "core/CivilTime.h"
#include "core/TextFormat.h"
#include "printing/SinglePages.h"
#include "voyage/ListViewRows.h"
#include "voyage/Schedule.h"

namespace marigold {
namespace {

const CPrintFont kNormal{kPrintFace, 32, 400, 0};
const CPrintFont kLarge{kPrintFace, 80, 400, 0};
const CPrintFont kLargeBold{kPrintFace, 80, 700, 0};

std::string LongLocalTime(const CPosition2& p, ETimeSlot slot) {
  return listview::LocalTimeText("%A %d %b %Y  %H:%M LT", p, slot);
}

// The vessel's name usually carries its prefix already ("mv Marlinspike").
std::string ShipTitle(const std::string& name) {
  if (name.size() > 3 && (name.compare(0, 3, "mv ") == 0 || name.compare(0, 3, "MV ") == 0)) return name;
  return "mv " + name;
}

}  // namespace

void DrawTitleBox(CPainter& painter) {
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetBrush({});
  painter.Rectangle({50, -50}, {1950, -200});
}

void DrawCoverPage(CPainter& painter, CMarigoldRouteDoc& doc) {
  CVoyage& route = doc.Voyage();
  CFixRecord start = doc.Departure();
  Calculate(route, doc.Vessel(), start);
  DrawTitleBox(painter);
  painter.SetFont(kLargeBold);
  painter.Text({400, -500}, "VOYAGE PLAN");
  painter.SetFont(kLarge);
  painter.Text({1000, -900}, ShipTitle(doc.Vessel().name));
  painter.Text({1000, -1000}, "voyage " + route.voyageNumber);
  painter.SetFont(kNormal);
  const CWaypoint* first = route.GetHead();
  const CWaypoint* last = route.GetTail();
  if (first && last) {
    painter.Text({400, -1250}, "BSV " + LongLocalTime(*first, ETimeSlot::TimeA));
    painter.Text({1000, -1250}, first->GetName());
    painter.Text({1000, -1300}, "LAT " + first->LatitudeText());
    painter.Text({1000, -1350}, "LON " + first->LongitudeText());
    painter.Text({400, -1550}, "ETA " + LongLocalTime(*last, ETimeSlot::TimeB));
    painter.Text({1000, -1550}, last->GetName());
    painter.Text({1000, -1600}, "LAT " + last->LatitudeText());
    painter.Text({1000, -1650}, "LON " + last->LongitudeText());
  }
  const CRouteTotals totals = RouteTotals(route);
  const struct {
    int y;
    const char* label;
    std::string value;
  } kTotals[] = {
      {-1950, "Total distance", FormatFigure("%#10.1f nM", totals.distance)},
      {-2000, "Voyage duration", FormatFigure("%#10.1f hrs", totals.duration)},
      {-2050, "Average speed", FormatFigure("%#10.1f kts", totals.averageSpeed)},
      {-2100, "Estimated consumption", FormatFigure("%#10.1f mT Fuel", TotalFuelFrom(route, doc.Vessel(), start))},
  };
  for (const auto& line : kTotals) {
    painter.Text({400, line.y}, line.label);
    painter.Text({1000, line.y}, line.value);
  }
}

}  // namespace marigold
