#pragma once
// What the route formats (RTZ, GPX) share: the route as read from a file,
// what a written file says about the route, and longitudes both ways.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/Angles.h"
#include "core/Archive.h"
#include "core/Voyage.h"
#include "exchange/ExchangeRefusal.h"

namespace marigold {

// A route read from a file. Its waypoints carry what the file gives and the
// defaults of a new waypoint for the rest; the leg settings of the first
// waypoint (the leg from the present position) are always the defaults.
struct CImportedRoute {
  std::string name;
  std::string voyageNumber;
  std::vector<CWaypoint> waypoints;
};

// What a file says of the route besides its waypoints.
struct CRouteIdentity {
  std::string routeName;  // the document's title
  std::string vesselName;
  std::string vesselImo;
  std::string voyageNumber;
};

// A whole route or track file; refused when it cannot be read.
CReadResult<CBytes> ReadExchangeFile(const std::string& path);

// Each longitude after the first is moved by whole turns to within 180° of
// the one before it, so that a leg from 170°E to 170°W is 20° long (and the
// second longitude 190°E): the program keeps longitudes unreduced.
template <class Position>
void MakeLongitudesContinuous(std::vector<Position>& positions) {
  for (std::size_t i = 1; i < positions.size(); ++i) {
    const double previous = positions[i - 1].GetLongitude();
    positions[i].SetLongitude(previous + ReducedLongitude(positions[i].GetLongitude() - previous));
  }
}

// Positions as files keep them, to a tenth of a millimetre; longitudes
// reduced to -180 <= x < 180 after rounding, so that 179.9999999999 does
// not come out as 180.
std::string FileLatitudeText(double latitude);
std::string FileLongitudeText(double longitude);
// Speeds and distances, to six places.
std::string FigureText(double value);

// The departure ("Begin Seavoyage", the first waypoint's time) once it has
// been set: a route never given one has day number 0 there.
std::optional<double> PlannedDeparture(const CVoyage& route);
// True when the route has a schedule: a departure, and the scheduled arrival
// (the last waypoint's timeB) after it.
bool HasSchedule(const CVoyage& route);

// The groundspeed every leg keeps, when every leg after the first keeps the
// same one.
std::optional<double> CommonKeptGroundspeed(const CVoyage& route);

// A figure fit for a file: finite and not negative.
inline bool Writable(double value) { return std::isfinite(value) && value >= 0; }

}  // namespace marigold
