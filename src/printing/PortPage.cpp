#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "printing/SinglePages.h"
#include "tools/TideCalculation.h"
#include "tools/TideCurve.h"

namespace marigold {
namespace {

const CPrintFont kNormal{kPrintFace, 32, 400, 0};
const CPrintFont kBold{kPrintFace, 32, 700, 0};

struct CLabelled {
  const char* label;
  std::string value;
};

// A boxed section: its bold label in a box of its own at the top left,
// then label and value pairs in two columns, 50 units apart.
void DrawSection(CPainter& painter, int top, const char* title, const std::vector<CLabelled>& left,
                 const std::vector<CLabelled>& right) {
  painter.SetPen({EPenStyle::Solid, 2, kBlack});
  painter.SetBrush({});
  painter.Rectangle({50, top}, {1950, top - 500});
  painter.Rectangle({50, top}, {600, top - 70});
  painter.SetFont(kBold);
  painter.Text({100, top - 20}, title);
  painter.SetFont(kNormal);
  const auto column = [&painter, top](const std::vector<CLabelled>& lines, int labelX, int valueX) {
    int y = top - 120;
    for (const CLabelled& line : lines) {
      painter.Text({labelX, y}, line.label);
      painter.Text({valueX, y}, line.value);
      y -= 50;
    }
  };
  column(left, 100, 500);
  column(right, 1000, 1300);
}

}  // namespace

void DrawPortPage(CPainter& painter, const CPortInfo& port) {
  DrawTitleBox(painter);
  painter.SetFont(kBold);
  painter.Text({700, -250}, port.GetName());
  DrawSection(painter, -400, "PORT INFO",
              {{"LAT", port.LatitudeText()},
               {"LON", port.LongitudeText()},
               {"Local Time", FormatFigure("UTC %#2.1f hrs", port.GetUtcDifference())}},
              {{"Country", port.country},
               {"Max Draft", FormatFigure("%#3.2f mtr", port.maxDraft)},
               {"Max AirDraft", FormatFigure("%#3.2f mtr", port.maxAirDraft)},
               {"Salinity", FormatFigure("%#4.4f", port.salinity)}});
  const bool starboard = port.ladderSide == CPortInfo::kStarboard;
  const bool hours = port.callPilotUnit == CPortInfo::kHours;
  DrawSection(painter, -1000, "PILOT",
              // Hours and minutes of the pilot's ETA (not the month).
              {{"ETA", FormatTime("%H %M LT", LocalFieldsOf(port.pilotEta))},
               {"Name", port.pilotStation},
               {"Channel", port.vhfChannels}},
              {{"", Format(starboard ? "Pilotladder SB at %s mtr above water" : "Pilotladder PS at %s mtr above water",
                           port.ladderHeight.c_str())},
               {"", Format(hours ? "Call Pilot %s hours in advance" : "Call Pilot %s nM before pilotstation",
                           port.callPilotAmount.c_str())}});
  DrawSection(painter, -1600, "AGENT",
              {{"Name", port.agentName}, {"Phone", port.agentTelephone}, {"Email", port.agentEmail}}, {});
}

void DrawTidePage(CPainter& painter, const CPortInfo& port) {
  DrawTitleBox(painter);
  painter.SetFont(kBold);
  painter.Text({100, -250}, "Tide " + port.GetName() + "  " + TideDateText(port.tide));
  // The curve's own frame: 200 units a metre above chart datum at y -2000,
  // 81.25 units an hour from x 50.
  const auto marks = TideHourMarks();
  painter.SetFont({kPrintFace, 28, 400, 0});
  painter.SetPen({EPenStyle::Solid, 1, kBlack});
  for (int metres = 0; metres <= 7; ++metres) {
    const int y = metres * 200 - 2000;
    painter.Line({50, y}, {2000, y});
    painter.Text({100, y + 35}, Format("%d mtr", metres));
  }
  for (std::size_t i = 0; i < marks.size(); ++i) {
    painter.Line({marks[i], -600}, {marks[i], -2000});
    painter.Text({marks[i] - 10, -2005}, Format("%d", static_cast<int>(i) + 1));
  }
  std::vector<CPagePoint> curve;
  for (const CTidePoint& p : TideCurve(port.tide)) curve.push_back({p.x, p.y});
  painter.SetPen({EPenStyle::Solid, 2, kBlue});
  painter.Polyline(curve);
}

}  // namespace marigold
