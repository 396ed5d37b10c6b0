#pragma once
// The small voyage the list view tests look at, in a document.
#include "core/CivilTime.h"
#include "fakes/Records.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {

// 2023-11-15 00:00 UTC, a Wednesday.
inline const double kSmallVoyageDay = DayNumberOf({2023, 11, 15, 0, 0, 0});

// A record of any list placed on the meridian, one hour ahead of UTC.
template <class Record>
Record* OnMeridian(Record* record, const char* name, double latitude) {
  Placed(record, latitude, 0, name)->SetUtcDifference(1);
  return record;
}

// Alpha, Bravo and Charlie at 50N, 51N and 52N with hand-entered calm
// weather, leaving at 00:00 UTC and due at Charlie at 10:00 UTC over a great
// circle; the fix, 6 nM short of Bravo at 05:24 UTC, is returned.
inline CFixRecord* AddSmallVoyage(CMarigoldRouteDoc& doc) {
  const char* names[] = {"Alpha", "Bravo", "Charlie"};
  for (int i = 0; i < 3; ++i) {
    CWaypoint* w = OnMeridian(doc.Voyage().AddNew(), names[i], 50.0 + i);
    w->useAverageWeather = false;
    w->weather = CWeatherData{};
  }
  doc.Voyage().GetHead()->SetTime(kSmallVoyageDay);
  doc.Voyage().GetHead()->SetTimeA(kSmallVoyageDay);
  doc.Voyage().GetTail()->SetTimeB(kSmallVoyageDay + 10.0 / 24);
  doc.Voyage().GetTail()->greatCircle = true;
  CFixRecord* fix = OnMeridian(doc.Fixes().AddNew(), "Fix", 50.9);
  fix->SetTime(kSmallVoyageDay + 5.4 / 24);
  return fix;
}

}  // namespace marigold
