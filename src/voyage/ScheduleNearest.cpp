#include "voyage/ScheduleNearest.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Angles.h"
#include "core/Navigation.h"

namespace marigold {
namespace {

// Coordinates beyond this many degrees lose too much to rounding in the
// formula's longitude difference for a box bound to be trusted.
constexpr double kIndexedRange = 1.0e4;
// Allowance for rounding in the formula: near 0 and near the antipode the
// arc cosine turns 1e-16 of rounding into some 1e-4 nM; this is far wider.
constexpr double kMarginNm = 0.05;
constexpr int kLeafSize = 8;

bool Indexable(double latitude, double longitude) {
  return std::fabs(latitude) <= kIndexedRange && std::fabs(longitude) <= kIndexedRange;
}

void UnitVector(double latitude, double longitude, double v[3]) {
  const CUnitVector u = UnitVectorOf(latitude, longitude);
  v[0] = u.x;
  v[1] = u.y;
  v[2] = u.z;
}

}  // namespace

struct CNearestIndex::CBest {
  double distance = 1.0e16;  // FindNearest's starting value
  int index = 0;             // and its answer when nothing is nearer
  double chordLimit2 = std::numeric_limits<double>::infinity();

  // Squared chord beyond which no record can be as near as the best (with
  // the rounding margin).
  void Tighten() {
    const double angle = (distance + kMarginNm) / (60 * kDegreesPerRadian);
    if (angle >= kPi) return;
    const double chord = 2 * std::sin(angle * 0.5);
    chordLimit2 = chord * chord;
  }
};

CNearestIndex::CNearestIndex(const CPositionList& list) {
  records_.reserve(static_cast<std::size_t>(list.GetCount()));
  for (const auto& record : list) records_.push_back(record.get());
  points_.reserve(records_.size());
  for (int i = 0; i < static_cast<int>(records_.size()); ++i) {
    const double latitude = records_[i]->GetLatitude();
    const double longitude = records_[i]->GetLongitude();
    // A position that is not a number is never the nearest of any search.
    if (!std::isfinite(latitude) || !std::isfinite(longitude)) continue;
    if (!Indexable(latitude, longitude)) {
      unindexed_.push_back(i);
      continue;
    }
    CPoint p{};
    UnitVector(latitude, longitude, p.v);
    p.index = i;
    points_.push_back(p);
  }
  if (!points_.empty()) {
    nodes_.reserve(2 * points_.size() / kLeafSize + 1);
    Build(0, static_cast<int>(points_.size()));
  }
}

int CNearestIndex::Build(int begin, int end) {
  const int self = static_cast<int>(nodes_.size());
  nodes_.push_back({});
  CNode node{};
  for (int axis = 0; axis < 3; ++axis) {
    node.low[axis] = std::numeric_limits<double>::infinity();
    node.high[axis] = -std::numeric_limits<double>::infinity();
  }
  for (int i = begin; i < end; ++i)
    for (int axis = 0; axis < 3; ++axis) {
      node.low[axis] = std::min(node.low[axis], points_[i].v[axis]);
      node.high[axis] = std::max(node.high[axis], points_[i].v[axis]);
    }
  node.begin = begin;
  node.end = end;
  node.left = node.right = -1;
  if (end - begin > kLeafSize) {
    int axis = 0;
    for (int a = 1; a < 3; ++a)
      if (node.high[a] - node.low[a] > node.high[axis] - node.low[axis]) axis = a;
    const int middle = begin + (end - begin) / 2;
    std::nth_element(points_.begin() + begin, points_.begin() + middle, points_.begin() + end,
                     [axis](const CPoint& a, const CPoint& b) { return a.v[axis] < b.v[axis]; });
    node.left = Build(begin, middle);
    node.right = Build(middle, end);
  }
  nodes_[self] = node;
  return self;
}

void CNearestIndex::Consider(int index, const CPosition2& position, CBest& best) const {
  // Exactly FindNearest's measure, arguments in its order.
  const double d = CNavigation().Distance(position, *records_[index], true);
  if (d < best.distance || (d == best.distance && index < best.index)) {
    best.distance = d;
    best.index = index;
    best.Tighten();
  }
}

void CNearestIndex::Search(int nodeIndex, const double q[3], const CPosition2& position, CBest& best) const {
  const CNode& node = nodes_[nodeIndex];
  if (node.left < 0) {
    for (int i = node.begin; i < node.end; ++i) {
      const CPoint& p = points_[i];
      const double dx = q[0] - p.v[0], dy = q[1] - p.v[1], dz = q[2] - p.v[2];
      if (dx * dx + dy * dy + dz * dz <= best.chordLimit2) Consider(p.index, position, best);
    }
    return;
  }
  auto boxDistance2 = [q](const CNode& n) {
    double sum = 0;
    for (int axis = 0; axis < 3; ++axis) {
      const double d =
          q[axis] < n.low[axis] ? n.low[axis] - q[axis] : (q[axis] > n.high[axis] ? q[axis] - n.high[axis] : 0);
      sum += d * d;
    }
    return sum;
  };
  int nearer = node.left, further = node.right;
  double nearerDistance2 = boxDistance2(nodes_[nearer]);
  double furtherDistance2 = boxDistance2(nodes_[further]);
  if (furtherDistance2 < nearerDistance2) {
    std::swap(nearer, further);
    std::swap(nearerDistance2, furtherDistance2);
  }
  if (nearerDistance2 <= best.chordLimit2) Search(nearer, q, position, best);
  if (furtherDistance2 <= best.chordLimit2) Search(further, q, position, best);
}

int CNearestIndex::LinearScan(const CPosition2& position) const {
  CBest best;
  for (int i = 0; i < static_cast<int>(records_.size()); ++i) Consider(i, position, best);
  return best.index;
}

int CNearestIndex::NearestIndex(const CPosition2& position) const {
  if (records_.empty()) return -1;
  const double latitude = position.GetLatitude();
  const double longitude = position.GetLongitude();
  if (!std::isfinite(latitude) || !std::isfinite(longitude) || !Indexable(latitude, longitude))
    return LinearScan(position);
  CBest best;
  for (const int i : unindexed_) Consider(i, position, best);
  if (!nodes_.empty()) {
    double q[3];
    UnitVector(latitude, longitude, q);
    Search(0, q, position, best);
  }
  return best.index;
}

const CPosition2* CNearestIndex::Nearest(const CPosition2& position) const {
  const int i = NearestIndex(position);
  return i < 0 ? nullptr : records_[static_cast<std::size_t>(i)];
}

}  // namespace marigold
