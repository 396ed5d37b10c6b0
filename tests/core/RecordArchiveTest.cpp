// Archive forms of the records and of the record list, checked against bytes
// written out by hand: little-endian doubles, 32-bit flags, counted strings.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Archive.h"
#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Waypoint.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

template <class T>
CBytes Store(T& object) {
  CArchive ar = CArchive::ForStoring();
  object.Serialize(ar);
  return ar.TakeBytes();
}

// Loads and insists that every byte was consumed.
template <class T>
void Load(T& object, const CBytes& bytes) {
  CArchive ar = CArchive::ForLoading(bytes);
  object.Serialize(ar);
  EXPECT_TRUE(ar.AtEnd()) << ar.Remaining() << " bytes left";
}

const std::string kZero = "00 00 00 00 00 00 00 00 ";

// reserve 15.0, latitude 45.0, longitude 5.0, "New Position", UTC difference,
// timeA, timeB, time.
const std::string kDefaultPosition =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 "
    "0c 4e 65 77 20 50 6f 73 69 74 69 6f 6e " +
    kZero + kZero + kZero + kZero;

// pressure 1000, air 18, set 0, rate 0, density 1.025, seawater 18, wind 0/0, count 0.
const std::string kDefaultWeather = "00 00 00 00 00 40 8f 40  00 00 00 00 00 00 32 40 " + kZero + kZero +
                                    "66 66 66 66 66 66 f0 3f  00 00 00 00 00 00 32 40 " + kZero + kZero +
                                    "00 00 00 00 ";

// pressure 1013, air 20.5, set 45, rate 1.5, density 1.0, seawater 22,
// wind 270 at 15, count 3.
const std::string kWeather =
    "00 00 00 00 00 a8 8f 40  00 00 00 00 00 80 34 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 f8 3f "
    "00 00 00 00 00 00 f0 3f  00 00 00 00 00 00 36 40  00 00 00 00 00 e0 70 40  00 00 00 00 00 00 2e 40 "
    "03 00 00 00 ";

void ExpectWeather(const CWeatherData& w) {
  EXPECT_EQ(w.airPressure, 1013.0);
  EXPECT_EQ(w.airTemperature, 20.5);
  EXPECT_EQ(w.currentSet, 45.0);
  EXPECT_EQ(w.currentRate, 1.5);
  EXPECT_EQ(w.waterDensity, 1.0);
  EXPECT_EQ(w.seawaterTemperature, 22.0);
  EXPECT_EQ(w.windDirection, 270.0);
  EXPECT_EQ(w.windSpeed, 15.0);
  EXPECT_EQ(w.count, 3);
}

TEST(RecordArchive, DefaultPositionIsSevenDoublesAndItsName) {
  CPosition2 fresh;
  EXPECT_EQ(Store(fresh), Hex(kDefaultPosition));

  CPosition2 p;
  p.SetName("Elsewhere");
  p.SetLatitude(-12);
  p.SetTime(99);
  Load(p, Hex(kDefaultPosition));
  EXPECT_EQ(p.GetName(), "New Position");
  EXPECT_EQ(p.GetLatitude(), 45.0);
  EXPECT_EQ(p.GetLongitude(), 5.0);
  EXPECT_EQ(p.GetReserveValue(), 15.0);
  EXPECT_EQ(p.GetTime(), 0.0);
  EXPECT_FALSE(p.IsChanged());
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
  EXPECT_EQ(w.GetLatitude(), 51.5);
  EXPECT_EQ(w.GetLongitude(), -3.25);
  EXPECT_EQ(w.GetUtcDifference(), 6.0);
  EXPECT_EQ(w.GetTimeA(), 1097.5);
  EXPECT_EQ(w.GetTimeB(), 1098.0);
  EXPECT_EQ(w.GetTime(), 1096.25);
  ExpectWeather(w.weather);
  EXPECT_TRUE(w.keepGroundspeed);
  EXPECT_TRUE(w.greatCircle);
  EXPECT_EQ(w.keptGroundspeed, 14.5);
  EXPECT_EQ(w.passWithinDistance, 2.5);
  EXPECT_TRUE(w.passWithin);
  EXPECT_FALSE(w.useAverageWeather);
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
  EXPECT_EQ(f.GetLatitude(), -10.0);
  EXPECT_EQ(f.GetLongitude(), 1.75);
  EXPECT_EQ(f.GetUtcDifference(), 1.5);
  EXPECT_EQ(f.GetTime(), 1096.25);
  EXPECT_EQ(f.weather.airPressure, 1013.0);
  EXPECT_EQ(f.weather.waterDensity, 1.02);
  EXPECT_EQ(f.weather.currentSet, 45.0);
  EXPECT_EQ(f.weather.windDirection, 270.0);
  EXPECT_EQ(f.weather.count, 1);
  EXPECT_EQ(f.groundCourse, 123.0);
  EXPECT_EQ(f.groundspeed, 12.5);
  EXPECT_EQ(f.gyroCourse, 120.0);
  EXPECT_EQ(f.logSpeed, 13.0);
  EXPECT_EQ(f.logReading, 57.25);
  EXPECT_EQ(f.engineRpm, 98.0);
  EXPECT_EQ(f.draft, 8.5);
  EXPECT_FALSE(f.IsChanged());
  EXPECT_EQ(Store(f), Hex(kFix));
}

TEST(RecordArchive, FixReportFormsTruncateAndPad) {
  CFixRecord f;
  f.groundCourse = 45.9;
  f.groundspeed = 12.5;
  EXPECT_EQ(f.ReportGroundCourse(), "045/");
  EXPECT_EQ(f.ReportGroundspeed(), "125/");
  f.groundCourse = 7.99;
  f.groundspeed = 0.79;
  EXPECT_EQ(f.ReportGroundCourse(), "007/");
  EXPECT_EQ(f.ReportGroundspeed(), "007/");
  f.groundCourse = 359.99;
  f.groundspeed = 12.99;
  EXPECT_EQ(f.ReportGroundCourse(), "359/");
  EXPECT_EQ(f.ReportGroundspeed(), "129/");

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
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.GetAt(0)->GetName(), "New Position");
  EXPECT_EQ(list.GetAt(1)->GetName(), "B");
  EXPECT_EQ(list.GetAt(1)->GetTime(), 1096.25);
  EXPECT_FALSE(list.GetAt(1)->IsChanged());
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
    CArchive ar = CArchive::ForLoading(bytes);
    EXPECT_THROW(list.Serialize(ar), CArchiveException);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetHead(), a);
    EXPECT_EQ(list.GetTail(), b);
    EXPECT_EQ(a->GetName(), "kept");
  }
}

}  // namespace
}  // namespace marigold
