#include "lists/NavWarning.h"

#include <cmath>
#include <memory>
#include <utility>

namespace marigold {

void CNavWarning::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    CPosition2::Serialize(ar);
    ar.Exchange(passingDistance);
    ar.Exchange(validTill);
    ar.Exchange(validFrom);
    ar.Exchange(number);
    ar.Exchange(secondText);
    areaPoints_.Serialize(ar);
    ar.Exchange(areaKind);
    return;
  }
  // Read into a scratch warning so that damaged bytes leave this one as it was.
  CNavWarning loaded;
  loaded.CPosition2::Serialize(ar);
  ar.Exchange(loaded.passingDistance);
  ar.Exchange(loaded.validTill);
  ar.Exchange(loaded.validFrom);
  ar.Exchange(loaded.number);
  ar.Exchange(loaded.secondText);
  loaded.areaPoints_.Serialize(ar);
  ar.Exchange(loaded.areaKind);
  *this = std::move(loaded);
}

bool CNavWarning::SetReferencePosition() {
  const int n = areaPoints_.GetCount();
  if (n == 0) return false;
  // Longitudes are taken within 180° of the first point, so that 179°E and
  // 179°W average to 180° and not to 0°. Areas clear of the date line keep
  // the plain mean.
  const double first = areaPoints_.GetHead()->GetLongitude();
  double latitudeSum = 0;
  double longitudeSum = 0;
  bool shifted = false;
  for (const auto& point : areaPoints_) {
    double lon = point->GetLongitude();
    if (lon - first > 180) {
      lon -= 360;
      shifted = true;
    } else if (lon - first < -180) {
      lon += 360;
      shifted = true;
    }
    latitudeSum += point->GetLatitude();
    longitudeSum += lon;
  }
  double mean = longitudeSum / n;
  if (shifted && mean > 180) mean -= 360;
  if (shifted && mean < -180) mean += 360;
  SetLatitude(latitudeSum / n);
  SetLongitude(mean);
  return true;
}

CPosition2* CNavWarning::GetAreaPoint(int index) const {
  if (index < 0 || index >= areaPoints_.GetCount()) return nullptr;
  return areaPoints_.GetAt(index);
}

void CNavWarning::SetAreaPoints(const std::vector<CPosition2>& points) {
  areaPoints_.RemoveAll();
  for (const CPosition2& point : points) areaPoints_.Add(std::make_unique<CPosition2>(point));
}

}  // namespace marigold
