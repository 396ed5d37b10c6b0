#pragma once
// A nearest-record search over a list that answers exactly as the list's own
// FindNearest (same great-circle formula, first of equally near records), but
// without measuring every record: filling the weather of a long route from
// thousands of meteo records would otherwise measure millions of distances.
//
// The index borrows the list: it is valid until the list changes.
#include <vector>

#include "core/PositionList.h"

namespace marigold {

class CNearestIndex {
 public:
  explicit CNearestIndex(const CPositionList& list);

  // The record FindNearest would give; nullptr for an empty list.
  const CPosition2* Nearest(const CPosition2& position) const;
  // Its index in the list; -1 for an empty list.
  int NearestIndex(const CPosition2& position) const;

 private:
  // A record as a point on the unit sphere.
  struct CPoint {
    double v[3];
    int index;
  };
  // A box of points[begin, end); leaves have no children (left < 0).
  struct CNode {
    double low[3];
    double high[3];
    int begin;
    int end;
    int left;
    int right;
  };
  struct CBest;

  int Build(int begin, int end);
  void Search(int node, const double q[3], const CPosition2& position, CBest& best) const;
  void Consider(int index, const CPosition2& position, CBest& best) const;
  int LinearScan(const CPosition2& position) const;

  std::vector<const CPosition2*> records_;  // by list index
  std::vector<CPoint> points_;
  std::vector<CNode> nodes_;
  // Records whose coordinates are too large for the box bounds to be
  // trusted; measured on every search.
  std::vector<int> unindexed_;
};

}  // namespace marigold
