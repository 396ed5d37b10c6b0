#include "reports/JasrepReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

// The course of the leg ending at the waypoint and of the leg after it. With
// no leg after it (the last waypoint) the last leg's course is repeated.
std::string CoursesFrom(const CVoyage& route, int index) {
  return "M/" + ReportCourse(ReportWaypoint(route, index).groundCourse) +
         ReportCourse(ReportWaypoint(route, index + 1).groundCourse) + "/";
}

void AddFixLines(std::string& text, const CFixRecord& fix) {
  AddReportLine(text, "B/" + fix.ReportDateTimeGroup(ETimeSlot::Time) + "/");
  AddReportLine(text, "C/" + ReportPosition(fix) + "/");
}

}  // namespace

std::string JasrepSailingPlan(const CVoyage& route, const CVessel2& vessel) {
  std::string text;
  AddReportLine(text, "JASREP/SP//");
  AddReportLine(text, ReportIdentity(vessel));
  AddDepartureLines(text, route);
  AddReportLine(text, ReportDestination(route));
  for (int i = 1; i < route.GetCount(); ++i) {
    const CWaypoint& w = ReportWaypoint(route, i);
    AddReportLine(text, "L/" + ReportSailingMethod(w) + ReportSpeedTenths(w.keptGroundspeed) + ReportPosition(w) +
                            w.ReportDateTimeGroup(ETimeSlot::TimeA) + w.GetName() + "//");
  }
  AddReportLine(text, CoursesFrom(route, 1));
  AddReportLine(text, "V/NONE//");
  AddReportLine(text, "X/NONE//");
  AddReportLine(text, "Y/AMVER//");
  return text;
}

std::string JasrepPositionReport(CVoyage& route, const CVessel2& vessel, const CFixRecord& fix) {
  const CWaypoint* next = route.NextWaypoint(fix);
  std::string text;
  AddReportLine(text, "JASREP/PR//");
  AddReportLine(text, ReportIdentity(vessel));
  AddFixLines(text, fix);
  AddReportLine(text, "E/" + ReportCourse(fix.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(fix.groundspeed) + "/");
  AddReportLine(text, CoursesFrom(route, next ? route.IndexOf(next) : 0));
  AddReportLine(text, "X/NONE//");
  AddReportLine(text, "Y/AMVER//");
  return text;
}

std::string JasrepFinalReport(const CVessel2& vessel, const CFixRecord& fix) {
  std::string text;
  AddReportLine(text, "JASREP/FR//");
  AddReportLine(text, ReportIdentity(vessel));
  AddFixLines(text, fix);
  AddReportLine(text, "X/FINAL REPORT//");
  AddReportLine(text, "Y/AMVER//");
  return text;
}

}  // namespace marigold
