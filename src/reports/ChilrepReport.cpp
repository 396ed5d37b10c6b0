#include "reports/ChilrepReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {

std::string ChilrepSailingPlan(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& departure = Departure(route);
  const CWaypoint& destination = Destination(route);
  std::string text;
  AddReportLine(text, "CHILREP/SP//");
  AddReportLine(text, ReportIdentity(vessel));
  AddReportLine(text, "F/" + ReportSpeedTenths(FirstLeg(route).keptGroundspeed) + "/");
  AddReportLine(text, "G/" + departure.GetName() + "/" + ReportPosition(departure) + "/");
  AddReportLine(text,
                "H/" + departure.ReportDateTimeGroupWithMonth(ETimeSlot::TimeA) + ReportPosition(departure) + "/");
  AddReportLine(text, "I/" + destination.GetName() + "/" + ReportPosition(destination) +
                          destination.ReportDateTimeGroupWithMonth(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "J/{PLEASE STATE WHETHER PILOT IS CARRIED ONBOARD}//");
  AddReportLine(text, "K/" + destination.ReportDateTimeGroup(ETimeSlot::TimeA) + ReportPosition(destination) + "/");
  // CHILREP route lines always say rhumb line, whatever the leg's method.
  for (int i = 1; i < route.GetCount(); ++i)
    AddReportLine(text, "L/RL/" + ReportPosition(ReportWaypoint(route, i)) + "/");
  AddReportLine(text, "M/INMARSAT//");
  AddReportLine(text, "N/{PLEASE STATE DAILY REPORTING TIME}//");
  AddReportLine(text, "V/NONE//");
  AddReportLine(text, "X/NONE//");
  return text;
}

std::string ChilrepPositionReport(const CVessel2& vessel, const CFixRecord& fix) {
  std::string text;
  AddReportLine(text, "CHILREP/PR//");
  AddReportLine(text, ReportIdentity(vessel));
  AddReportLine(text, "B/" + fix.ReportDateTimeGroup(ETimeSlot::Time) + "/");
  AddReportLine(text, "C/" + ReportPosition(fix) + "/");
  AddReportLine(text, "E/" + ReportCourse(fix.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(fix.groundspeed) + "/");
  AddReportLine(text, "X/NONE//");
  return text;
}

std::string ChilrepFinalReport(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& destination = Destination(route);
  std::string text;
  AddReportLine(text, "CHILREP/FR//");
  AddReportLine(text, ReportIdentity(vessel));
  AddReportLine(text,
                "K/" + destination.ReportDateTimeGroup(ETimeSlot::TimeA) + "/" + ReportPosition(destination) + "/");
  AddReportLine(text, "X/Final Report//");
  return text;
}

}  // namespace marigold
