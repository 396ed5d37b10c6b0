// Sums over the legs to go and over the whole route.
#include <cstddef>
#include <vector>

#include "voyage/Schedule.h"
#include "voyage/ScheduleMath.h"

namespace marigold {

using schedule::LegHours;
using schedule::PerHour;
using schedule::Ratio;

namespace {

// Fuel of each leg to go at its rpm for the scheduled hours of the leg.
double FuelOfLegs(const std::vector<CWaypoint*>& waypoints, std::size_t first, const CVessel2& vessel,
                  const CFixRecord& start) {
  double fuel = 0;
  double previous = start.GetTime();
  for (std::size_t k = first; k < waypoints.size(); ++k) {
    const CWaypoint& w = *waypoints[k];
    fuel += vessel.FuelConsumption(w.engineRpm, (w.GetTimeB() - previous) * 24);
    previous = w.GetTimeB();
  }
  return fuel;
}

std::size_t FirstLegToGo(CVoyage& route, const CFixRecord& start) {
  route.NextWaypoint(start);
  return static_cast<std::size_t>(route.nextWaypointIndex);
}

// Σ leg hours × resistance index over the legs to go, per hour to go.
double AverageResistance(const std::vector<CWaypoint*>& waypoints, std::size_t first, double hoursToGo) {
  double weighted = 0;
  for (std::size_t k = first; k < waypoints.size(); ++k) {
    const CWaypoint& w = *waypoints[k];
    weighted += LegHours(w.legDistance, w.keptGroundspeed) * w.resistanceIndex;
  }
  return PerHour(weighted, hoursToGo);
}

}  // namespace

CScheduleTotals TotalsFrom(CVoyage& route, const CVessel2& vessel, const CFixRecord& start) {
  CScheduleTotals totals{0, 0, 0, 0, 0};
  if (route.IsEmpty()) return totals;
  const std::size_t first = FirstLegToGo(route, start);
  const std::vector<CWaypoint*> waypoints = schedule::WaypointsOf(route);
  for (std::size_t k = first; k < waypoints.size(); ++k) {
    const CWaypoint& w = *waypoints[k];
    totals.logDistance += w.logDistance;
    totals.revolutions += w.legRevolutions;
    totals.weatherLogDistance += w.legWeatherLogDistance;
  }
  totals.averageResistance = AverageResistance(waypoints, first, HoursToGo(route, start));
  totals.fuel = FuelOfLegs(waypoints, first, vessel, start);
  return totals;
}

double TotalFuelFrom(CVoyage& route, const CVessel2& vessel, const CFixRecord& start) {
  if (route.IsEmpty()) return 0;
  const std::size_t first = FirstLegToGo(route, start);
  return FuelOfLegs(schedule::WaypointsOf(route), first, vessel, start);
}

double AverageResistanceFrom(CVoyage& route, const CFixRecord& start) {
  if (route.IsEmpty()) return 0;
  const std::size_t first = FirstLegToGo(route, start);
  const std::vector<CWaypoint*> waypoints = schedule::WaypointsOf(route);
  const double hoursToGo = HoursToGo(route, start);
  if (hoursToGo > 0) return AverageResistance(waypoints, first, hoursToGo);
  // Past the scheduled arrival there are no hours to share out; the legs
  // still to sail are weighed by their distance instead, so that the ETA
  // tool still answers for a ship that is late.
  double weighted = 0;
  double distance = 0;
  for (std::size_t k = first; k < waypoints.size(); ++k) {
    weighted += waypoints[k]->legDistance * waypoints[k]->resistanceIndex;
    distance += waypoints[k]->legDistance;
  }
  return distance > 0 ? weighted / distance : 0;
}

CRouteTotals RouteTotals(const CVoyage& route) {
  CRouteTotals totals{route.TotalDistance(), route.TotalDuration(), 0};
  if (totals.duration < 0) totals.duration = schedule::kNaN;
  if (totals.duration > 0) totals.averageSpeed = Ratio(totals.distance, totals.duration);
  return totals;
}

}  // namespace marigold
