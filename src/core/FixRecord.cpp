#include "core/FixRecord.h"

#include "core/TextFormat.h"

namespace marigold {

void CFixRecord::Serialize(CArchive& ar) {
  CPosition2::Serialize(ar);
  weather.Serialize(ar);
  ar.Exchange(groundCourse);
  ar.Exchange(groundspeed);
  ar.Exchange(gyroCourse);
  ar.Exchange(logSpeed);
  ar.Exchange(logReading);
  ar.Exchange(engineRpm);
  ar.Exchange(draft);
}

std::string CFixRecord::ReportGroundCourse() const { return Format("%03d/", static_cast<int>(groundCourse)); }

std::string CFixRecord::ReportGroundspeed() const { return Format("%03d/", static_cast<int>(groundspeed * 10)); }

}  // namespace marigold
