// The meteo record: its archive form against hand-built bytes, the seasons
// of the months, the averaging of observations and the clamping of loaded
// values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/LocalClock.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "lists/MeteoRecord.h"

namespace marigold {
namespace {

const std::string kZero = "00 00 00 00 00 00 00 00 ";
// reserve 15.0, latitude 45.0, longitude 5.0, "New Position", UTC difference, timeA, timeB, time.
const std::string kDefaultPosition =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 "
    "0c 4e 65 77 20 50 6f 73 69 74 69 6f 6e " +
    kZero + kZero + kZero + kZero;
// pressure 1000, air 18, set 0, rate 0, density 1.025, seawater 18, wind 0 at 0; then the count.
std::string Weather(char count) {
  return "00 00 00 00 00 40 8f 40  00 00 00 00 00 00 32 40 " + kZero + kZero +
         "66 66 66 66 66 66 f0 3f  00 00 00 00 00 00 32 40 " + kZero + kZero + "0" + count + " 00 00 00 ";
}

// Latitude -12.5, "Coral"; slot counts summer 1, autumn 2, winter 3, spring 4,
// latest 5; last update 1097.5; area "Biscay".
const std::string kRecord =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 29 c0  00 00 00 00 00 00 14 40 "
    "05 43 6f 72 61 6c " +
    kZero + kZero + kZero + kZero + Weather('1') + Weather('2') + Weather('3') + Weather('4') + Weather('5') +
    "00 00 00 00 00 26 91 40  06 42 69 73 63 61 79";

CBytes Store(CMeteoRecord& record) {
  CArchive ar = CArchive::ForStoring();
  record.Serialize(ar);
  return ar.TakeBytes();
}

TEST(MeteoRecordArchive, DefaultRecordAndSlotOrder) {
  CMeteoRecord fresh;
  EXPECT_EQ(Store(fresh), Hex(kDefaultPosition + Weather('0') + Weather('0') + Weather('0') + Weather('0') +
                              Weather('0') + kZero + "00"));

  const CBytes bytes = Hex(kRecord);
  CArchive ar = CArchive::ForLoading(bytes);
  CMeteoRecord r;
  r.Serialize(ar);
  EXPECT_TRUE(ar.AtEnd());
  EXPECT_EQ(r.GetLatitude(), -12.5);
  EXPECT_EQ(r.summer.count, 1);
  EXPECT_EQ(r.autumn.count, 2);
  EXPECT_EQ(r.winter.count, 3);
  EXPECT_EQ(r.spring.count, 4);
  EXPECT_EQ(r.latest.count, 5);
  EXPECT_EQ(r.lastUpdate, 1097.5);
  EXPECT_EQ(r.areaName, "Biscay");
  EXPECT_EQ(Store(r), bytes);
}

TEST(MeteoRecordArchive, DamagedBytesLeaveTheRecordAsItWas) {
  CBytes bytes = Hex(kRecord);
  bytes.pop_back();
  CMeteoRecord r;
  r.winter.count = 7;
  CArchive ar = CArchive::ForLoading(bytes);
  EXPECT_THROW(r.Serialize(ar), CArchiveException);
  EXPECT_EQ(r.GetName(), "New Position");
  EXPECT_EQ(r.winter.count, 7);
}

TEST(MeteoSeasons, MonthsGoToTheirNorthernSeasonDecemberWithAutumn) {
  CMeteoRecord r;
  EXPECT_EQ(&r.SeasonData(12), &r.autumn);
  EXPECT_EQ(&r.SeasonData(2), &r.winter);
  EXPECT_EQ(&r.SeasonData(0), &r.winter);
  EXPECT_EQ(&r.SeasonData(3), &r.spring);
  EXPECT_EQ(&r.SeasonData(8), &r.summer);
  EXPECT_EQ(&r.SeasonData(40), &r.autumn);  // out of range never leaves the four slots
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
  EXPECT_EQ(obs.count, 1);
  EXPECT_EQ(r.summer.count, 1);
  EXPECT_EQ(r.summer.airPressure, 1013.0);
  EXPECT_NEAR(r.summer.windDirection, 250.0, 1e-6);
  EXPECT_NEAR(r.summer.windSpeed, 18.0, 1e-6);
  EXPECT_NEAR(r.summer.currentSet, 120.0, 1e-6);
  EXPECT_NEAR(r.summer.currentRate, 1.5, 1e-6);
  EXPECT_EQ(r.latest, obs);
  EXPECT_EQ(r.lastUpdate, ToDayNumber(clock.Now()));
}

TEST(MeteoMerge, WeightedMeansVectorWindsAndCurrentOnlyWhenMeasured) {
  CMeteoRecord r;
  r.winter = Obs(3, 1010, 0, 10, 200, 2.0);
  CWeatherData obs = Obs(1, 1020, 90, 40, 0, 0);  // no current derived at this fix
  r.MergeObservation(obs, r.winter, CFixedClock());
  EXPECT_EQ(r.winter.airPressure, 1012.5);
  EXPECT_EQ(r.winter.count, 4);
  EXPECT_EQ(r.winter.currentSet, 200.0);
  EXPECT_EQ(r.winter.currentRate, 2.0);
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
  EXPECT_NEAR(r.autumn.windSpeed, 20.0, 1e-6);
  EXPECT_NEAR(std::fmod(r.autumn.windDirection + 180, 360) - 180, 0.0, 1e-6);
  EXPECT_NEAR(r.autumn.currentRate, 3.0, 1e-6);

  r.autumn.count = std::numeric_limits<std::int32_t>::max();
  r.MergeObservation(obs, r.autumn, CFixedClock());
  EXPECT_EQ(r.autumn.count, std::numeric_limits<std::int32_t>::max());

  r.summer.count = -1;  // from a damaged file: no division by 0
  CWeatherData other = Obs(1, 1020, 90, 10, 0, 0);
  r.MergeObservation(other, r.summer, CFixedClock());
  EXPECT_EQ(r.summer.airPressure, 1020.0);
  EXPECT_EQ(r.summer.count, 1);
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
  EXPECT_EQ(r.winter.airPressure, 800.0);
  EXPECT_EQ(r.winter.windDirection, 0.0);
  EXPECT_EQ(r.winter.seawaterTemperature, 50.0);
  EXPECT_EQ(r.winter.currentSet, 360.0);
  const CWeatherData& l = r.latest;
  EXPECT_EQ(l.airPressure, 800.0);
  EXPECT_EQ(l.airTemperature, -60.0);
  EXPECT_EQ(l.seawaterTemperature, -4.0);
  EXPECT_EQ(l.currentRate + l.currentSet + l.windSpeed + l.windDirection, 0.0);
  EXPECT_TRUE(std::isnan(l.waterDensity));  // density and count are not checked
  EXPECT_EQ(l.count, -3);
}

}  // namespace
}  // namespace marigold
