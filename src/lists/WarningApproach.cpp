#include "lists/WarningApproach.h"

#include <algorithm>
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

// The waypoint the ship heads for from the start, without storing it in the
// route; a plain position is taken as a fix making good 0 degrees.
int NextIndex(const CVoyage& route, const CPosition2& start) {
  if (const auto* fix = dynamic_cast<const CFixRecord*>(&start)) return route.NextWaypointIndex(*fix);
  CFixRecord plain;
  plain.SetLatitude(start.GetLatitude());
  plain.SetLongitude(start.GetLongitude());
  return route.NextWaypointIndex(plain);
}

// A distance along a great circle from a point with an initial course, on
// the sphere with the navigation's pi.
void AlongGreatCircle(double latitude, double longitude, double course, double distance, double& toLatitude,
                      double& toLongitude) {
  const double phi1 = latitude / kDegreesPerRadian;
  const double theta = course / kDegreesPerRadian;
  const double delta = distance / (60 * kDegreesPerRadian);
  const double sinPhi2 =
      std::clamp(std::sin(phi1) * std::cos(delta) + std::cos(phi1) * std::sin(delta) * std::cos(theta), -1.0, 1.0);
  const double dLambda =
      std::atan2(std::sin(theta) * std::sin(delta) * std::cos(phi1), std::cos(delta) - std::sin(phi1) * sinPhi2);
  toLatitude = std::asin(sinPhi2) * kDegreesPerRadian;
  toLongitude = longitude + dLambda * kDegreesPerRadian;
}

}  // namespace

CPlannedTrack::CPlannedTrack(const CVoyage& route, const CPosition2& start)
    : startLatitude_(start.GetLatitude()), startLongitude_(start.GetLongitude()) {
  if (route.IsEmpty()) return;
  const CNavigation nav;
  const CPosition2* from = &start;
  double hours = 0;
  for (int k = NextIndex(route, start); k < route.GetCount(); ++k) {
    const CWaypoint& to = *route.GetAt(k);
    CLeg leg;
    leg.fromLatitude = from->GetLatitude();
    leg.fromLongitude = from->GetLongitude();
    leg.toLatitude = to.GetLatitude();
    leg.toLongitude = to.GetLongitude();
    leg.greatCircle = to.greatCircle;
    leg.course = nav.Course(*from, to, to.greatCircle);
    leg.speed = to.keptGroundspeed;
    const double distance = nav.Distance(*from, to, to.greatCircle);
    leg.begins = hours;
    // A leg of no length takes no time, whatever the speed; a ship that
    // makes no way on a leg never leaves it.
    if (distance != 0)
      hours +=
          leg.speed > 0 && std::isfinite(leg.speed) ? distance / leg.speed : std::numeric_limits<double>::infinity();
    leg.ends = hours;
    legs_.push_back(leg);
    from = &to;
  }
}

void CPlannedTrack::PositionAt(double hours, double& latitude, double& longitude) const {
  latitude = startLatitude_;
  longitude = startLongitude_;
  for (const CLeg& leg : legs_) {
    if (!(hours < leg.ends)) {  // turned at this leg's waypoint
      latitude = leg.toLatitude;
      longitude = leg.toLongitude;
      continue;
    }
    const double sailed = (hours - leg.begins) * leg.speed;
    if (!(sailed > 0)) return;  // at the leg's start
    if (leg.greatCircle) {
      AlongGreatCircle(leg.fromLatitude, leg.fromLongitude, leg.course, sailed, latitude, longitude);
    } else {
      CPosition2 p;
      p.SetLatitude(leg.fromLatitude);
      p.SetLongitude(leg.fromLongitude);
      CNavigation().DeadReckoning(p, sailed, leg.course);
      latitude = p.GetLatitude();
      longitude = p.GetLongitude();
    }
    return;
  }
}

std::unique_ptr<CPosition2> ClosestApproach(const CPosition2& warning, const CVoyage& route, const CPosition2& start,
                                            double stepHours, double& distance, double& bearing) {
  double t = start.GetTime();
  auto result = MakeResult(warning, t);
  if (!CanStep(route, stepHours)) return result;
  const CNavigation nav;
  const CPlannedTrack track(route, start);
  const double tEnd = route.GetTail()->GetTimeB();
  CPosition2 p;
  double best = kNoApproach;
  for (int step = 0; t < tEnd && step < kMaxApproachSteps; ++step) {
    double latitude, longitude;
    track.PositionAt((step + 1) * stepHours, latitude, longitude);
    p.SetLatitude(latitude);
    p.SetLongitude(longitude);
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
  return result;
}

CWarningTrack::CWarningTrack(const CVoyage& route, const CPosition2& start, double stepHours)
    : startTime_(start.GetTime()) {
  if (!CanStep(route, stepHours)) return;
  const CPlannedTrack track(route, start);
  const double tEnd = route.GetTail()->GetTimeB();
  double t = startTime_;
  for (int step = 0; t < tEnd && step < kMaxApproachSteps; ++step) {
    double latitude, longitude;
    track.PositionAt((step + 1) * stepHours, latitude, longitude);
    t = t + stepHours / 24;
    steps_.push_back({latitude, longitude, t, VectorOf(latitude, longitude)});
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
