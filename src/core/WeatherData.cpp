#include "core/WeatherData.h"

namespace marigold {

void CWeatherData::Serialize(CArchive& ar) {
  ar.Exchange(airPressure);
  ar.Exchange(airTemperature);
  ar.Exchange(currentSet);
  ar.Exchange(currentRate);
  ar.Exchange(waterDensity);
  ar.Exchange(seawaterTemperature);
  ar.Exchange(windDirection);
  ar.Exchange(windSpeed);
  ar.Exchange(count);
}

}  // namespace marigold
