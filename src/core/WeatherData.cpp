#include "core/WeatherData.h"

#include <algorithm>
#include <limits>

#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

// "Not at least" is written as a negated test so that not-a-number fails it.
void AtLeast(double& value, double low) {
  if (!(value >= low)) value = low;
}

void AtMost(double& value, double high) {
  if (value > high) value = high;
}

// Sums two vectors weighted by their share of the observations. The shares
// keep the magnitudes within the speeds themselves: summing count × speed
// instead would run the composition on the sphere over thousands of miles
// once a slot holds a few hundred observations, and past the pole.
void AverageVector(double& direction, double& speed, double shareOld, double otherDirection, double otherSpeed,
                   double shareNew) {
  double d = direction;
  double s = speed * shareOld;
  CNavigation().AddVectors(d, s, otherDirection, otherSpeed * shareNew);
  direction = d;
  speed = s;
}

}  // namespace

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

void CWeatherData::Average(const CWeatherData& observation) {
  const CWeatherData obs = observation;  // this may be the observation itself
  // A negative count can only come from a damaged file: it stands for none,
  // so that the sum of the counts never reaches 0.
  const std::int64_t ns = std::max<std::int32_t>(count, 0);
  const std::int64_t no = std::max<std::int32_t>(obs.count, 1);
  const auto n = static_cast<double>(ns + no);
  const auto oldCount = static_cast<double>(ns);
  const auto newCount = static_cast<double>(no);

  airPressure = (oldCount * airPressure + newCount * obs.airPressure) / n;
  airTemperature = (oldCount * airTemperature + newCount * obs.airTemperature) / n;
  waterDensity = (oldCount * waterDensity + newCount * obs.waterDensity) / n;
  seawaterTemperature = (oldCount * seawaterTemperature + newCount * obs.seawaterTemperature) / n;
  if (obs.currentRate > 0)
    AverageVector(currentSet, currentRate, oldCount / n, obs.currentSet, obs.currentRate, newCount / n);
  AverageVector(windDirection, windSpeed, oldCount / n, obs.windDirection, obs.windSpeed, newCount / n);
  count = static_cast<std::int32_t>(std::min<std::int64_t>(ns + no, std::numeric_limits<std::int32_t>::max()));
}

void CWeatherData::ValidateWeather() {
  AtLeast(airPressure, 800.0);
  AtMost(airPressure, 1200.0);
  AtMost(airTemperature, 60.0);
  AtLeast(airTemperature, -60.0);
  AtMost(currentRate, 8.0);
  AtLeast(currentRate, 0);
  AtMost(seawaterTemperature, 50.0);
  AtLeast(seawaterTemperature, -4.0);
  AtMost(windSpeed, 150.0);
  AtLeast(windSpeed, 0);
  AtLeast(windDirection, 0);
  AtMost(windDirection, 360.0);
  AtLeast(currentSet, 0);
  AtMost(currentSet, 360.0);
}

std::string CWeatherData::CurrentText() const {
  return CNavigation().CompassPoint(currentSet) + " " + FormatFigure("%#2.1f kts", currentRate);
}

std::string CWeatherData::WindText() const {
  return CNavigation().CompassPoint(windDirection) + " " + FormatFigure("%#2.1f kts", windSpeed);
}

}  // namespace marigold
