// Archive forms of the records and of the record list, checked against bytes
// written out by hand: little-endian doubles, 32-bit flags, counted strings.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "core/Archive.h"
#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Waypoint.h"
#include "fakes/RecordBytes.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

using bytes::kDefaultPosition;
using bytes::kDefaultWeather;
using bytes::kZero;

// The doubles of the position part in file order: reserve, latitude,
// longitude, UTC difference, timeA, timeB, time.
std::vector<double> PlaceOf(const CPosition2& p) {
  return {p.GetReserveValue(), p.GetLatitude(), p.GetLongitude(), p.GetUtcDifference(),
          p.GetTimeA(),        p.GetTimeB(),    p.GetTime()};
}

// Pressure 1013, air 20.5, set 45, rate 1.5, the density, seawater 22, wind
// 270 at 15, the count: in file order the bytes of kWeather.
CWeatherData Weather(double density, std::int32_t count) {
  return {.count = count, .seawaterTemperature = 22, .airTemperature = 20.5, .airPressure = 1013,
          .waterDensity = density, .currentSet = 45, .currentRate = 1.5, .windDirection = 270, .windSpeed = 15};
}
const std::string kWeather =
    "00 00 00 00 00 a8 8f 40  00 00 00 00 00 80 34 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 f8 3f "
    "00 00 00 00 00 00 f0 3f  00 00 00 00 00 00 36 40  00 00 00 00 00 e0 70 40  00 00 00 00 00 00 2e 40 "
    "03 00 00 00 ";

TEST(RecordArchive, DefaultPositionIsSevenDoublesAndItsName) {
  EXPECT_EQ(Store(CPosition2{}), Hex(kDefaultPosition));

  CPosition2 p = At(-12, 0);
  p.SetName("Elsewhere");
  p.SetTime(99);
  Load(p, Hex(kDefaultPosition));
  EXPECT_EQ(std::pair(p.GetName(), p.IsChanged()), std::pair(std::string("New Position"), false));
  EXPECT_EQ(PlaceOf(p), (std::vector<double>{15, 45, 5, 0, 0, 0, 0}));
}

// 51°30'N 3°15'W "WP1", UTC +6 h, timeA 1097.5, timeB 1098.0, time 1096.25;
// then the weather; keep groundspeed, great circle, kept 14.5 kn, pass within
// 2.5 nM, pass within set, average weather off.
const std::string kWaypoint =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 c0 49 40  00 00 00 00 00 00 0a c0  03 57 50 31 "
    "00 00 00 00 00 00 d0 3f  00 00 00 00 00 26 91 40  00 00 00 00 00 28 91 40  00 00 00 00 00 21 91 40 " +
    kWeather +
    "01 00 00 00  01 00 00 00  00 00 00 00 00 00 2d 40  00 00 00 00 00 00 04 40  01 00 00 00  00 00 00 00";

TEST(RecordArchive, WaypointWithItsLegSettings) {
  CWaypoint w;
  w.SetName("dirty");
  Load(w, Hex(kWaypoint));
  EXPECT_EQ(w.GetName(), "WP1");
  EXPECT_EQ(PlaceOf(w), (std::vector<double>{15, 51.5, -3.25, 6, 1097.5, 1098, 1096.25}));
  EXPECT_EQ(w.weather, Weather(1.0, 3));
  EXPECT_EQ(std::tie(w.keepGroundspeed, w.greatCircle, w.keptGroundspeed, w.passWithinDistance, w.passWithin,
                     w.useAverageWeather),
            std::make_tuple(true, true, 14.5, 2.5, true, false));
  EXPECT_FALSE(w.IsChanged());
  EXPECT_EQ(Store(w), Hex(kWaypoint));

  // The two leading flags apart: only great circle set.
  CWaypoint gc;
  gc.greatCircle = true;
  EXPECT_EQ(Store(gc), Hex(kDefaultPosition + kDefaultWeather +
                           "00 00 00 00  01 00 00 00  00 00 00 00 00 00 28 40  00 00 00 00 00 00 f0 3f "
                           "00 00 00 00  01 00 00 00"));
}

TEST(RecordArchive, WaypointLegFiguresAreNotArchived) {
  CRecordList<CWaypoint> route;
  CWaypoint* w = route.AddNew();
  w->legRevolutions = 1;
  w->legWeatherLogDistance = 2;
  w->waypointFlag = true;
  w->legDistance = 3;
  w->groundCourse = 4;
  w->gyroCourse = 5;
  w->logDistance = 6;
  w->resistanceIndex = 7;
  w->engineRpm = 8;
  w->keptGroundspeed = 9.5;
  const CBytes bytes = Store(route);

  CRecordList<CWaypoint> loaded;
  Load(loaded, bytes);
  const CWaypoint* back = loaded.GetHead();
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->keptGroundspeed, 9.5);
  const double figures[] = {back->legRevolutions, back->legWeatherLogDistance, back->legDistance,
                            back->groundCourse,   back->gyroCourse,            back->logDistance,
                            back->resistanceIndex, back->engineRpm};
  for (const double figure : figures) EXPECT_EQ(figure, 0);
  EXPECT_FALSE(back->waypointFlag);
}

