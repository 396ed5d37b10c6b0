#pragma once
// The voyage schedule: from a start record (the departure record or the
// latest fix), the figures of every leg still to sail and the two times at
// every waypoint, so that the ship arrives at the scheduled time at constant
// rpm or constant groundspeed.
//
// A figure that cannot be computed (no time left before the scheduled
// arrival, no distance to sail, a current that cancels the ship's way) is
// stored as not-a-number, never as an infinite value or a time running
// backwards; texts show it as "NA".
#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "lists/MeteoList.h"
#include "vessel/Vessel2.h"

namespace marigold {

// (last waypoint's scheduled time − start time) × 24; 0 for an empty route.
double HoursToGo(const CVoyage& route, const CFixRecord& start);

// The schedule from the start record. The vessel's engineSetting and
// steeredCourse are used while the resistance indices are computed and are
// restored afterwards. Sets the route's next waypoint index.
void Calculate(CVoyage& route, CVessel2& vessel, const CFixRecord& start);

// Waypoints that use average weather take the nearest meteo record's
// average for the season of their scheduled time, or its latest observation
// when the route's weather source is present weather.
void FillWeather(CVoyage& route, const CMeteoList& meteo);

// With two or more waypoints: the first waypoint's name, position, UTC
// difference and times with the second waypoint's ground course, groundspeed
// and engine rpm. Otherwise the latest fix's name, position, UTC difference
// and times (nothing changes without a fix). Times are copied unchanged.
const CFixRecord& RebuildDeparture(CFixRecord& departure, const CVoyage& route, const CFixRecord* latestFix);

// Sums over the legs to go, after a Calculate from the same start.
struct CScheduleTotals {
  double logDistance;
  double fuel;  // mT
  double revolutions;
  double weatherLogDistance;
  double averageResistance;  // resistance index weighted by the hours of each leg
};
CScheduleTotals TotalsFrom(CVoyage& route, const CVessel2& vessel, const CFixRecord& start);
double TotalFuelFrom(CVoyage& route, const CVessel2& vessel, const CFixRecord& start);
// The average resistance index alone (the ETA tool's weather correction);
// past the scheduled arrival, weighted by the distance of the legs to go.
double AverageResistanceFrom(CVoyage& route, const CFixRecord& start);

// The whole route, independent of any start: distance, hours from the first
// waypoint's estimated time to the last one's scheduled time, and the speed
// (0 unless the duration is positive). A negative duration is not-a-number.
struct CRouteTotals {
  double distance;
  double duration;
  double averageSpeed;
};
CRouteTotals RouteTotals(const CVoyage& route);

}  // namespace marigold
