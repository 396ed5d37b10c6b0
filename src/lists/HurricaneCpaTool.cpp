#include "lists/HurricaneCpaTool.h"

#include <algorithm>
#include <cmath>

namespace marigold {

CHurricaneCpaTool::CHurricaneCpaTool(const CHurricaneList& storms, CVoyage& route, const CFixRecord* latestFix,
                                     const CFixRecord& departure, bool openedFromFile)
    : storms_(storms), route_(route), latestFix_(latestFix), departure_(departure) {
  for (const auto& storm : storms) view_.stormNames.push_back(storm->GetName());
  view_.fromLatestFix = latestFix && !openedFromFile;
}

void CHurricaneCpaTool::OnCalculate(int stormIndex, bool fromLatestFix) {
  view_.stormIndex = stormIndex;
  view_.fromLatestFix = fromLatestFix && latestFix_;
  view_.cpa = {};
  view_.results = {};
  view_.note.clear();
  if (storms_.IsEmpty()) return;
  const CHurricane& storm = *storms_.GetAt(std::clamp(stormIndex, 0, storms_.GetCount() - 1));
  const CFixRecord& start = view_.fromLatestFix ? *latestFix_ : departure_;
  const CStormCpa& cpa = view_.cpa = CalculateCPA(storm, route_, start);
  view_.results = FormatStormCpa(cpa);
  if (!cpa.IsAvailable() && !(start.groundspeed > 0 && std::isfinite(start.groundspeed)))
    view_.note = kCpaStartMakesNoWay;
}

}  // namespace marigold
