#pragma once
// Helpers for the record, list and document suites: a record's archive form
// both ways, a record put on the chart, and a prompter's messages as one
// comparable list. A suite includes this one header for all it shares: the
// fakes, the byte forms, the small helpers of TestSupport.h and the standard
// headers its tables and figures use.
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Archive.h"
#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "fakes/Fakes.h"
#include "fakes/RecordBytes.h"
#include "fakes/TestSupport.h"

namespace marigold {

// Sets the position (and the name, when given) of a new record of any list.
template <class Record>
Record* Placed(Record* record, double latitude, double longitude, const std::string& name = {}) {
  record->SetLatitude(latitude);
  record->SetLongitude(longitude);
  if (!name.empty()) record->SetName(name);
  return record;
}

// A fix on the meridian at `latitude`, `hour` hours into day number `day`,
// with its log reading.
template <class FixList>
CFixRecord* AddFix(FixList& fixes, double latitude, double day, double hour, double logReading = 0) {
  CFixRecord* fix = Placed(fixes.AddNew(), latitude, 0);
  fix->SetTime(day + hour / 24);
  fix->logReading = logReading;
  return fix;
}

// `count` waypoints "WP0", "WP1", ... a degree apart northwards from 50N 4W.
inline void AddWaypoints(CVoyage& route, int count) {
  for (int i = 0; i < count; ++i) Placed(route.AddNew(), 50.0 + i, -4.0, "WP" + std::to_string(i));
}

// Every message shown, in order, as "Icon: text" ("text" alone for no icon).
inline std::vector<std::string> Said(const CScriptedPrompter& prompter) {
  static const char* const kIcons[] = {"", "Stop: ", "Exclamation: ", "Information: ", "Question: "};
  std::vector<std::string> out;
  for (const auto& shown : prompter.messages) out.push_back(kIcons[static_cast<int>(shown.icon)] + shown.text);
  return out;
}

}  // namespace marigold
