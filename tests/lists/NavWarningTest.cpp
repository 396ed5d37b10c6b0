// The warning record: its archive form against bytes written out by hand,
// all-or-nothing loading, the reference position, the area points and the
// values the warning sheet moves in and out.
#include <gtest/gtest.h>

#include "fakes/Records.h"
#include "lists/NavWarning.h"
#include "lists/WarningSheet.h"

namespace marigold {
namespace {

using namespace bytes;

// "NW 12" at 50°N 002°E, passing 2.5 nM, valid from 1097.5 till 1100.0, no
// second text, points "A" 49°N 001°E and "B" 51°N 003°E, no-go area.
const std::string kFourTimes = kZero + kZero + kZero + kZero;
const CBytes kWarning =
    Hex("00 00 00 00 00 00 2e 40  00 00 00 00 00 00 49 40  00 00 00 00 00 00 00 40 " + ShortString("NW 12") +
        kFourTimes + "00 00 00 00 00 00 04 40  00 00 00 00 00 30 91 40  00 00 00 00 00 26 91 40 " +
        ShortString("NW 12") + ShortString("") +
        "02 00 00 00 "
        "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 48 40  00 00 00 00 00 00 f0 3f " +
        ShortString("A") + kFourTimes + "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 49 40  00 00 00 00 00 00 08 40 " +
        ShortString("B") + kFourTimes + kZeroInt);

CNavWarning WithPoints(std::initializer_list<std::pair<double, double>> points) {
  CNavWarning w;
  for (const auto& [lat, lon] : points) Placed(w.AddAreaPoint(), lat, lon);
  return w;
}

TEST(NavWarningArchive, TwoAreaPointsLoadAndStoreByteForByte) {
  CNavWarning w;
  Load(w, kWarning);
  EXPECT_EQ(std::tuple(w.GetName(), w.number, w.secondText, w.areaKind),
            std::tuple("NW 12", "NW 12", "", CNavWarning::kNoGoArea));
  EXPECT_EQ(std::tuple(w.GetLatitude(), w.GetLongitude(), w.passingDistance, w.validFrom, w.validTill),
            std::tuple(50.0, 2.0, 2.5, 1097.5, 1100.0));
  ASSERT_EQ(w.GetAreaPointCount(), 2);
  EXPECT_EQ(
      std::tuple(w.GetAreaPoint(0)->GetName(), w.GetAreaPoint(1)->GetLatitude(), w.GetAreaPoint(1)->GetLongitude()),
      std::tuple("A", 51.0, 3.0));
  EXPECT_EQ(Store(w), kWarning);
  // The area page hands back copies of the points: the same bytes.
  w.SetAreaPoints(ReadWarningArea(w).points);
  EXPECT_EQ(Store(w), kWarning);
}

TEST(NavWarningArchive, LoadingReplacesThePointsOnlyWhenAllIsRead) {
  CNavWarning w = WithPoints({{10, 10}, {11, 11}, {12, 12}});
  w.number = "old";
  const CPosition2* kept = w.GetAreaPoint(0);

  // Cut inside the second point, and just before the area kind.
  for (const std::size_t cut : {kWarning.size() - 40, kWarning.size() - 1}) {
    const CBytes shortBytes(kWarning.begin(), kWarning.begin() + static_cast<std::ptrdiff_t>(cut));
    ExpectLoadFails(w, shortBytes);
    EXPECT_EQ(std::tuple(w.number, w.GetAreaPointCount(), w.GetAreaPoint(0)), std::tuple("old", 3, kept));
  }
  Load(w, kWarning);
  EXPECT_EQ(std::tuple(w.GetAreaPointCount(), w.GetAreaPoint(0)->GetName()), std::tuple(2, "A"));
}

TEST(NavWarningReference, MeanOfThePointsOrThePositionKept) {
  CNavWarning w = WithPoints({{50, 1}, {50, 3}, {52, 2}});
  EXPECT_TRUE(w.SetReferencePosition());
  EXPECT_EQ(w.LatitudeText() + " " + w.LongitudeText(), "50 : 40.00 N 2 : 0.00 E");
  CNavWarning none;
  EXPECT_FALSE(none.SetReferencePosition());
  EXPECT_EQ(none.LatitudeText() + " " + none.LongitudeText(), "45 : 0.00 N 5 : 0.00 E");

  // An area across the date line stays where it lies.
  CNavWarning across = WithPoints({{10, 179}, {12, -179}});
  EXPECT_TRUE(across.SetReferencePosition());
  EXPECT_EQ(std::tuple(across.GetLatitude(), std::fabs(across.GetLongitude())), std::tuple(11.0, 180.0));
}

TEST(NavWarningArea, PointsAreOwnedAndLookedUpSafely) {
  CNavWarning w = WithPoints({{1, 1}, {2, 2}});
  EXPECT_EQ(std::tuple(w.GetAreaPoint(-1), w.GetAreaPoint(2)), std::tuple(nullptr, nullptr));
  const CPosition2* added = w.AddAreaPoint();
  EXPECT_EQ(w.GetAreaPoint(2), added);
  const CPosition2 stranger;
  EXPECT_FALSE(w.RemoveAreaPoint(&stranger));
  EXPECT_TRUE(w.RemoveAreaPoint(added));
  EXPECT_EQ(w.GetAreaPointCount(), 2);
}

TEST(WarningSheet, OkStoresTheValuesAndTheReferencePosition) {
  CNavWarning w = WithPoints({{50, 1}, {50, 3}});
  w.validFrom = 1097.123456789;
  w.passingDistance = 1.234;
  EXPECT_EQ(WarningCaption(w, true), "Warning");

  CWarningFields fields = ReadWarning(w);
  EXPECT_EQ(fields.passingDistance, 1.23);
  fields.number = "NW 7";
  fields.validTill = {2003, 1, 4, 12, 0, 0};
  ApplyWarning(fields, w);
  CWarningAreaFields area = ReadWarningArea(w);
  EXPECT_EQ(std::tuple(area.areaKind, area.points.size()), std::tuple(CNavWarning::kSingleLine, 2u));
  area.areaKind = CNavWarning::kNoGoArea;
  area.points.push_back(At(52, 2));
  ApplyWarningArea(area, w);
  FinishWarningEdit(w);

  EXPECT_EQ(std::tuple(w.GetName(), w.number, WarningCaption(w, false), w.LatitudeText(), w.GetAreaPointCount()),
            std::tuple("NW 7", "NW 7", "NW 7", "50 : 40.00 N", 3));
  // Shown to the second and the hundredth, but not rounded by an OK that
  // left them alone.
  EXPECT_EQ(std::tuple(w.areaKind, w.passingDistance, w.validTill, w.validFrom),
            std::tuple(CNavWarning::kNoGoArea, 1.234, DayNumberOf({2003, 1, 4, 12, 0, 0}), 1097.123456789));
}

TEST(WarningSheet, AreaPointsAreEditedOnCopiesAndRefusedWithoutASelection) {
  CNavWarning w = WithPoints({{50, 1}, {51, 2}});
  std::vector<CPosition2> points = ReadWarningArea(w).points;
  CScriptedPrompter prompter;
  EXPECT_EQ(AreaPointToEdit(points, -1, prompter), nullptr);
  EXPECT_FALSE(DeleteAreaPoint(points, 2, prompter));
  EXPECT_EQ(Said(prompter), (std::vector<std::string>{"Stop: No selected position", "Stop: No selected position"}));
  EXPECT_EQ(AreaPointToEdit(points, 1, prompter), &points[1]);
  EXPECT_TRUE(DeleteAreaPoint(points, 0, prompter));
  EXPECT_EQ(AreaPointRows(points), (std::vector<std::array<std::string, 2>>{{"51 : 0.00 N", "2 : 0.00 E"}}));
  EXPECT_EQ(w.GetAreaPointCount(), 2);
}

}  // namespace
}  // namespace marigold
