#pragma once
// A three-waypoint route from Rotterdam to New York with a fix in the
// Channel, the ship and its identity, shared by the report tests.
#include <gtest/gtest.h>

#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "vessel/Vessel2.h"

namespace marigold::samples {

inline double At(int day, int hour, int minute) { return DayNumberOf({2003, 1, day, hour, minute, 0}); }

inline CWaypoint& AddWaypoint(CVoyage& route, const char* name, double latitude, double longitude, double timeA) {
  CWaypoint& w = *route.AddNew();
  w.SetName(name);
  w.SetLatitude(latitude);
  w.SetLongitude(longitude);
  w.SetTimeA(timeA);
  return w;
}

// ROTTERDAM 51°54.5'N 004°03.2'E, HOEK VAN HOLLAND 52°00'N 003°30'E
// (rhumb line, 315.7°, 12.56 kn), NEW YORK 40°28.7'N 073°49.9'W (great
// circle, 262.3°, 8.0 kn).
inline void FillRoute(CVoyage& route, bool withNewYork = true) {
  CWaypoint& departure = AddWaypoint(route, "ROTTERDAM", 51 + 54.5 / 60, 4 + 3.2 / 60, At(15, 12, 0));
  departure.SetTime(At(15, 6, 30));
  CWaypoint& hoek = AddWaypoint(route, "HOEK VAN HOLLAND", 52.0, 3.5, At(15, 14, 30));
  hoek.groundCourse = 315.7;
  hoek.keptGroundspeed = 12.56;
  if (!withNewYork) return;
  CWaypoint& newYork = AddWaypoint(route, "NEW YORK", 40 + 28.7 / 60, -(73 + 49.9 / 60), At(17, 8, 5));
  newYork.groundCourse = 262.3;
  newYork.keptGroundspeed = 8.0;
  newYork.greatCircle = true;
}

// The route, the same route ending at HOEK VAN HOLLAND, the fix at 50°10'N
// 001°05.5'W at 16 Jan 03:07 UTC making good 250.9° at 14.35 kn, and the ship.
class ReportSample : public ::testing::Test {
 protected:
  void SetUp() override {
    FillRoute(route);
    FillRoute(shortRoute, false);
    fix.SetLatitude(50 + 10.0 / 60);
    fix.SetLongitude(-(1 + 5.5 / 60));
    fix.SetTime(At(16, 3, 7));
    fix.groundCourse = 250.9;
    fix.groundspeed = 14.35;
    vessel.name = "MARLINSPIKE";
    vessel.callSign = "PDXY";
    vessel.imoNumber = "9123456";
  }

  CVoyage route;
  CVoyage shortRoute;
  CFixRecord fix;
  CVessel2 vessel;
};

}  // namespace marigold::samples
