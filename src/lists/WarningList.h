#pragma once
// The navigational warnings kept from voyage to voyage in "warning.dat".
#include "core/Clock.h"
#include "core/PositionList.h"
#include "lists/NavWarning.h"

namespace marigold {

class CWarningList : public CRecordList<CNavWarning> {
 public:
  // Deletes every warning whose validity ended before now (a UTC day
  // number), except the last warning of the list, which always stays.
  // Returns the number removed.
  int RemoveExpired(double now);
  // The same with now taken from the clock, as UTC.
  int RemoveExpired(const CClock& clock);
};

}  // namespace marigold
