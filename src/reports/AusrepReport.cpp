#include "reports/AusrepReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

std::string Identity(const CVessel2& vessel) {
  return "A/" + vessel.name + "/" + vessel.callSign + "/" + vessel.imoNumber + "//";
}

}  // namespace

std::string AusrepPositionReport(const CVessel2& vessel, const CFixRecord& fix) {
  std::string text;
  AddReportLine(text, "AUSREP/PR//");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "B/" + fix.ReportDateTimeGroup(ETimeSlot::Time) + "/");
  AddReportLine(text, "C/" + ReportPosition(fix) + "/");
  AddReportLine(text, "E/" + ReportCourse(fix.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(fix.groundspeed) + "/");
  AddReportLine(text, "N/{PLEASE STATE DATE TIME NEXT REPORT HERE}//");
  return text;
}

std::string AusrepFinalReport(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& destination = Destination(route);
  const std::string arrival = destination.ReportDateTimeGroup(ETimeSlot::TimeA);
  std::string text;
  AddReportLine(text, "AUSREP/FR//");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "K/" + arrival + ReportPosition(destination) + arrival + "/");
  AddReportLine(text, "X/NONE//");
  return text;
}

}  // namespace marigold
