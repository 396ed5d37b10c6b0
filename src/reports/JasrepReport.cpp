#include "reports/JasrepReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

std::string Identity(const CVessel2& vessel) { return "A/" + vessel.name + "/" + vessel.callSign + "//"; }

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
  const CWaypoint& departure = Departure(route);
  const CWaypoint& firstLeg = FirstLeg(route);
  const CWaypoint& destination = Destination(route);
  std::string text;
  AddReportLine(text, "JASREP/SP//");
  AddReportLine(text, Identity(vessel));
  AddReportLine(text, "B/" + departure.ReportDateTimeGroup(ETimeSlot::TimeA) + "/");
  AddReportLine(text, "E/" + ReportCourse(firstLeg.groundCourse) + "/");
  AddReportLine(text, "F/" + ReportSpeedTenths(firstLeg.keptGroundspeed) + "/");
  AddReportLine(text, "G/" + departure.GetName() + "/" + ReportPosition(departure) + "/");
  AddReportLine(text, "I/" + destination.GetName() + "/" + ReportPosition(destination) + "/");
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
  AddReportLine(text, Identity(vessel));
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
  AddReportLine(text, Identity(vessel));
  AddFixLines(text, fix);
  AddReportLine(text, "X/FINAL REPORT//");
  AddReportLine(text, "Y/AMVER//");
  return text;
}

}  // namespace marigold
