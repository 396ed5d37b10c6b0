#include "lists/Hurricane.h"

#include "core/Navigation.h"

namespace marigold {

void CHurricane::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    CPosition2::Serialize(ar);
    ar.Exchange(course);
    ar.Exchange(speed);
    ar.Exchange(maxWind);
    ar.Exchange(eyePressure);
    ar.Exchange(windRange);
    return;
  }
  // Into a scratch storm, so that damaged bytes leave this one as it was.
  CHurricane loaded;
  loaded.CPosition2::Serialize(ar);
  ar.Exchange(loaded.course);
  ar.Exchange(loaded.speed);
  ar.Exchange(loaded.maxWind);
  ar.Exchange(loaded.eyePressure);
  ar.Exchange(loaded.windRange);
  *this = loaded;
}

void CHurricane::PositionAt(double dayNumber, CPosition2& target) const {
  const CNavigation nav;
  nav.CopyAndDeadReckon(*this, target, (dayNumber - GetTime()) * speed * 24, course, true);
}

}  // namespace marigold
