#pragma once
// The route exchange suites' shared view of a route: each waypoint with
// the leg settings a route file carries, in one comparable line, and the
// hand-written files of tests/data.
#include <string>
#include <vector>

#include "core/CivilTime.h"
#include "core/TextFormat.h"
#include "core/Voyage.h"

namespace marigold {

// "Cape Brett -35.1000 174.5000 RL pass 0.5 keep 13": name, position,
// sailing method, "Pass within" and a kept groundspeed when set.
inline std::string LegText(const CWaypoint& w) {
  std::string text =
      Format("%s %.4f %.4f %s", w.GetName().c_str(), w.GetLatitude(), w.GetLongitude(), w.greatCircle ? "GC" : "RL");
  if (w.passWithin) text += Format(" pass %g", w.passWithinDistance);
  if (w.keepGroundspeed) text += Format(" keep %g", w.keptGroundspeed);
  return text;
}

inline std::vector<std::string> LegTexts(const std::vector<CWaypoint>& waypoints) {
  std::vector<std::string> texts;
  for (const CWaypoint& w : waypoints) texts.push_back(LegText(w));
  return texts;
}

inline std::vector<std::string> LegTexts(const CVoyage& route) {
  std::vector<std::string> texts;
  for (int i = 0; i < route.GetCount(); ++i) texts.push_back(LegText(*route.GetAt(i)));
  return texts;
}

inline constexpr double kSecond = 1.0 / 86400;  // in days

// The day number of a UTC time.
inline double Utc(int year, int month, int day, int hour, int minute = 0, int second = 0) {
  return DayNumberOf({year, month, day, hour, minute, second});
}

inline CWaypoint* AddWaypoint(CVoyage& route, const char* name, double latitude, double longitude) {
  CWaypoint* w = route.AddNew();
  w->SetName(name);
  w->SetLatitude(latitude);
  w->SetLongitude(longitude);
  return w;
}

// A route for the round trips, written out here so a test reads what it
// holds: across the date line with longitudes kept unreduced, both sailing
// methods, a leg left to the schedule and kept legs, a pass-within distance
// RTZ's cross-track limits cannot hold (12 nM), departure on 10 January
// 08:00 UTC and arrival on 20 January 12:00 UTC.
inline void AddCrossingRoute(CVoyage& route) {
  const auto add = [&route](const char* name, double latitude, double longitude) {
    return AddWaypoint(route, name, latitude, longitude);
  };
  CWaypoint* start = add("Start", 50.0, 170.0);
  start->SetTime(Utc(2026, 1, 10, 8));
  start->SetTimeA(start->GetTime());
  CWaypoint* west = add("Date line west", 51.5, 175.25);
  west->greatCircle = true;
  west->passWithin = true;
  west->passWithinDistance = 0.5;
  west->keepGroundspeed = true;
  west->keptGroundspeed = 14.25;
  add("Date line east", 52.123456789, 185.5)->keptGroundspeed = 13.0;
  CWaypoint* wide = add("Wide berth", -0.000000012, 190.75);
  wide->greatCircle = true;
  wide->passWithin = true;
  wide->passWithinDistance = 12;
  wide->keepGroundspeed = true;
  wide->keptGroundspeed = 9.5;
  wide->SetTimeA(Utc(2026, 1, 20, 12));
  wide->SetTimeB(wide->GetTimeA());
}

inline std::string TestData(const std::string& name) { return std::string(MARIGOLD_TEST_DATA) + "/" + name; }

}  // namespace marigold
