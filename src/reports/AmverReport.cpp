#include "reports/AmverReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {

std::string AmverSailingPlan(const CVoyage& route, const CVessel2& vessel) {
  std::string text;
  AddReportLine(text, "AMVER/SP//");
  AddReportLine(text, ReportIdentity(vessel));
  AddDepartureLines(text, route);
  AddReportLine(text, ReportDestination(route));
  for (int i = 1; i < route.GetCount(); ++i) {
    const CWaypoint& w = ReportWaypoint(route, i);
    AddReportLine(text, "L/" + ReportSailingMethod(w) + ReportSpeedTenths(w.keptGroundspeed) + ReportPosition(w) +
                            w.GetName() + "/" + w.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  }
  AddReportLine(text, "Z/EOR//");
  return text;
}

std::string AmverPositionReport(const CVoyage& route, const CVessel2& vessel, const CFixRecord& fix) {
  std::string text;
  AddReportLine(text, "AMVER/PR//");
  AddReportLine(text, ReportIdentity(vessel));
  AddReportLine(text, "B/" + fix.ReportDateTimeGroup(ETimeSlot::Time) + "/");
  AddReportLine(text, "C/" + ReportPosition(fix) + "/");
  AddReportLine(text, "E/" + ReportCourse(fix.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(fix.groundspeed) + "/");
  AddReportLine(text, ReportDestination(route));
  AddReportLine(text, "Z/EOR//");
  return text;
}

std::string AmverArrivalReport(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& destination = Destination(route);
  std::string text;
  AddReportLine(text, "AMVER/FR//");
  AddReportLine(text, ReportIdentity(vessel));
  AddReportLine(text, "K/" + destination.GetName() + "/" + ReportPosition(destination) +
                          destination.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "Z/EOR//");
  return text;
}

}  // namespace marigold
