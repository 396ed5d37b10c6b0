// Writes routes that test the edges of the RTZ schemas, in every version
// written, for validate_rtz.sh to check with xmllint:
//   write-rtz-samples FOLDER
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "core/FileIo.h"
#include "exchange/Rtz.h"
#include "fakes/RouteLegs.h"

using namespace marigold;

namespace {

// Text the file must escape or cannot hold, the poles and the date line to the last
// digit, cross-track limits at their bounds, a kept speed of 0.
void AddEdges(CVoyage& route) {
  const auto add = [&route](const char* name, double latitude, double longitude) {
    return AddWaypoint(route, name, latitude, longitude);
  };
  add("Île d'Ouessant & <Ushant> \"TSS\"", 90, 180);
  CWaypoint* w = add("Bell\a buoy\x1b", -90, -180);
  w->passWithin = true;
  w->passWithinDistance = 10;
  w = add("Almost 180", 0, 179.9999999999);
  w->passWithin = true;
  w->passWithinDistance = 0;
  w->keepGroundspeed = true;
  w->keptGroundspeed = 0;
  w = add("Negative", 0, -539.5);
  w->passWithin = true;
  w->passWithinDistance = -1;
  w->keepGroundspeed = true;
  w->keptGroundspeed = -3;
  route.GetHead()->SetTime(Utc(2026, 6, 1, 0));
  route.GetTail()->SetTimeB(Utc(2026, 6, 2, 0));
}

// After a schedule that could not be computed.
void AddUnscheduled(CVoyage& route) {
  AddCrossingRoute(route);
  for (int i = 1; i < route.GetCount(); ++i) {
    route.GetAt(i)->SetTimeA(std::nan(""));
    route.GetAt(i)->keptGroundspeed = std::nan("");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write-rtz-samples FOLDER\n");
    return 2;
  }
  const std::pair<const char*, std::function<void(CVoyage&)>> kRoutes[] = {
      {"crossing", AddCrossingRoute}, {"edges", AddEdges}, {"unscheduled", AddUnscheduled}};
  const std::pair<const char*, CRouteIdentity> kIdentities[] = {
      {"full", {"Crossing", "Pacific Dawn", "IMO 9321483", "V7"}}, {"bare", {"", "", "", ""}}};
  for (const auto& [routeName, fill] : kRoutes)
    for (const auto& [identityName, identity] : kIdentities)
      for (const auto& [version, suffix] : {std::pair(ERtzVersion::V1_0, "1_0"), std::pair(ERtzVersion::V1_1, "1_1")}) {
        CVoyage route;
        fill(route);
        const std::string path = std::string(argv[1]) + "/" + routeName + "-" + identityName + "." + suffix + ".rtz";
        if (!WriteFileAtomic(path, WriteRtz(route, identity, version))) return 1;
      }
  return 0;
}
