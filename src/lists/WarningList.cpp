#include "lists/WarningList.h"

#include <vector>

#include "core/CivilTime.h"
#include "core/LocalClock.h"

namespace marigold {

int CWarningList::RemoveExpired(double now) {
  std::vector<const CNavWarning*> expired;
  for (int i = 0; i + 1 < GetCount(); ++i)
    if (GetAt(i)->validTill < now) expired.push_back(GetAt(i));
  for (const CNavWarning* warning : expired) Remove(warning);
  return static_cast<int>(expired.size());
}

int CWarningList::RemoveExpired(const CClock& clock) { return RemoveExpired(DayNumberOf(UtcFieldsOf(clock.Now()))); }

}  // namespace marigold
