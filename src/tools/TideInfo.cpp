#include "tools/TideInfo.h"

#include <algorithm>
#include <cmath>

#include "core/Angles.h"

namespace marigold {
namespace {

// Speeds of the constituents and of the shallow-water terms, degrees per hour.
constexpr double kSpeedM2 = 29.0;
constexpr double kSpeedS2 = 30.0;
constexpr double kSpeedK1 = 15.0;
constexpr double kSpeedO1 = 13.9;
constexpr double kSpeedQuarter = 58.0;
constexpr double kSpeedSixth = 87.0;

double Constituent(double factor, double amplitude, double angle, double lag, double speed, double t) {
  return factor * amplitude * std::cos((angle + lag - speed * t) * kRoughRadiansPerDegree);
}

void ExchangeAll(CArchive& ar, CTideInfo& d) {
  for (double* v : {&d.f4, &d.F4, &d.f6, &d.hmK1, &d.gM2, &d.hmM2, &d.meanLevel, &d.gO1, &d.hmO1, &d.gS2, &d.hmS2,
                    &d.timeZone, &d.F6, &d.gK1})
    ar.Exchange(*v);
  ar.ExchangeTime(d.angleDate);
  for (double* v : {&d.aK1, &d.fK1, &d.aM2, &d.fM2, &d.aO1, &d.fO1, &d.aS2, &d.fS2}) ar.Exchange(*v);
}

}  // namespace

void CTideInfo::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ExchangeAll(ar, *this);
    return;
  }
  CTideInfo loaded;
  ExchangeAll(ar, loaded);
  *this = loaded;
}

double CTideInfo::Height(double t) const {
  const double m2 = Constituent(fM2, hmM2, aM2, gM2, kSpeedM2, t);
  const double s2 = Constituent(fS2, hmS2, aS2, gS2, kSpeedS2, t);
  const double k1 = Constituent(fK1, hmK1, aK1, gK1, kSpeedK1, t);
  const double o1 = Constituent(fO1, hmO1, aO1, gO1, kSpeedO1, t);

  // The combined semi-diurnal vector drives the shallow-water terms.
  const double x = fM2 * hmM2 * std::cos((aM2 + gM2) * kRoughRadiansPerDegree) +
                   fS2 * hmS2 * std::cos((aS2 + gS2) * kRoughRadiansPerDegree);
  const double y = fM2 * hmM2 * std::sin((aM2 + gM2) * kRoughRadiansPerDegree) +
                   fS2 * hmS2 * std::sin((aS2 + gS2) * kRoughRadiansPerDegree);
  const double r = std::sqrt(x * x + y * y);

  double quarter = 0;
  double sixth = 0;
  // With R = 0 the phase is 0/0, but the amplitudes R²·F4 and R³·F6 are 0.
  if (r > 0) {
    // The phase of (X, Y): arcsin covers the right half-plane; on the left
    // (X < 0) it is 180 degrees minus the arcsine, in the second or third
    // quadrant. Adding 180 instead would mirror the phase whenever Y != 0.
    const double arcsine = std::asin(std::clamp(y / r, -1.0, 1.0)) * kRoughDegreesPerRadian;
    const double theta = x < 0 ? 180 - arcsine : arcsine;
    quarter = r * F4 * r * std::cos((2 * theta + f4 - kSpeedQuarter * t) * kRoughRadiansPerDegree);
    sixth = r * F6 * r * r * std::cos((3 * theta + f6 - kSpeedSixth * t) * kRoughRadiansPerDegree);
  }
  return quarter + ((m2 + meanLevel + s2 + k1) + o1) + sixth;
}

}  // namespace marigold
