// The warning record: its archive form against bytes written out by hand,
// all-or-nothing loading, the reference position, the area points and the
// values the warning sheet moves in and out.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "lists/NavWarning.h"
#include "lists/WarningSheet.h"

namespace marigold {
namespace {

const std::string kZero = "00 00 00 00 00 00 00 00 ";

// "NW 12" at 50°N 002°E, passing 2.5 nM, valid from 1097.5 till 1100.0, no
// second text, points "A" 49°N 001°E and "B" 51°N 003°E, no-go area.
const CBytes kWarning = Hex(
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 49 40  00 00 00 00 00 00 00 40 "
    "05 4e 57 20 31 32 " + kZero + kZero + kZero + kZero +
    "00 00 00 00 00 00 04 40  00 00 00 00 00 30 91 40  00 00 00 00 00 26 91 40 "
    "05 4e 57 20 31 32  00 "
    "02 00 00 00 "
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 48 40  00 00 00 00 00 00 f0 3f  01 41 " +
    kZero + kZero + kZero + kZero +
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 49 40  00 00 00 00 00 00 08 40  01 42 " +
    kZero + kZero + kZero + kZero +
    "00 00 00 00");

CNavWarning Loaded(const CBytes& bytes) {
  CNavWarning w;
  CArchive ar = CArchive::ForLoading(bytes);
  w.Serialize(ar);
  EXPECT_TRUE(ar.AtEnd());
  return w;
}

CNavWarning WithPoints(std::initializer_list<std::pair<double, double>> points) {
  CNavWarning w;
  for (const auto& [lat, lon] : points) {
    CPosition2* p = w.AddAreaPoint();
    p->SetLatitude(lat);
    p->SetLongitude(lon);
  }
  return w;
}

TEST(NavWarningArchive, TwoAreaPointsLoadAndStoreByteForByte) {
  CNavWarning w = Loaded(kWarning);
  EXPECT_EQ(w.GetName(), "NW 12");
  EXPECT_EQ(w.number, "NW 12");
  EXPECT_EQ(w.GetLatitude(), 50.0);
  EXPECT_EQ(w.GetLongitude(), 2.0);
  EXPECT_EQ(w.passingDistance, 2.5);
  EXPECT_EQ(w.validFrom, 1097.5);
  EXPECT_EQ(w.validTill, 1100.0);
  EXPECT_EQ(w.secondText, "");
  EXPECT_EQ(w.areaKind, CNavWarning::kNoGoArea);
  ASSERT_EQ(w.GetAreaPointCount(), 2);
  EXPECT_EQ(w.GetAreaPoint(0)->GetName(), "A");
  EXPECT_EQ(w.GetAreaPoint(1)->GetLatitude(), 51.0);
  EXPECT_EQ(w.GetAreaPoint(1)->GetLongitude(), 3.0);

  CArchive out = CArchive::ForStoring();
  w.Serialize(out);
  EXPECT_EQ(out.Bytes(), kWarning);
}

TEST(NavWarningArchive, LoadingReplacesThePointsOnlyWhenAllIsRead) {
  CNavWarning w = WithPoints({{10, 10}, {11, 11}, {12, 12}});
  w.number = "old";
  const CPosition2* kept = w.GetAreaPoint(0);

  // Cut inside the second point, and just before the area kind.
  for (const std::size_t cut : {kWarning.size() - 40, kWarning.size() - 1}) {
    const CBytes shortBytes(kWarning.begin(), kWarning.begin() + static_cast<std::ptrdiff_t>(cut));
    CArchive ar = CArchive::ForLoading(shortBytes);
    EXPECT_THROW(w.Serialize(ar), CArchiveException);
    EXPECT_EQ(w.number, "old");
    EXPECT_EQ(w.GetAreaPointCount(), 3);
    EXPECT_EQ(w.GetAreaPoint(0), kept);
  }

  CArchive ar = CArchive::ForLoading(kWarning);
  w.Serialize(ar);
  EXPECT_EQ(w.GetAreaPointCount(), 2);
  EXPECT_EQ(w.GetAreaPoint(0)->GetName(), "A");
}

TEST(NavWarningReference, MeanOfThePointsOrThePositionKept) {
  CNavWarning w = WithPoints({{50, 1}, {50, 3}, {52, 2}});
  EXPECT_TRUE(w.SetReferencePosition());
  EXPECT_EQ(w.LatitudeText(), "50 : 40.00 N");
  EXPECT_EQ(w.LongitudeText(), "2 : 0.00 E");

  CNavWarning none;
  EXPECT_FALSE(none.SetReferencePosition());
  EXPECT_EQ(none.LatitudeText(), "45 : 0.00 N");
  EXPECT_EQ(none.LongitudeText(), "5 : 0.00 E");
}

TEST(NavWarningReference, AnAreaAcrossTheDateLineStaysWhereItLies) {
  CNavWarning w = WithPoints({{10, 179}, {12, -179}});
  EXPECT_TRUE(w.SetReferencePosition());
  EXPECT_EQ(w.GetLatitude(), 11.0);
  EXPECT_EQ(std::fabs(w.GetLongitude()), 180.0);
}

TEST(NavWarningArea, PointsAreOwnedAndLookedUpSafely) {
  CNavWarning w = WithPoints({{1, 1}, {2, 2}});
  EXPECT_EQ(w.GetAreaPoint(-1), nullptr);
  EXPECT_EQ(w.GetAreaPoint(2), nullptr);
  const CPosition2* added = w.AddAreaPoint();
  EXPECT_EQ(w.GetAreaPoint(2), added);
  const CPosition2 stranger;
  EXPECT_FALSE(w.RemoveAreaPoint(&stranger));
  EXPECT_TRUE(w.RemoveAreaPoint(added));
  EXPECT_EQ(w.GetAreaPointCount(), 2);
}

TEST(WarningSheet, OkStoresTheValuesAndTheReferencePosition) {
  CNavWarning w = WithPoints({{50, 1}, {50, 3}, {52, 2}});
  w.validFrom = 1097.123456789;
  EXPECT_EQ(WarningCaption(w, true), "Warning");

  CWarningFields fields = ReadWarning(w);
  EXPECT_EQ(fields.areaKind, CNavWarning::kSingleLine);
  fields.number = "NW 7";
  fields.validTill = {2003, 1, 4, 12, 0, 0};
  fields.passingDistance = 3;
  fields.areaKind = CNavWarning::kNoGoArea;
  ApplyWarning(fields, w);

  EXPECT_EQ(w.GetName(), "NW 7");
  EXPECT_EQ(w.number, "NW 7");
  EXPECT_EQ(WarningCaption(w, false), "NW 7");
  EXPECT_EQ(w.LatitudeText(), "50 : 40.00 N");
  EXPECT_EQ(w.areaKind, CNavWarning::kNoGoArea);
  EXPECT_EQ(w.passingDistance, 3.0);
  EXPECT_EQ(w.validTill, DayNumberOf({2003, 1, 4, 12, 0, 0}));
  // Shown to the second, but not rounded by an OK that left it alone.
  EXPECT_EQ(w.validFrom, 1097.123456789);
}

TEST(WarningSheet, EditAndDeleteWithoutASelectionAreRefused) {
  CNavWarning w = WithPoints({{50, 1}});
  CScriptedPrompter prompter;
  EXPECT_EQ(AreaPointToEdit(w, -1, prompter), nullptr);
  EXPECT_FALSE(DeleteAreaPoint(w, 1, prompter));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, "No selected position");
  EXPECT_EQ(prompter.messages[1].icon, EMessageIcon::Stop);
  EXPECT_EQ(AreaPointRows(w)[0][0], "50 : 0.00 N");
  EXPECT_TRUE(DeleteAreaPoint(w, 0, prompter));
  EXPECT_EQ(w.GetAreaPointCount(), 0);
}

}  // namespace
}  // namespace marigold
