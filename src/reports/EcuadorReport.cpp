#include "reports/EcuadorReport.h"

#include "reports/ReportFields.h"
#include "reports/ReportRoute.h"

namespace marigold {
namespace {

std::string Identity(const CVessel2& vessel) { return vessel.name + "/NL/" + vessel.callSign + "/"; }

// The time of the fix. An entered fix never gets an estimated time (timeA
// stays at the day-number origin), so the fix's own time is the one to send.
std::string FixTimeGroup(const CFixRecord& fix) { return fix.ReportDateTimeGroup(ETimeSlot::Time); }

}  // namespace

std::string EcuadorSailingPlan(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& departure = Departure(route);
  const CWaypoint& firstLeg = FirstLeg(route);
  const CWaypoint& destination = Destination(route);
  return "SP/" + Identity(vessel) + departure.ReportDateTimeGroup(ETimeSlot::TimeA) + destination.GetName() + "/" +
         ReportPosition(departure) + ReportCourse(firstLeg.groundCourse) + ReportSpeedKnots(firstLeg.keptGroundspeed) +
         departure.GetName() + "/" + destination.ReportDateTimeGroup(ETimeSlot::TimeA);
}

std::string EcuadorPositionReport(const CVessel2& vessel, const CFixRecord& fix) {
  return "PR/" + Identity(vessel) + FixTimeGroup(fix) + ReportPosition(fix) + ReportCourse(fix.groundCourse) +
         ReportSpeedKnots(fix.groundspeed);
}

std::string EcuadorFinalReport(const CVoyage& route, const CVessel2& vessel) {
  const CWaypoint& destination = Destination(route);
  const std::string arrival = destination.ReportDateTimeGroup(ETimeSlot::TimeA);
  // The last leg's course and speed are stored on the destination.
  return "FR/" + Identity(vessel) + arrival + Departure(route).GetName() + "/" +
         ReportCourse(destination.groundCourse) + ReportSpeedKnots(destination.keptGroundspeed) +
         destination.GetName() + "/" + arrival;
}

std::string PeruPositionReport(const CVoyage& route, const CVessel2& vessel, const CFixRecord& fix) {
  const CWaypoint& destination = Destination(route);
  // Peru names the call sign before "NL".
  return "PR/" + vessel.name + "/" + vessel.callSign + "/NL/" + FixTimeGroup(fix) + ReportPosition(fix) +
         ReportCourse(fix.groundCourse) + ReportSpeedKnots(fix.groundspeed) + destination.GetName() + "/" +
         destination.ReportDateTimeGroup(ETimeSlot::TimeA);
}

}  // namespace marigold
