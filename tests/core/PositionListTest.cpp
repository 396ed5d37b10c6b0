// The owning record list: look-ups and their fall-backs, insertion, removal,
// and the distance helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/FixRecord.h"
#include "core/PositionList.h"

namespace marigold {
namespace {

std::unique_ptr<CPosition2> At(double lat, double lon, const char* name = "P") {
  auto p = std::make_unique<CPosition2>();
  p->SetLatitude(lat);
  p->SetLongitude(lon);
  p->SetName(name);
  return p;
}

// Counts live instances, to see that the list deletes what it owns.
struct CCounted : CPosition2 {
  static inline int alive = 0;
  CCounted() { ++alive; }
  CCounted(const CCounted&) = delete;
  ~CCounted() override { --alive; }
};

TEST(PositionList, EmptyListHasNothingToReturn) {
  CRecordList<CPosition2> list;
  CPosition2 elsewhere;
  EXPECT_EQ(list.GetAt(0), nullptr);
  EXPECT_EQ(list.GetHead(), nullptr);
  EXPECT_EQ(list.GetTail(), nullptr);
  EXPECT_EQ(list.GetNext(&elsewhere), nullptr);
  EXPECT_EQ(list.GetPrev(&elsewhere), nullptr);
  EXPECT_EQ(list.FindNearest(elsewhere), nullptr);
  EXPECT_EQ(list.IndexOf(&elsewhere), -1);
  EXPECT_FALSE(list.Remove(&elsewhere));
  EXPECT_EQ(list.DistanceFromTail(elsewhere, true), 0);
  EXPECT_EQ(list.CourseFromTail(elsewhere, false), 0);
}

TEST(PositionList, LookUpsAndTheirFallBacks) {
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(At(0, 0, "A"));
  CPosition2* b = list.Add(At(0, 1, "B"));
  CPosition2* c = list.Add(At(0, 2, "C"));
  CPosition2 foreign;

  EXPECT_EQ(list.GetAt(1), b);
  EXPECT_EQ(list.GetAt(-1), c);
  EXPECT_EQ(list.GetAt(3), c);
  EXPECT_EQ(list.GetHead(), a);
  EXPECT_EQ(list.GetNext(a), b);
  EXPECT_EQ(list.GetNext(c), nullptr);
  EXPECT_EQ(list.GetNext(&foreign), c);
  EXPECT_EQ(list.GetPrev(c), b);
  EXPECT_EQ(list.GetPrev(a), a);
  EXPECT_EQ(list.GetPrev(&foreign), a);
  EXPECT_EQ(list.IndexOf(a), 0);
  EXPECT_EQ(list.IndexOf(c), 2);
  EXPECT_EQ(list.IndexOf(&foreign), 2);
  EXPECT_EQ(list.IndexOf(nullptr), 2);
}

TEST(PositionList, InsertAfterAndRemove) {
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(At(0, 0, "A"));
  CPosition2* c = list.Add(At(0, 2, "C"));
  CPosition2* b = list.InsertAfter(a, At(0, 1, "B"));
  CPosition2* d = list.InsertAfter(c, At(0, 3, "D"));
  CPosition2 foreign;
  CPosition2* e = list.InsertAfter(&foreign, At(0, 4, "E"));
  CPosition2* f = list.InsertAfter(nullptr, At(0, 5, "F"));
  ASSERT_EQ(list.GetCount(), 6);
  const CPosition2* order[] = {a, b, c, d, e, f};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(list.GetAt(i), order[i]) << i;

  EXPECT_FALSE(list.Remove(&foreign));
  EXPECT_EQ(list.GetCount(), 6);
  EXPECT_TRUE(list.Remove(c));
  EXPECT_EQ(list.GetNext(b), d);
  EXPECT_FALSE(list.Remove(c));
  EXPECT_TRUE(list.Remove(f));
  EXPECT_EQ(list.GetTail(), e);
}

TEST(PositionList, OwnsItsRecords) {
  {
    CRecordList<CCounted> list;
    CCounted* first = list.AddNew();
    list.AddNew();
    list.AddNew();
    EXPECT_EQ(CCounted::alive, 3);
    list.Remove(first);
    EXPECT_EQ(CCounted::alive, 2);
    list.RemoveAll();
    EXPECT_EQ(CCounted::alive, 0);
    EXPECT_EQ(list.GetCount(), 0);
    list.AddNew();
  }
  EXPECT_EQ(CCounted::alive, 0);
}

TEST(PositionList, FindNearestByGreatCircleFirstOfEqual) {
  CRecordList<CPosition2> list;
  CPosition2* north = list.Add(At(1, 0));
  CPosition2* south = list.Add(At(-1, 0));
  CPosition2* near = list.Add(At(0, 0.5));
  CPosition2 ship;
  ship.SetLatitude(0);
  ship.SetLongitude(0);
  EXPECT_EQ(list.FindNearest(ship), near);
  list.Remove(near);
  EXPECT_EQ(list.FindNearest(ship), north);
  ship.SetLatitude(-0.1);
  EXPECT_EQ(list.FindNearest(ship), south);

  // From 60N: 40 degrees along the parallel is 1200 nM by rhumb line but
  // about 1183 nM by great circle, against 1194 nM down the meridian.
  CRecordList<CPosition2> far;
  far.Add(At(40.1, 0));
  CPosition2* east = far.Add(At(60, 40));
  ship.SetLatitude(60);
  EXPECT_EQ(far.FindNearest(ship), east);
}

TEST(PositionList, SumDistanceAlongRhumbLines) {
  // On the 60th parallel a rhumb-line degree of longitude is 30 nM; the great
  // circle between the same points is shorter.
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(At(60, 0));
  CPosition2* b = list.Add(At(60, 10));
  CPosition2* c = list.Add(At(60, 30));
  EXPECT_EQ(list.SumDistance(a, a), 0);
  EXPECT_NEAR(list.SumDistance(a, b), 300, 1e-6);
  EXPECT_NEAR(list.SumDistance(a, c), 900, 1e-6);
  EXPECT_NEAR(list.SumDistance(b, c), 600, 1e-6);
}

TEST(PositionList, HoursAndDistanceFromTail) {
  CRecordList<CPosition2> list;
  CPosition2* a = list.Add(At(0, 0));
  CPosition2* b = list.Add(At(0, 0));
  a->SetTime(100.0);
  b->SetTime(101.5);
  EXPECT_DOUBLE_EQ(list.HoursBetween(*a, *b), 36.0);
  EXPECT_DOUBLE_EQ(list.HoursBetween(*b, *a), -36.0);

  // From the tail to the position, not the other way round.
  CPosition2 east;
  east.SetLatitude(0);
  east.SetLongitude(1);
  EXPECT_NEAR(list.DistanceFromTail(east, false), 60, 1e-6);
  EXPECT_NEAR(list.DistanceFromTail(east, true), 60, 1e-6);
  EXPECT_NEAR(list.CourseFromTail(east, false), 90, 1e-6);
  EXPECT_NEAR(list.CourseFromTail(east, true), 90, 1e-6);
  list.Add(At(1, 1));
  EXPECT_NEAR(list.CourseFromTail(east, false), 180, 1e-6);
}

}  // namespace
}  // namespace marigold

namespace marigold {
namespace {

TEST(PositionListRemoveIf, DeletesTheAcceptedRecordsAndKeepsTheOrder) {
  CRecordList<CFixRecord> list;
  for (int i = 0; i < 6; ++i) list.AddNew()->SetTime(i);
  const CFixRecord* kept = list.GetAt(3);
  EXPECT_EQ(list.RemoveIf([](const CFixRecord& f) { return static_cast<int>(f.GetTime()) % 2 == 0; }), 3);
  ASSERT_EQ(list.GetCount(), 3);
  EXPECT_EQ(list.GetAt(0)->GetTime(), 1);
  EXPECT_EQ(list.GetAt(1), kept);
  EXPECT_EQ(list.GetAt(2)->GetTime(), 5);
}

}  // namespace
}  // namespace marigold
