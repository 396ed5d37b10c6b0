#include "lists/WarningApproach.h"

#include <cmath>
#include <limits>

#include "core/Angles.h"
#include "core/FixRecord.h"
#include "core/Navigation.h"

namespace marigold {
namespace {

using CSphereVector = CWarningTrack::CSphereVector;

constexpr double kNoApproach = 4.0e12;  // nM, beyond any distance on the earth

// The dot product and the distance formula round differently, by well under
// 1e-12; a point whose dot product falls short of the best by more than this
// margin is strictly farther by the exact distance too.
constexpr double kDotMargin = 1e-9;
// Beyond this many degrees the rounding of the vector's angles could exceed
// the margin: such points are always measured exactly.
constexpr double kTrustedDegrees = 1e5;

CSphereVector VectorOf(double latitude, double longitude) {
  CSphereVector v;
  v.exactOnly = std::fabs(latitude) > kTrustedDegrees || std::fabs(longitude) > kTrustedDegrees;
  const CUnitVector u = UnitVectorOf(latitude, longitude);
  v.x = u.x;
  v.y = u.y;
  v.z = u.z;
  return v;
}

CSphereVector VectorOf(const CPosition2& p) { return VectorOf(p.GetLatitude(), p.GetLongitude()); }

double Dot(const CSphereVector& a, const CSphereVector& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// The index a scan "d = exact(i); if (d < best) take i" would end on: the
// first of the points at the least exact distance, -1 when no distance is a
// number. Only the points that the dot product cannot rule out are measured.
template <class Exact, class VectorAt>
int FirstNearest(const CSphereVector& from, std::size_t count, VectorAt vectorAt, Exact exact) {
  const auto screened = [&](const CSphereVector& v) { return !from.exactOnly && !v.exactOnly; };
  double most = -std::numeric_limits<double>::infinity();
  for (std::size_t i = 0; i < count; ++i) {
    const CSphereVector& v = vectorAt(i);
    if (screened(v) && Dot(from, v) > most) most = Dot(from, v);
  }
  const double threshold = most - kDotMargin;
  double best = std::numeric_limits<double>::infinity();
  int bestIndex = -1;
  for (std::size_t i = 0; i < count; ++i) {
    const CSphereVector& v = vectorAt(i);
    // A point whose coordinates are not numbers has no distance either.
    if (screened(v) && !(Dot(from, v) >= threshold)) continue;
    const double d = exact(i);
    if (d < best) {
      best = d;
      bestIndex = static_cast<int>(i);
    }
  }
  return bestIndex;
}

bool CanStep(const CVoyage& route, double stepHours) {
  return !route.IsEmpty() && std::isfinite(stepHours) && stepHours > 0;
}

std::unique_ptr<CPosition2> MakeResult(const CPosition2& warning, double time) {
  auto result = std::make_unique<CPosition2>();
  result->SetLatitude(warning.GetLatitude());
  result->SetLongitude(warning.GetLongitude());
  result->SetTimeA(time);
  return result;
}

}  // namespace

std::unique_ptr<CPosition2> ClosestApproach(const CPosition2& warning, CVoyage& route, const CPosition2& start,
                                            double stepHours, double& distance, double& bearing) {
  double t = start.GetTime();
  auto result = MakeResult(warning, t);
  if (!CanStep(route, stepHours)) return result;
  // Following the route moves the route's idea of the next waypoint along
  // with the stepping ship; the ship itself has not moved.
  const int savedNextWaypoint = route.nextWaypointIndex;
  const CNavigation nav;
  const double tEnd = route.GetTail()->GetTimeB();
  CFixRecord p;  // its own ground course stays 0
  p.SetLatitude(start.GetLatitude());
  p.SetLongitude(start.GetLongitude());
  double best = kNoApproach;
  for (int step = 0; t < tEnd && step < kMaxApproachSteps; ++step) {
    const CWaypoint* w = route.NextWaypoint(p);
    nav.DeadReckoning(p, stepHours * w->keptGroundspeed, w->groundCourse);
    t = t + stepHours / 24;
    const double d = nav.Distance(p, warning, true);
    if (d < best) {
      best = d;
      result->SetLatitude(p.GetLatitude());
      result->SetLongitude(p.GetLongitude());
      result->SetTimeA(t);
      distance = d;
      bearing = nav.Course(p, warning, true);
    }
  }
  route.nextWaypointIndex = savedNextWaypoint;
  return result;
}

CWarningTrack::CWarningTrack(const CVoyage& route, const CPosition2& start, double stepHours)
    : startTime_(start.GetTime()) {
  if (!CanStep(route, stepHours)) return;
  const CNavigation nav;
  std::vector<const CWaypoint*> waypoints;
  std::vector<CSphereVector> vectors;
  waypoints.reserve(static_cast<std::size_t>(route.GetCount()));
  vectors.reserve(waypoints.capacity());
  for (const auto& record : route) {
    waypoints.push_back(static_cast<const CWaypoint*>(record.get()));
    vectors.push_back(VectorOf(*record));
  }
  const std::size_t last = waypoints.size() - 1;
  const double tEnd = waypoints[last]->GetTimeB();

  CPosition2 p;
  p.SetLatitude(start.GetLatitude());
  p.SetLongitude(start.GetLongitude());
  double t = startTime_;
  for (int step = 0; t < tEnd && step < kMaxApproachSteps; ++step) {
    // CVoyage::NextWaypoint for a position whose ground course is 0: the
    // nearest waypoint (the head when none has a distance), or the one after
    // it when the nearest one's leg runs between 90 and 270 degrees.
    int nearest = FirstNearest(
        VectorOf(p), vectors.size(), [&](std::size_t i) -> const CSphereVector& { return vectors[i]; },
        [&](std::size_t i) { return nav.Distance(p, *waypoints[i], true); });
    auto index = static_cast<std::size_t>(nearest < 0 ? 0 : nearest);
    const double turn = std::fabs(waypoints[index]->groundCourse - 0.0);
    if (turn >= 90 && turn <= 270 && index != last) ++index;
    const CWaypoint* w = waypoints[index];
    nav.DeadReckoning(p, stepHours * w->keptGroundspeed, w->groundCourse);
    t = t + stepHours / 24;
    steps_.push_back({p.GetLatitude(), p.GetLongitude(), t, VectorOf(p)});
  }
}

std::unique_ptr<CPosition2> CWarningTrack::ClosestApproach(const CPosition2& warning, double& distance,
                                                           double& bearing) const {
  auto result = MakeResult(warning, startTime_);
  const CNavigation nav;
  CPosition2 p;
  const auto moveTo = [&](const CStep& s) {
    p.SetLatitude(s.latitude);
    p.SetLongitude(s.longitude);
  };
  const int nearest = FirstNearest(
      VectorOf(warning), steps_.size(), [&](std::size_t i) -> const CSphereVector& { return steps_[i].vector; },
      [&](std::size_t i) {
        moveTo(steps_[i]);
        return nav.Distance(p, warning, true);
      });
  if (nearest < 0) return result;
  const CStep& s = steps_[static_cast<std::size_t>(nearest)];
  moveTo(s);
  const double d = nav.Distance(p, warning, true);
  if (!(d < kNoApproach)) return result;
  result->SetLatitude(s.latitude);
  result->SetLongitude(s.longitude);
  result->SetTimeA(s.time);
  distance = d;
  bearing = nav.Course(p, warning, true);
  return result;
}

}  // namespace marigold