// 10°S 1°45'E "Fix", UTC +1.5 h, time 1096.25; the weather with density 1.02
// and count 1; ground course 123, groundspeed 12.5, gyro 120, log speed 13,
// log reading 57.25, rpm 98, draft 8.5.
const std::string kFix =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 24 c0  00 00 00 00 00 00 fc 3f  03 46 69 78 "
    "00 00 00 00 00 00 b0 3f " +
    kZero + kZero +
    "00 00 00 00 00 21 91 40 "
    "00 00 00 00 00 a8 8f 40  00 00 00 00 00 80 34 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 f8 3f "
    "52 b8 1e 85 eb 51 f0 3f  00 00 00 00 00 00 36 40  00 00 00 00 00 e0 70 40  00 00 00 00 00 00 2e 40 "
    "01 00 00 00 "
    "00 00 00 00 00 c0 5e 40  00 00 00 00 00 00 29 40  00 00 00 00 00 00 5e 40  00 00 00 00 00 00 2a 40 "
    "00 00 00 00 00 a0 4c 40  00 00 00 00 00 80 58 40  00 00 00 00 00 00 21 40";

TEST(RecordArchive, FixRecordWithEveryField) {
  CFixRecord f;
  f.SetLongitude(0);
  Load(f, Hex(kFix));
  EXPECT_EQ(f.GetName(), "Fix");
  EXPECT_EQ(PlaceOf(f), (std::vector<double>{15, -10, 1.75, 1.5, 0, 0, 1096.25}));
  EXPECT_EQ(f.weather, Weather(1.02, 1));
  EXPECT_EQ((std::vector<double>{f.groundCourse, f.groundspeed, f.gyroCourse, f.logSpeed, f.logReading, f.engineRpm,
                                 f.draft}),
            (std::vector<double>{123, 12.5, 120, 13, 57.25, 98, 8.5}));
  EXPECT_FALSE(f.IsChanged());
  EXPECT_EQ(Store(f), Hex(kFix));
}

TEST(RecordArchive, FixReportFormsTruncateAndPad) {
  const struct {
    double course, speed;
    const char *courseText, *speedText;
  } cases[] = {{45.9, 12.5, "045/", "125/"}, {7.99, 0.79, "007/", "007/"}, {359.99, 12.99, "359/", "129/"}};
  CFixRecord f;
  for (const auto& c : cases) {
    f.groundCourse = c.course;
    f.groundspeed = c.speed;
    EXPECT_EQ(f.ReportGroundCourse(), c.courseText);
    EXPECT_EQ(f.ReportGroundspeed(), c.speedText);
  }

  // The fix time is UTC already: the UTC difference does not enter.
  f.SetUtcDifference(-5);
  f.SetTime(DayNumberOf({2003, 12, 5, 12, 30, 0}));
  EXPECT_EQ(f.ReportTime(), "051230Z/");
  f.SetTime(DayNumberOf({2004, 1, 9, 4, 7, 0}));
  EXPECT_EQ(f.ReportTime(), "090407Z/");
}

TEST(RecordArchiveList, EmptyListIsOneZeroWord) {
  CRecordList<CPosition2> list;
  EXPECT_EQ(Store(list), Hex("00 00 00 00"));

  list.AddNew();
  list.AddNew();
  Load(list, Hex("00 00 00 00"));
  EXPECT_EQ(list.GetCount(), 0);
}

// Two positions: the default one, then "B" at 45°N 5°E with time 1096.25.
const std::string kTwoPositions = "02 00 00 00 " + kDefaultPosition +
                                  "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 "
                                  "01 42 " +
                                  kZero + kZero + kZero + "00 00 00 00 00 21 91 40";

TEST(RecordArchiveList, TwoRecordsLoadInOrder) {
  CRecordList<CPosition2> list;
  list.AddNew()->SetName("old");
  Load(list, Hex(kTwoPositions));
  ASSERT_EQ(NamesOf(list), (std::vector<std::string>{"New Position", "B"}));
  EXPECT_EQ(std::pair(list.GetAt(1)->GetTime(), list.GetAt(1)->IsChanged()), std::pair(1096.25, false));
  EXPECT_EQ(Store(list), Hex(kTwoPositions));
}

TEST(RecordArchiveList, ListOfFixesLoadsFixes) {
  CRecordList<CFixRecord> fixes;
  Load(fixes, Hex("02 00 00 00 " + kFix + kFix));
  ASSERT_EQ(fixes.GetCount(), 2);
  const CPositionList& base = fixes;
  for (int i = 0; i < 2; ++i) {
    const auto* fix = dynamic_cast<const CFixRecord*>(base.GetAt(i));
    ASSERT_NE(fix, nullptr);
    EXPECT_EQ(fix->draft, 8.5);
  }
}

TEST(RecordArchiveList, DamagedArchiveThrowsAndKeepsTheOldRecords) {
  const CBytes good = Hex(kTwoPositions);
  const CBytes truncated(good.begin(), good.end() - 1);
  CBytes countTooHigh = good;
  countTooHigh[0] = 3;
  // A string length past the end, inside the second record.
  CBytes longName = good;
  longName[4 + 69 + 24] = 0xFE;

  const CBytes damaged[] = {truncated, countTooHigh, longName,
                            Hex("ff ff ff 7f  00 00 00 00 00 00 00 00 00 00"),  // 2^31-1, 10 bytes
                            Hex("ff ff ff ff"),                                 // negative
                            Hex("00 00")};
  for (const CBytes& bytes : damaged) {
    CRecordList<CPosition2> list;
    CPosition2* a = list.AddNew();
    CPosition2* b = list.AddNew();
    a->SetName("kept");
    ExpectLoadFails(list, bytes);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(std::pair(list.GetHead(), list.GetTail()), std::pair(a, b));
    EXPECT_EQ(a->GetName(), "kept");
  }
}

}  // namespace
}  // namespace marigold
