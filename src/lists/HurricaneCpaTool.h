#pragma once
// "Calculate Hurricane CPA": the chosen storm's closest approach to the ship
// from the latest fix or from the departure. Borrows the document's storms,
// route and start records; nothing it computes is kept.
#include <string>
#include <vector>

#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "lists/Hurricane.h"
#include "lists/HurricaneCpa.h"

namespace marigold {

// Why the figures read "NA".
inline constexpr const char* kCpaStartMakesNoWay =
    "The starting point makes no way (groundspeed 0 kts):\nno closest point of approach can be found";

struct CHurricaneCpaView {
  std::vector<std::string> stormNames;  // "Select Hurricane", in list order
  int stormIndex = 0;
  bool fromLatestFix = true;  // "Calculate from latest positionfix" / "... from departure position"
  CStormCpa cpa;              // the figures of the last "Calculate"
  CStormCpaTexts results;     // their texts; empty until "Calculate"
  std::string note;           // why the results are "NA"; empty when they are not
};

class CHurricaneCpaTool {
 public:
  // The departure is preselected while the document is as opened from its
  // file, the latest fix otherwise; a missing fix counts as the departure.
  CHurricaneCpaTool(const CHurricaneList& storms, CVoyage& route, const CFixRecord* latestFix,
                    const CFixRecord& departure, bool openedFromFile);

  // "Calculate" with the storm (its index in the list) and the start chosen.
  void OnCalculate(int stormIndex, bool fromLatestFix);

  const CHurricaneCpaView& View() const { return view_; }

 private:
  const CHurricaneList& storms_;
  CVoyage& route_;
  const CFixRecord* latestFix_;
  const CFixRecord& departure_;
  CHurricaneCpaView view_;
};

}  // namespace marigold
