#pragma once
// RTZ, the route exchange format of IEC 61174 that type-approved ECDIS
// read and write. Versions 1.0 and 1.1 are written, 1.0 to 1.2 read; a
// .rtzp container (a zip holding the route and its attachments) is read
// too, its attachments left alone.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/Voyage.h"
#include "exchange/ExchangeRefusal.h"
#include "exchange/RouteExchange.h"

namespace marigold {

enum class ERtzVersion { V1_0, V1_1 };
inline constexpr ERtzVersion kDefaultRtzVersion = ERtzVersion::V1_1;

// "1.0" and "1.1".
std::optional<ERtzVersion> RtzVersionNamed(std::string_view name);

// This program's own extension, on the waypoints whose leg holds what RTZ
// cannot say: a groundspeed left to the schedule (keepGroundspeed="false";
// the schedule's speed would otherwise read back as kept) and a pass-within
// distance of 10 nM or more (beyond the cross-track limits' range).
inline constexpr const char* kRtzExtensionMaker = "Lanternfish Works";
inline constexpr const char* kRtzExtensionName = "Marigold Route";

// The route with the figures of its last schedule: per waypoint after the
// first a leg (sailing method, cross-track limits from "Pass within", the
// kept groundspeed as speedMin and speedMax), and when the route has a
// schedule the departure, the estimated times and the legs' groundspeeds.
// Longitudes are reduced to -180..180 here only.
std::string WriteRtz(const CVoyage& route, const CRouteIdentity& identity, ERtzVersion version);

CReadResult<CImportedRoute> ReadRtz(std::span<const std::uint8_t> bytes);
// The route file of a .rtzp container (a zip): the first .rtz at its top
// level (or, failing that, anywhere in it), for ReadRtz.
struct CContainedFile {
  std::string name;
  std::string bytes;
};
CReadResult<CContainedFile> RouteFromRtzContainer(std::span<const std::uint8_t> bytes);
// A .rtz file, or a zip container holding one (told by its first bytes,
// whatever the file is called).
CReadResult<CImportedRoute> ReadRtzFile(const std::string& path);

}  // namespace marigold
