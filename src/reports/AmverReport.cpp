#include "reports/AmverReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

std::string Identity(const CVessel2& vessel) { return "A/" + vessel.name + "/" + vessel.callSign + "//"; }

std::string Destined(const CVoyage& route) {
  const CWaypoint& destination = Destination(route);
  return "I/" + destination.GetName() + "/" + ReportPosition(destination) + "/";
}

}  // namespace

std::string AmverSailingPlan(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& departure = Departure(route);
  const CWaypoint& firstLeg = FirstLeg(route);
  std::string text;
  AddReportLine(text, "AMVER/SP//");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "B/" + departure.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "E/" + ReportCourse(firstLeg.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(firstLeg.keptGroundspeed) + "/");
  AddReportLine(text, "G/" + departure.GetName() + "/" + ReportPosition(departure) + "/");
  AddReportLine(text, Destined(route));
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
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "B/" + fix.ReportDateTimeGroup(ETimeSlot::Time) + "/");
  AddReportLine(text, "C/" + ReportPosition(fix) + "/");
  AddReportLine(text, "E/" + ReportCourse(fix.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(fix.groundspeed) + "/");
  AddReportLine(text, Destined(route));
  AddReportLine(text, "Z/EOR//");
  return text;
}

std::string AmverArrivalReport(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& destination = Destination(route);
  std::string text;
  AddReportLine(text, "AMVER/FR//");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "K/" + destination.GetName() + "/" + ReportPosition(destination) +
                          destination.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "Z/EOR//");
  return text;
}

}  // namespace marigold
