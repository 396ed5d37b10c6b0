#include "reports/ReportFields.h"

#include <cmath>

#include "core/TextFormat.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

// Truncated toward zero; a figure that is not a number, or too large for an
// int, must not reach a cast whose result would be undefined.
int Whole(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e9) return 0;
  return static_cast<int>(value);
}

}  // namespace

std::string ReportPosition(const CPosition2& p) { return p.ReportLatitude() + p.ReportLongitude(); }

std::string ReportCourse(double degrees) { return Format("%03d/", Whole(degrees)); }

std::string ReportSpeedTenths(double knots) {
  const int tenths = Whole(knots * 10);
  return Format(tenths >= 0 && tenths < 100 ? "0%d/" : "%d/", tenths);
}

std::string ReportSpeedKnots(double knots) { return Format("%2.0f/", knots); }

std::string ReportSailingMethod(const CWaypoint& w) { return w.greatCircle ? "GC/" : "RL/"; }

void AddReportLine(std::string& text, std::string_view line) {
  text += line;
  text += "\r\n";
}

std::string ReportIdentity(const CVessel2& vessel) { return "A/" + vessel.name + "/" + vessel.callSign + "//"; }

void AddDepartureLines(std::string& text, const CVoyage& route) {
  const CWaypoint& departure = Departure(route);
  const CWaypoint& firstLeg = FirstLeg(route);
  AddReportLine(text, "B/" + departure.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "E/" + ReportCourse(firstLeg.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(firstLeg.keptGroundspeed) + "/");
  AddReportLine(text, "G/" + departure.GetName() + "/" + ReportPosition(departure) + "/");
}

std::string ReportDestination(const CVoyage& route) {
  const CWaypoint& destination = Destination(route);
  return "I/" + destination.GetName() + "/" + ReportPosition(destination) + "/";
}

}  // namespace marigold
