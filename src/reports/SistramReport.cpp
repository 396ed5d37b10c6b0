#include "reports/SistramReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

// SISTRAM names the call sign first.
std::string Identity(const CVessel2& vessel) { return "A/" + vessel.callSign + "/" + vessel.name + "/NL/CTR//"; }

}  // namespace

std::string Sistram1(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& departure = Departure(route);
  const CWaypoint& destination = Destination(route);
  std::string text;
  // The heading is dated by the begin of the sea voyage, not by its estimate.
  AddReportLine(text, "SISTRAM/1/" + departure.ReportDateTimeGroupWithMonth(ETimeSlot::Time) + "/");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "B/" + departure.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "G/" + departure.GetName() + "/" + ReportPosition(departure) + "/");
  AddReportLine(text, "I/" + destination.GetName() + "/" + ReportPosition(destination) + "/");
  for (int i = 1; i < route.GetCount(); ++i) {
    const CWaypoint& w = ReportWaypoint(route, i);
    AddReportLine(text, "L/" + ReportSpeedTenths(w.keptGroundspeed) + ReportPosition(w) +
                            w.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  }
  AddReportLine(text, "V/NONE//");
  AddReportLine(text, "M/INMARSAT//");
  AddReportLine(text, "X/NONE//");
  AddReportLine(text, "Y/NONE//");
  return text;
}

std::string Sistram2(const CVessel2& vessel, const CFixRecord& fix) {
  std::string text;
  AddReportLine(text, "SISTRAM/2/" + fix.ReportDateTimeGroupWithMonth(ETimeSlot::Time) + "/");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "B/" + fix.ReportDateTimeGroup(ETimeSlot::Time) + "/");
  AddReportLine(text, "C/" + ReportPosition(fix) + "/");
  AddReportLine(text, "E/" + ReportCourse(fix.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(fix.groundspeed) + "/");
  AddReportLine(text, "M/INMARSAT//");
  AddReportLine(text, "X/NONE//");
  AddReportLine(text, "Y/NONE//");
  return text;
}

std::string Sistram4(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& destination = Destination(route);
  std::string text;
  AddReportLine(text, "SISTRAM/4/" + destination.ReportDateTimeGroupWithMonth(ETimeSlot::TimeA) + "/");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "K/" + destination.GetName() + "/" + ReportPosition(destination) +
                          destination.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "X/NONE//");
  AddReportLine(text, "Y/NONE//");
  return text;
}

}  // namespace marigold
