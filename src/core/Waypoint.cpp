#include "core/Waypoint.h"

namespace marigold {

void CWaypoint::Serialize(CArchive& ar) {
  CPosition2::Serialize(ar);
  weather.Serialize(ar);
  ar.Exchange(keepGroundspeed);
  ar.Exchange(greatCircle);
  ar.Exchange(keptGroundspeed);
  ar.Exchange(passWithinDistance);
  ar.Exchange(passWithin);
  ar.Exchange(useAverageWeather);
}

}  // namespace marigold
