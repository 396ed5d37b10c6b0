// The performance model of CVessel2. Constants and the order of evaluation
// follow the ship's calibrated figures: change neither without reason, or
// stored calibrations give other speeds.
#include <cmath>

#include "core/Angles.h"
#include "core/Quotient.h"
#include "vessel/Vessel2.h"

namespace marigold {
namespace {

constexpr double kNmPerMetre = 0.0005399568034557236;
constexpr double kKnotsToMs = 0.5144444444444445;
constexpr double kPerHour = 0.0002777777777777778;
constexpr double kPerMinute = 0.016666666666666666;  // 1/60
constexpr double kPerDay = 0.041666666666666664;     // 1/24
constexpr double kSeaWaterDensity = 1025.0;
constexpr double kDiscFactor = 1.57;

double Divisor(double x) { return x * 0.1 + 1.0; }

}  // namespace

double CVessel2::TheoreticalSpeed(double r) const { return r * propellerPitch * kNmPerMetre * 60.0; }

double CVessel2::SpeedThroughWater(double r, double x) const { return Quotient(TheoreticalSpeed(r), Divisor(x)); }

double CVessel2::RpmForTheoreticalSpeed(double v) const { return Quotient(v * 1852.0 * kPerMinute, propellerPitch); }

double CVessel2::RpmForSpeed(double v, double x) const {
  return RpmForTheoreticalSpeed(Quotient(v, hullResistanceFactor) * Divisor(x));
}

double CVessel2::RevolutionsForDistance(double d, double x) const {
  return Quotient(Divisor(x) * d, propellerPitch * kNmPerMetre);
}

double CVessel2::PropellerPower(double r) const {
  const double a =
      propellerPitch * propellerDiameter * propellerDiameter * kDiscFactor * kSeaWaterDensity * (r * kPerMinute);
  const double v = TheoreticalSpeed(r) * kKnotsToMs;
  return v * v * a * 0.5;
}

double CVessel2::FuelConsumption(double r, double hours) const {
  return PropellerPower(r) * Quotient(fuelAtMcr, PropellerPower(mcrRpm)) * (hours * kPerDay);
}

double CVessel2::FuelPerMile(double r, double x, double current) const {
  return Quotient(FuelConsumption(r, 1.0) * 1000.0, SpeedThroughWater(r, x) + current);
}

double CVessel2::StopTime(double r) const { return (r - faRpm) * minutesPerRpm + timeAtFa + timeFaToStop; }

double CVessel2::StopDistance(double r, double x) const {
  return (r - faRpm) * minutesPerRpm * ((SpeedThroughWater(faRpm, x) + SpeedThroughWater(r, x)) * 0.5) * kPerMinute +
         timeAtFa * SpeedThroughWater(faRpm, x) * kPerMinute + distanceFaToStop;
}

double CVessel2::StopDistanceOverGround(double r, double x, double current) const {
  return StopDistance(r, x) + StopTime(r) * kPerMinute * current;
}

double CVessel2::RevolutionsWhileStopping(double r) const { return StopTime(r) * ((faRpm + r) * 0.5); }

double CVessel2::WettedSurface(double draft1, double draft2) const {
  const double t = (draft1 + draft2) * 0.5;
  return (t * breadth + t * breadth + breadth * lengthPP + (t * lengthPP + t * lengthPP)) * 0.7;
}

double CVessel2::Squat(bool openWater, double speed, double& draft1, double& draft2) const {
  const double v = speed * kKnotsToMs;
  const double t = (draft1 + draft2) * 0.5;
  double squat = Quotient(Displacement(), breadth * lengthPP * t) * v * v * 0.01;
  if (!openWater) squat *= 2;
  const CHydrostaticSet atDraft = LookupHydrostatics(t);
  const CHydrostaticSet atSquat = LookupHydrostatics(t + squat);
  // With one stored set the LCB does not move and the trim is 0, whatever
  // the ETM (a zero ETM must not turn that 0 into not-a-number).
  const double lcbShift = atSquat.lcb - atDraft.lcb;
  const double trim = lcbShift == 0 ? 0 : Quotient(lcbShift * atSquat.displacement, atSquat.etm) * 0.005;
  draft1 = draft1 + squat + trim;
  draft2 = draft2 + squat - trim;
  return squat;
}

double CVessel2::HullTerm(double wettedSurface, double r) const {
  const double v = TheoreticalSpeed(r) * 1852.0 * kPerHour;
  return Quotient(v * (hullResistanceFactor * wettedSurface * v * v), PropellerPower(r)) * 10.0;
}

// The hull term is taken at the engine setting, not at r: r acts only
// through the squat of the running drafts.
double CVessel2::HullResistance(double r) const {
  const double s = TheoreticalSpeed(r);
  double aft = draftAft, forward = draftForward;
  Squat(true, s, aft, forward);
  return HullTerm(WettedSurface(aft, forward), engineSetting);
}

double CVessel2::WindResistance(double r, double heading, double windDirection, double windSpeed) const {
  const double delta = heading - windDirection;
  double c = std::fabs(windSpeed * std::cos(delta * kRoughRadiansPerDegree));
  if (std::fabs(delta) >= 90 && std::fabs(delta) <= 270) c = -c;  // from astern
  const double v = std::fabs((TheoreticalSpeed(r) + c) * kKnotsToMs);
  return Quotient(WindageArea() * airResistanceFactor * (v * v * v), PropellerPower(r)) * 10.0;
}

bool CVessel2::Calibrate(double estimatedSpeed, double observedLogSpeed) {
  if (!(observedLogSpeed > 0) || !(estimatedSpeed > 0) || !std::isfinite(observedLogSpeed) ||
      !std::isfinite(estimatedSpeed))
    return false;
  hullResistanceFactor = observedLogSpeed / estimatedSpeed;
  return true;
}

}  // namespace marigold
