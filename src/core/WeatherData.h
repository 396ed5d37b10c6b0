#pragma once
// A set of weather values: the expected weather of a leg, the present weather
// at a fix, or the average of a meteo record's observations.
#include <cstdint>
#include <string>

#include "core/Archive.h"

namespace marigold {

struct CWeatherData {
  std::int32_t count = 0;             // observations the set stands for
  double seawaterTemperature = 18.0;  // °C
  double airTemperature = 18.0;       // °C
  double airPressure = 1000.0;        // mb
  double waterDensity = 1.025;        // t/m³
  double currentSet = 0;              // degrees true, towards which it flows
  double currentRate = 0;             // knots
  double windDirection = 0;           // degrees
  double windSpeed = 0;               // knots

  // Eight doubles (pressure, air temperature, current set, current rate,
  // density, seawater temperature, wind direction, wind speed), then count.
  void Serialize(CArchive& ar);

  // Folds one observation into this average. The observation counts as at
  // least one. Its current is taken only when its rate is above 0 (a fix
  // without a derived current carries 0), its wind always; both are composed
  // as vectors, the scalars as weighted means.
  void Average(const CWeatherData& observation);

  // Brings values read from a data file into their plausible ranges; a value
  // that is not a number takes the lower bound. Density and count are kept.
  void ValidateWeather();

  // "NE 1.5 kts": the compass point of the set or direction and the speed.
  std::string CurrentText() const;
  std::string WindText() const;

  bool operator==(const CWeatherData&) const = default;
};

}  // namespace marigold
