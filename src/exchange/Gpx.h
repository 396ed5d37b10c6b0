#pragma once
// GPX 1.1, the exchange format of chart plotters and planning programs:
// the route as `rte` with its `rtept`s, a file of `wpt`s read as a route in
// file order, and tracks (`trk`) for the position-fix history. The route's
// planned speed and departure travel in the chart plotters' extensions
// `opencpn:planned_speed` and `opencpn:planned_departure`.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "exchange/ExchangeRefusal.h"
#include "exchange/RouteExchange.h"

namespace marigold {

inline constexpr const char* kOpenCpnNamespace = "http://www.opencpn.org";

// Names and positions (longitudes reduced to -180..180); the planned speed
// when every leg keeps the same groundspeed, the departure when the route
// has a schedule.
std::string WriteGpx(const CVoyage& route, const std::string& routeName);

// The first route of the file, or its waypoints when it has no route. The
// planned speed becomes the kept groundspeed of every leg, the departure
// the first waypoint's time.
CReadResult<CImportedRoute> ReadGpxRoute(std::span<const std::uint8_t> bytes);

// Every track point of every track, in file order, as fixes with position
// and time (each point needs its time); longitudes made continuous.
CReadResult<std::vector<CFixRecord>> ReadGpxTrack(std::span<const std::uint8_t> bytes);

}  // namespace marigold
