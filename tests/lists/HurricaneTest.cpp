// The storm record: its archive form, its movement and the sheet's values.
#include <gtest/gtest.h>

#include "fakes/Records.h"
#include "fakes/TestSupport.h"
#include "lists/Hurricane.h"
#include "lists/HurricaneSheet.h"

namespace marigold {
namespace {

using namespace bytes;

TEST(HurricaneArchive, DefaultStormAndEveryFieldInOrder) {
  // The default position; course 0, speed 0, max wind 60, eye 900, range 45.
  CHurricane fresh;
  EXPECT_EQ(Store(fresh), Hex(kDefaultPosition + kZero + kZero + "3c 00 00 00  84 03 00 00  2d 00 00 00"));

  // "Ivan" at 10N 60W seen at day 1096.5, moving 270 at 12.5 kts, 140 kts
  // within 30 nM, 935 mb.
  CHurricane storm;
  Load(storm, Hex("00 00 00 00 00 00 2e 40  00 00 00 00 00 00 24 40  00 00 00 00 00 00 4e c0 " + ShortString("Ivan") +
                  kZero + kZero + kZero +
                  "00 00 00 00 00 22 91 40 "
                  "00 00 00 00 00 e0 70 40  00 00 00 00 00 00 29 40  8c 00 00 00  a7 03 00 00  "
                  "1e 00 00 00"));
  EXPECT_EQ(storm.GetName(), "Ivan");
  EXPECT_EQ(std::tuple(storm.GetLongitude(), storm.GetTime(), storm.course, storm.speed),
            std::tuple(-60.0, 1096.5, 270.0, 12.5));
  EXPECT_EQ(std::tuple(storm.maxWind, storm.eyePressure, storm.windRange), std::tuple(140, 935, 30));
}

TEST(HurricanePosition, MovesAlongItsCourseForwardsAndBackwards) {
  CHurricane storm;
  Placed(&storm, 10, -60)->SetTime(1000);
  storm.speed = 10;
  CPosition2 at;
  storm.PositionAt(1001, at);
  ExpectNear({at.GetLatitude(), at.GetLongitude()}, {14, -60}, 1e-9);
  storm.PositionAt(999.5, at);
  EXPECT_NEAR(at.GetLatitude(), 8.0, 1e-9);
}

TEST(HurricaneSheet, WritesOnlyWhatWasChangedAndTakesTheTimeAsUtc) {
  CHurricane storm;
  storm.SetTime(1096.5);          // 31 Dec 2002 12:00 UTC
  storm.SetUtcDifference(-4);     // as an imported row may carry
  Placed(&storm, -10.5, 190.25);  // imported unreduced: the fields take 169°45'W
  storm.course = 123.456;         // shown as 123.5
  CHurricanePositionFields position = ReadHurricanePosition(storm);
  const CPositionFields& p = position.position;
  EXPECT_EQ(std::tuple(p.latitudeDegrees, p.latitudeHemisphere, p.longitudeDegrees, p.longitudeMinutes,
                       p.longitudeHemisphere, position.observed),
            std::tuple(10, 1, 169, 45.0, 1, CCivilTime{2002, 12, 31, 12, 0, 0}));
  CHurricaneVectorFields vector = ReadHurricaneVector(storm);
  EXPECT_EQ(vector.course, 123.5);

  // Left as shown: every stored digit stays, only the UTC difference goes.
  ApplyHurricanePosition(position, storm);
  vector.speed = 7.5;
  ApplyHurricaneVector(vector, storm);
  EXPECT_EQ(std::tuple(storm.GetTime(), storm.GetLongitude(), storm.GetUtcDifference(), storm.course, storm.speed),
            std::tuple(1096.5, 190.25, 0.0, 123.456, 7.5));

  // A new observation in the hour that European clocks skip is taken as the
  // UTC it says, under any time zone.
  position.observed = {2024, 3, 31, 2, 30, 0};
  position.position.longitudeMinutes = 30;
  ApplyHurricanePosition(position, storm);
  EXPECT_EQ(std::tuple(storm.GetTime(), storm.GetLongitude()),
            std::tuple(DayNumberOf({2024, 3, 31, 2, 30, 0}), -169.5));
  EXPECT_EQ(ReadHurricanePosition(storm).observed, (CCivilTime{2024, 3, 31, 2, 30, 0}));
}

TEST(HurricaneSheet, TheFirstRefusedFieldOfEachPage) {
  const std::pair<CPositionFields, const char*> positions[] = {
      {{90, 0, 0, 180, 0, 1}, "accepted"},
      {{91, 0, 0, 0, 0, 0}, "positionLatitudeDegrees: Please enter an integer between 0 and 90."},
      {{0, 0, 0, 0, 60.5, 0}, "positionLongitudeMinutes: Please enter a number between 0.0 and 60.0."},
  };
  for (const auto& [position, verdict] : positions)
    EXPECT_EQ(RefusalText(Validate(CHurricanePositionFields{"", {}, position})), verdict);

  const std::tuple<double, double, const char*> vectors[] = {
      {360, 999, "accepted"},
      {360.5, -1, "course: Please enter a number between 0.0 and 360.0."},
      {std::nan(""), 0, "course: Please enter a number between 0.0 and 360.0."},
      {0, 999.1, "speed: Please enter a number between 0.0 and 999.0."},
  };
  for (const auto& [course, speed, verdict] : vectors)
    EXPECT_EQ(RefusalText(Validate(CHurricaneVectorFields{course, speed})), verdict);
}

}  // namespace
}  // namespace marigold
