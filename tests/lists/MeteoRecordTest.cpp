// The meteo record: its archive form against hand-built bytes, the seasons
// of the months, the averaging of observations and the clamping of loaded
// values.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "fakes/TestSupport.h"
#include "lists/MeteoRecord.h"

namespace marigold {
namespace {

using namespace bytes;

// The default weather with another count (one digit).
std::string Weather(char count) {
  return kDefaultWeather.substr(0, kDefaultWeather.size() - kZeroInt.size()) + "0" + count + " 00 00 00 ";
}

// Latitude -12.5, "Coral"; slot counts summer 1, autumn 2, winter 3, spring 4,
// latest 5; last update 1097.5; area "Biscay".
const std::string kRecord = "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 29 c0  00 00 00 00 00 00 14 40 " +
                            ShortString("Coral") + kZero + kZero + kZero + kZero + Weather('1') + Weather('2') +
                            Weather('3') + Weather('4') + Weather('5') + "00 00 00 00 00 26 91 40 " +
                            ShortString("Biscay");

TEST(MeteoRecordArchive, DefaultRecordAndSlotOrder) {
  CMeteoRecord fresh;
  EXPECT_EQ(Store(fresh), Hex(kDefaultPosition + kDefaultWeather + kDefaultWeather + kDefaultWeather + kDefaultWeather +
                              kDefaultWeather + kZero + "00"));

  const CBytes bytes = Hex(kRecord);
  CMeteoRecord r;
  Load(r, bytes);
  EXPECT_EQ(std::tuple(r.GetLatitude(), r.lastUpdate, r.areaName), std::tuple(-12.5, 1097.5, "Biscay"));
  EXPECT_EQ(std::tuple(r.summer.count, r.autumn.count, r.winter.count, r.spring.count, r.latest.count),
            std::tuple(1, 2, 3, 4, 5));
  EXPECT_EQ(Store(r), bytes);
}

TEST(MeteoRecordArchive, DamagedBytesLeaveTheRecordAsItWas) {
  CBytes bytes = Hex(kRecord);
  bytes.pop_back();
  CMeteoRecord r;
  r.winter.count = 7;
  ExpectLoadFails(r, bytes);
  EXPECT_EQ(std::tuple(r.GetName(), r.winter.count), std::tuple("New Position", 7));
}

TEST(MeteoSeasons, MonthsGoToTheirNorthernSeasonDecemberWithAutumn) {
  CMeteoRecord r;
  // Out of range (40) never leaves the four slots.
  const std::pair<int, const CWeatherData*> cases[] = {{12, &r.autumn}, {2, &r.winter}, {0, &r.winter},
                                                       {3, &r.spring},  {8, &r.summer}, {40, &r.autumn}};
  for (const auto& [month, slot] : cases) EXPECT_EQ(&r.SeasonData(month), slot) << month;
}

// count, pressure, wind direction and speed, current set and rate.
CWeatherData Obs(int count, double pressure, double windDirection, double windSpeed, double set, double rate) {
  return {count, 18.0, 18.0, pressure, 1.025, set, rate, windDirection, windSpeed};
}

TEST(MeteoMerge, FirstObservationBecomesTheSlotAndTheLatest) {
  CMeteoRecord r;
  const CFixedClock clock(1'070'000'000);
  CWeatherData obs = Obs(0, 1013, 250, 18, 120, 1.5);  // count 0 counts as one, raised in place
  r.MergeObservation(obs, r.SeasonData(7), clock);
  EXPECT_EQ(std::tuple(obs.count, r.summer.count, r.summer.airPressure), std::tuple(1, 1, 1013.0));
  ExpectNear({r.summer.windDirection, r.summer.windSpeed, r.summer.currentSet, r.summer.currentRate},
             {250, 18, 120, 1.5}, 1e-6);
  EXPECT_EQ(std::tuple(r.latest, r.lastUpdate), std::tuple(obs, ToDayNumber(clock.Now())));
}

TEST(MeteoMerge, WeightedMeansVectorWindsAndCurrentOnlyWhenMeasured) {
  CMeteoRecord r;
  r.winter = Obs(3, 1010, 0, 10, 200, 2.0);
  CWeatherData obs = Obs(1, 1020, 90, 40, 0, 0);  // no current derived at this fix
  r.MergeObservation(obs, r.winter, CFixedClock());
  EXPECT_EQ(std::tuple(r.winter.airPressure, r.winter.count, r.winter.currentSet, r.winter.currentRate),
            std::tuple(1012.5, 4, 200.0, 2.0));
  // (3 × 10 north + 40 east) / 4 = 7.5 north, 10 east, near enough on the sphere.
  EXPECT_NEAR(r.winter.windSpeed, 12.5, 0.05);
  EXPECT_NEAR(r.winter.windDirection, 53.13, 0.1);
}

TEST(MeteoMerge, HugeAndDamagedCountsStillGiveSaneAverages) {
  CMeteoRecord r;
  // A million observations of 20 knots from the north stay that, instead of
  // composing twenty million miles on the sphere.
  r.autumn = Obs(1'000'000, 1000, 0, 20, 0, 3);
  CWeatherData obs = Obs(1, 1000, 0, 20, 0, 3);
  r.MergeObservation(obs, r.autumn, CFixedClock());
  ExpectNear({r.autumn.windSpeed, std::fmod(r.autumn.windDirection + 180, 360) - 180, r.autumn.currentRate}, {20, 0, 3},
             1e-6);

  r.autumn.count = std::numeric_limits<std::int32_t>::max();
  r.MergeObservation(obs, r.autumn, CFixedClock());
  EXPECT_EQ(r.autumn.count, std::numeric_limits<std::int32_t>::max());

  r.summer.count = -1;  // from a damaged file: no division by 0
  CWeatherData other = Obs(1, 1020, 90, 10, 0, 0);
  r.MergeObservation(other, r.summer, CFixedClock());
  EXPECT_EQ(std::tuple(r.summer.airPressure, r.summer.count), std::tuple(1020.0, 1));
}

TEST(MeteoValidate, ValuesAreClampedAndNotANumberTakesTheLowerBound) {
  CMeteoRecord r;
  r.winter.airPressure = 750;
  r.winter.windDirection = -10;
  r.winter.seawaterTemperature = 55;
  r.winter.currentSet = 360;  // a bound itself is kept
  const double nan = std::nan("");
  r.latest = {-3, nan, nan, nan, nan, nan, nan, nan, nan};
  r.ValidateAll();
  const CWeatherData& w = r.winter;
  EXPECT_EQ(std::tuple(w.airPressure, w.windDirection, w.seawaterTemperature, w.currentSet),
            std::tuple(800.0, 0.0, 50.0, 360.0));
  const CWeatherData& l = r.latest;
  EXPECT_EQ(std::tuple(l.airPressure, l.airTemperature, l.seawaterTemperature,
                       l.currentRate + l.currentSet + l.windSpeed + l.windDirection),
            std::tuple(800.0, -60.0, -4.0, 0.0));
  EXPECT_TRUE(std::isnan(l.waterDensity) && l.count == -3);  // density and count are not checked
}

}  // namespace
}  // namespace marigold
