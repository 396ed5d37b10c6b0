#include "voyage/VoyageStatus.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/CivilTime.h"
#include "core/LocalClock.h"
#include "core/Navigation.h"
#include "core/TextFormat.h"
#include "voyage/Schedule.h"
#include "voyage/VoyageSheet.h"

namespace marigold {
namespace {

const char* Verdict(double madeGood, double legSpeed) {
  if (std::isnan(legSpeed) || legSpeed < 0 || madeGood < legSpeed) return "PROCEEDING TOO SLOW";
  if (madeGood == legSpeed) return "PROCEEDING ON SCHEDULE";
  return "PROCEEDING AHEAD OF SCHEDULE";
}

// Arrival in the destination's local time; "NA" when the ship makes no way.
std::string ArrivalText(const CPosition2& from, const CPosition2& to, bool greatCircle, double speed) {
  if (!(speed > 0)) return "NA";
  const std::time_t arrival = CNavigation().ArrivalTime(from, to, greatCircle, speed);
  if (arrival == -1) return "NA";
  return FormatTime(kStatusTimeFormat, LocalFieldsOf(arrival));
}

// A figure per hour; "NA" unless the hours are positive.
std::string PerHour(const char* format, double value, double hours) {
  return hours > 0 ? FormatFigure(format, value / hours) : std::string("NA");
}

}  // namespace

std::string StatusLine(CVoyage& route, const CFixRecord* latestFix) {
  const double madeGood = latestFix ? latestFix->groundspeed : 0.0;
  std::string line = "Groundspeed " + FormatFigure("%#3.1f", madeGood) + " kts ";
  const CWaypoint* next = (latestFix && route.GetCount() >= 2) ? route.NextWaypoint(*latestFix) : nullptr;
  if (!next) return line + "NO VOYAGE LOADED";
  // Past the scheduled arrival no leg speed keeps the schedule: say by how much.
  const double hoursToGo = HoursToGo(route, *latestFix);
  if (hoursToGo < 0) return line + "LATE BY " + FormatFigure("%#3.1f", -hoursToGo) + " HOURS";
  return line + Verdict(madeGood, next->keptGroundspeed);
}

bool CVoyageStatus::Open(CPrompter& prompter) {
  if (fixes_.IsEmpty()) {
    prompter.Message(kNoFixForStatus, EMessageIcon::Stop);
    return false;
  }
  if (route_.IsEmpty()) prompter.Message(kNoWaypointsForStatus, EMessageIcon::Exclamation);
  view_.fixTexts.clear();
  for (const auto& fix : fixes_)
    view_.fixTexts.push_back(FormatDayNumber(kStatusTimeFormat, fix->GetTime() + fix->GetUtcDifferenceDays()));
  view_.voyageNumber = route_.voyageNumber;
  view_.notes = route_.notes;
  view_.departureEditable = route_.GetCount() >= 2;
  view_.scheduledEtaEditable = !route_.IsEmpty();
  ShowRemaining();
  view_.nextReportingPoint = NextReportingPoint();
  view_.history = History();
  return true;
}

void CVoyageStatus::ShowRemaining() {
  view_.remaining = Remaining();
  view_.scheduledEta = route_.GetArrival(clock_);
  view_.departure = BeginSeavoyage(route_, clock_);
}

void CVoyageStatus::OnScheduledEtaChanged(std::time_t localTime) {
  route_.SetArrival(localTime);
  routeChanged_ = routeChanged_ || !route_.IsEmpty();
  ShowRemaining();
}

void CVoyageStatus::OnDepartureChanged(const CCivilTime& local) {
  SetBeginSeavoyage(local, route_);
  routeChanged_ = routeChanged_ || view_.departureEditable;
  ShowRemaining();
}

void CVoyageStatus::OnVoyageNumberChanged(const std::string& number) {
  if (number == route_.voyageNumber) return;
  route_.voyageNumber = view_.voyageNumber = number;
  routeChanged_ = true;
}

void CVoyageStatus::OnNotesChanged(const std::string& notes) {
  if (notes == route_.notes) return;
  route_.notes = view_.notes = notes;
  routeChanged_ = true;
}

void CVoyageStatus::OnFromChosen(int index) {
  from_ = index;
  view_.history = History();
}

void CVoyageStatus::OnTillChosen(int index) {
  till_ = index;
  view_.history = History();
}

CRemainingVoyage CVoyageStatus::Remaining() {
  CRemainingVoyage r;
  const CFixRecord* latest = fixes_.GetTail();
  if (!latest || route_.IsEmpty()) return r;
  const CFixRecord& fix = *latest;
  Calculate(route_, vessel_, fix);
  r.distanceToGo = FormatFigure("%#5.2f", route_.DistanceToGo(fix));
  r.hoursToGo = FormatFigure("%#5.2f", HoursToGo(route_, fix));
  r.fuel = FormatFigure("%#5.1f", TotalFuelFrom(route_, vessel_, fix));

  const CWaypoint* next = route_.NextWaypoint(fix);
  const CNavigation nav;
  r.legGroundspeed = FormatFigure("%#3.2f", next->keptGroundspeed);
  r.requiredRevs = FormatFigure("%#3.1f", next->engineRpm);
  r.waypointName = next->GetName();
  r.waypointDirection = FormatFigure("%#3.1f", nav.Course(fix, *next, next->greatCircle));
  r.waypointDistance = FormatFigure("%#5.2f", nav.Distance(fix, *next, next->greatCircle));
  r.waypointEta = ArrivalText(fix, *next, next->greatCircle, fix.groundspeed);
  return r;
}

CNextReportingPoint CVoyageStatus::NextReportingPoint() const {
  const CFixRecord* fix = fixes_.GetTail();
  const CReportingPoint* point = fix ? points_.FindNearest(*fix) : nullptr;
  if (!point) return {kNoReportingPoints, {}};
  return {point->GetName(), ArrivalText(*fix, *point, false, fix->groundspeed)};
}

CHistoryFigures CVoyageStatus::History() const {
  if (fixes_.IsEmpty()) return {};
  int from = std::clamp(from_, 0, fixes_.GetCount() - 1);
  int till = std::clamp(till_, 0, fixes_.GetCount() - 1);
  if (from > till) std::swap(from, till);
  const CFixRecord* a = fixes_.GetAt(from);
  const CFixRecord* b = fixes_.GetAt(till);
  const double distance = fixes_.SumDistance(a, b);
  const double hours = (b->GetTime() - a->GetTime()) * 24;
  return {FormatFigure("%#5.2f", distance), PerHour("%#3.2f", distance, hours),
          PerHour("%#3.2f", LogDistance(*a, *b), hours)};
}

}  // namespace marigold
