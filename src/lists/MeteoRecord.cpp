#include "lists/MeteoRecord.h"

#include <utility>

#include "core/LocalClock.h"

namespace marigold {

void CMeteoRecord::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    SerializeFields(ar);
    return;
  }
  CMeteoRecord loaded;
  loaded.SerializeFields(ar);
  *this = std::move(loaded);
}

void CMeteoRecord::SerializeFields(CArchive& ar) {
  CPosition2::Serialize(ar);
  summer.Serialize(ar);
  autumn.Serialize(ar);
  winter.Serialize(ar);
  spring.Serialize(ar);
  latest.Serialize(ar);
  ar.Exchange(lastUpdate);
  ar.Exchange(areaName);
}

const CWeatherData& CMeteoRecord::Season(ESeason season) const {
  switch (season) {
    case ESeason::Winter: return winter;
    case ESeason::Spring: return spring;
    case ESeason::Summer: return summer;
    case ESeason::Autumn: break;
  }
  return autumn;
}

CWeatherData& CMeteoRecord::Season(ESeason season) {
  return const_cast<CWeatherData&>(std::as_const(*this).Season(season));
}

void CMeteoRecord::MergeObservation(CWeatherData& observation, CWeatherData& slot, const CClock& clock) {
  lastUpdate = ToDayNumber(clock.Now());
  if (observation.count < 1) observation.count = 1;
  const CWeatherData obs = observation;  // the slot or latest may be the observation itself
  slot.Average(obs);
  latest = obs;
}

void CMeteoRecord::ValidateAll() {
  for (CWeatherData* slot : {&summer, &autumn, &winter, &spring, &latest}) slot->ValidateWeather();
}

}  // namespace marigold
