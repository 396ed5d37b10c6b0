// The storm record: its archive form, its movement and the sheet's values.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fakes/TestSupport.h"
#include "lists/Hurricane.h"
#include "lists/HurricaneSheet.h"

namespace marigold {
namespace {

// reserve 15, latitude 45, longitude 5, "New Position", UTC difference,
// timeA, timeB, time; course 0, speed 0, max wind 60, eye 900, range 45.
const char* const kDefaultStorm =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 "
    "0c 4e 65 77 20 50 6f 73 69 74 69 6f 6e "
    "0000000000000000 0000000000000000 0000000000000000 0000000000000000 "
    "0000000000000000 0000000000000000 3c 00 00 00  84 03 00 00  2d 00 00 00";

// "Ivan" at 10N 60W seen at day 1096.5, moving 270 at 12.5 kts, 140 kts
// within 30 nM, 935 mb.
const char* const kIvan =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 24 40  00 00 00 00 00 00 4e c0  04 49 76 61 6e "
    "0000000000000000 0000000000000000 0000000000000000 00 00 00 00 00 22 91 40 "
    "00 00 00 00 00 e0 70 40  00 00 00 00 00 00 29 40  8c 00 00 00  a7 03 00 00  1e 00 00 00";

TEST(HurricaneArchive, DefaultStormAndEveryFieldInOrder) {
  CHurricane fresh;
  CArchive out = CArchive::ForStoring();
  fresh.Serialize(out);
  EXPECT_EQ(out.TakeBytes(), Hex(kDefaultStorm));

  const CBytes bytes = Hex(kIvan);
  CArchive in = CArchive::ForLoading(bytes);
  CHurricane storm;
  storm.Serialize(in);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(storm.GetName(), "Ivan");
  EXPECT_EQ(storm.GetLongitude(), -60.0);
  EXPECT_EQ(storm.GetTime(), 1096.5);
  EXPECT_EQ(storm.course, 270.0);
  EXPECT_EQ(storm.speed, 12.5);
  EXPECT_EQ(storm.maxWind, 140);
  EXPECT_EQ(storm.eyePressure, 935);
  EXPECT_EQ(storm.windRange, 30);
}

TEST(HurricanePosition, MovesAlongItsCourseForwardsAndBackwards) {
  CHurricane storm;
  storm.SetLatitude(10);
  storm.SetLongitude(-60);
  storm.SetTime(1000);
  storm.speed = 10;
  CPosition2 at;
  storm.PositionAt(1001, at);
  EXPECT_NEAR(at.GetLatitude(), 14.0, 1e-9);
  EXPECT_NEAR(at.GetLongitude(), -60.0, 1e-9);
  storm.PositionAt(999.5, at);
  EXPECT_NEAR(at.GetLatitude(), 8.0, 1e-9);
}

TEST(HurricaneSheet, ConfirmingUnchangedKeepsTheObservationTime) {
  CHurricane storm;
  storm.SetTime(1096.5);       // 31 Dec 2002 12:00 UTC
  storm.SetUtcDifference(-4);  // as an imported row may carry
  storm.SetLatitude(-10.5);
  storm.SetLongitude(190.25);  // imported unreduced: the fields take 169°45'W
  CHurricaneFields fields = ReadHurricane(storm);
  EXPECT_EQ(fields.position.latitudeDegrees, 10);
  EXPECT_EQ(fields.position.latitudeHemisphere, 1);
  EXPECT_EQ(fields.position.longitudeDegrees, 169);
  EXPECT_EQ(fields.position.longitudeMinutes, 45);
  EXPECT_EQ(fields.position.longitudeHemisphere, 1);
  EXPECT_FALSE(Validate(fields));
  fields.maxWind = 80;
  ApplyHurricane(fields, storm);
  EXPECT_NEAR(storm.GetTime(), 1096.5, 1e-9);
  EXPECT_EQ(storm.GetUtcDifference(), 0.0);
  EXPECT_NEAR(storm.GetLatitude(), -10.5, 1e-12);
  EXPECT_NEAR(storm.GetLongitude(), -169.75, 1e-12);
  EXPECT_EQ(storm.maxWind, 80);
}

TEST(HurricaneSheet, TheFirstRefusedFieldInPageOrder) {
  struct CCase {
    void (*edit)(CHurricaneFields&);
    const char* verdict;
  };
  const CCase cases[] = {
      {[](CHurricaneFields& f) { f.position = {90, 0, 0, 180, 0, 1}, f.course = 360, f.speed = 999; }, "accepted"},
      {[](CHurricaneFields& f) { f.position.latitudeDegrees = 91, f.speed = -1; },
       "positionLatitudeDegrees: Please enter an integer between 0 and 90."},
      {[](CHurricaneFields& f) { f.position.longitudeMinutes = 60.5; },
       "positionLongitudeMinutes: Please enter a number between 0.0 and 60.0."},
      {[](CHurricaneFields& f) { f.course = 360.5, f.speed = -1; },
       "course: Please enter a number between 0.0 and 360.0."},
      {[](CHurricaneFields& f) { f.course = std::nan(""); }, "course: Please enter a number between 0.0 and 360.0."},
      {[](CHurricaneFields& f) { f.speed = 999.1; }, "speed: Please enter a number between 0.0 and 999.0."},
  };
  for (const CCase& c : cases) {
    CHurricaneFields fields = ReadHurricane(CHurricane{});
    c.edit(fields);
    EXPECT_EQ(RefusalText(Validate(fields)), c.verdict);
  }
}

}  // namespace
}  // namespace marigold
