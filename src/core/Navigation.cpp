#include "core/Navigation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/FixRecord.h"
#include "core/LocalClock.h"

namespace marigold {
namespace {

// Below this |Δψ| (radians of meridional parts) the rhumb-line formulas take
// the east-west form: the ratio Δφ/Δψ is replaced by cos φm, the cosine of the
// middle latitude, as careful rhumb-line code does (GeographicLib's Rhumb
// class and the Aviation Formulary both switch to cos φ near Δφ = 0).
//
// Why 1e-5: Δψ = ln |tan(pi/4 + φ2/2) / tan(pi/4 + φ1/2)| is the logarithm of
// a quotient near 1, so its rounding error is absolute, a few units of the
// last place of 1: about 5e-16 / cos φ (two tangents, a division and the
// logarithm, each with an error near 1.1e-16, the tangents' growing as 1/cos φ
// towards the poles). The ratio Δφ/Δψ therefore carries a relative error of
// about 5e-16 / (cos φ · |Δψ|): 5e-11 / cos φ at |Δψ| = 1e-5, but 10 % and
// more when the two latitudes differ only by the rounding of a dead
// reckoning (|Δψ| near 1e-16), which is how a current of 7 knots came out as
// 10.5. The east-west form has no rounding trouble; its error is that of the
// midpoint rule for Δψ = ∫ sec φ dφ, a relative Δφ² (1 + 2 tan² φ) / 24: with
// |Δφ| <= |Δψ| cos φ < 1e-5 that is below 1e-11. At 1e-5 (about 0.03 nM of
// latitude) both forms are thus good to about 1e-11 of the distance, and each
// is used on the side where it is the better one.
constexpr double kTinyMeridionalParts = 1e-5;

// The navigation's pi (3.141592654) is a hair larger than pi, so 90° of
// latitude becomes an angle just past π/2, whose tangent is a huge NEGATIVE
// number and whose cosine is negative: a course to the pole came out as
// 179.99999998° instead of 0°. Latitudes within that hair of the pole are
// taken as the pole itself.
double LatitudeRadians(double latitude) {
  constexpr double kHalfPi = std::numbers::pi / 2;
  const double phi = latitude / kDegreesPerRadian;
  if (phi > kHalfPi && phi <= kPi / 2) return kHalfPi;
  if (phi < -kHalfPi && phi >= -kPi / 2) return -kHalfPi;
  return phi;
}

}  // namespace

// Δψ = ln |tan(pi/4 + φ2/2) / tan(pi/4 + φ1/2)|, φ in radians.
double CNavigation::MeridionalPartsDifference(double phi1, double phi2) const {
  return std::log(std::fabs(std::tan(pi * 0.25 + phi2 * 0.5) / std::tan(pi * 0.25 + phi1 * 0.5)));
}

double CNavigation::Distance(const CPosition2& from, const CPosition2& to, bool greatCircle) const {
  const double phi1 = LatitudeRadians(from.GetLatitude());
  const double phi2 = LatitudeRadians(to.GetLatitude());
  const double dLambda = (to.GetLongitude() - from.GetLongitude()) / deg;
  double d;
  if (greatCircle) {
    // Rounding can carry the sum just past ±1 for (nearly) identical or
    // antipodal positions.
    const double c = std::cos(dLambda) * std::cos(phi2) * std::cos(phi1) + std::sin(phi2) * std::sin(phi1);
    d = std::acos(std::clamp(c, -1.0, 1.0));
  } else if (const double dPsi = MeridionalPartsDifference(phi1, phi2); std::fabs(dPsi) < kTinyMeridionalParts) {
    // The east-west form; equal latitudes give |Δλ| · cos φ exactly.
    d = std::hypot(phi2 - phi1, std::cos((phi1 + phi2) * 0.5) * dLambda);
  } else {
    const double course = std::atan(dLambda / dPsi);
    d = std::fabs((phi2 - phi1) / std::cos(course));
  }
  return d * deg * 60;
}

double CNavigation::Course(const CPosition2& from, const CPosition2& to, bool greatCircle) const {
  const double phi1 = LatitudeRadians(from.GetLatitude());
  const double phi2 = LatitudeRadians(to.GetLatitude());
  const double dLambda = (to.GetLongitude() - from.GetLongitude()) / deg;
  double c;
  if (greatCircle) {
    c = std::atan2(std::sin(dLambda), std::tan(phi2) * std::cos(phi1) - std::sin(phi1) * std::cos(dLambda));
  } else if (const double dPsi = MeridionalPartsDifference(phi1, phi2); std::fabs(dPsi) < kTinyMeridionalParts) {
    // tan C = Δλ / Δψ = cos φm · Δλ / Δφ; equal latitudes give 90 or 270.
    c = std::atan2(std::cos((phi1 + phi2) * 0.5) * dLambda, phi2 - phi1);
  } else {
    c = std::atan2(dLambda, dPsi);
  }
  if (c < 0) c += 2 * pi;
  // A course a hair west of north rounds up to 2·pi when it is added.
  const double degrees = c * deg;
  return degrees >= 360 ? degrees - 360 : degrees;
}

void CNavigation::DeadReckoning(CPosition2& position, double distance, double course) const {
  const double c = course / deg;
  const double phi1 = position.GetLatitude() / deg;
  const double lambda1 = position.GetLongitude() / deg;
  const double phi2 = phi1 + std::cos(c) * distance / (60 * deg);
  const double dPsi = MeridionalPartsDifference(phi1, phi2);
  double lambda2;
  if (std::fabs(dPsi) < kTinyMeridionalParts)  // the departure over the middle latitude's cosine
    lambda2 = lambda1 + std::sin(c) * (distance / (60 * deg)) / std::cos((phi1 + phi2) * 0.5);
  else
    lambda2 = lambda1 + std::tan(c) * dPsi;
  position.SetLongitude(lambda2 * deg);
  position.SetLatitude(phi2 * deg);
}

void CNavigation::CopyAndDeadReckon(const CPosition2& source, CPosition2& target, double distance, double course,
                                    bool rhumbLine) const {
  target.SetLatitude(source.GetLatitude());
  target.SetLongitude(source.GetLongitude());
  if (rhumbLine) DeadReckoning(target, distance, course);
}

void CNavigation::AddVectors(double& course1, double& distance1, double course2, double distance2) const {
  const CPosition2 a;
  CPosition2 b;
  b.SetLatitude(a.GetLatitude());
  b.SetLongitude(a.GetLongitude());
  DeadReckoning(b, distance1, course1);
  DeadReckoning(b, distance2, course2);
  course1 = Course(a, b, false);
  distance1 = Distance(a, b, false);
}

void CNavigation::SubtractVectors(double& course1, double& distance1, double course2, double distance2) const {
  AddVectors(course1, distance1, course2 + 180, distance2);
}

std::time_t CNavigation::ArrivalTime(const CPosition2& from, const CPosition2& to, bool greatCircle,
                                     double speed) const {
  const double d = Distance(from, to, greatCircle);
  const double arrival = from.GetTime() + d / (speed * 24) + to.GetUtcDifference() * (1.0 / 24);
  return FromDayNumber(arrival);
}

bool CNavigation::CurrentFromFixes(const CFixRecord& earlier, CFixRecord& later) const {
  const double hours = (later.GetTime() - earlier.GetTime()) * 24;
  CPosition2 p;
  p.SetLatitude(earlier.GetLatitude());
  p.SetLongitude(earlier.GetLongitude());
  DeadReckoning(p, earlier.logSpeed * hours, earlier.gyroCourse);
  const double set = Course(p, later, false);
  const double drift = Distance(p, later, false);
  const double rate = std::fabs(drift / hours);
  // Day numbers carry rounding error: an interval entered as exactly one
  // hour must count as one hour, so allow a fraction of a second.
  constexpr double kOneHour = 1.0 - 0.01 / 3600;
  constexpr double kMaxRate = 7.0 + 1e-9;
  if (hours >= kOneHour && rate <= kMaxRate) {
    later.weather.currentSet = set;
    later.weather.currentRate = rate;
    return true;
  }
  later.weather.currentSet = 0;
  later.weather.currentRate = 0;
  return false;
}

double CNavigation::ToDayNumber(std::time_t calendarTime) const { return marigold::ToDayNumber(calendarTime); }

std::time_t CNavigation::FromDayNumber(double dayNumber) const { return marigold::FromDayNumber(dayNumber); }

double CNavigation::ToDecimalDegrees(int degrees, double minutes, int hemisphere) const {
  const double value = degrees + minutes / 60;
  return hemisphere == 1 ? -value : value;
}

std::string CNavigation::CompassPoint(double course) const {
  static constexpr const char* kPoints[] = {"N",   "NNE", "NE",  "ENE", "E",   "ESE", "SE",  "SSE", "S",
                                            "SSW", "SW",  "WSW", "W",   "WNW", "NW",  "NNW", "N"};
  const double index = std::trunc(course / 22.5);
  if (!(index >= 0 && index <= 16)) return {};
  return kPoints[static_cast<int>(index)];
}

}  // namespace marigold
