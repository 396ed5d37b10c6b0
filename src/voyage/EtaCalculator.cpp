#include "voyage/EtaCalculator.h"

#include <cmath>
#include <limits>

#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "voyage/Schedule.h"
#include "voyage/ScheduleMath.h"

namespace marigold {

using schedule::kNaN;
using schedule::Ratio;

namespace {

// A whole number that fits an edit of whole numbers.
bool FitsInt(double value) {
  return std::isfinite(value) && std::fabs(value) < static_cast<double>(std::numeric_limits<int>::max());
}

}  // namespace

bool CanCalculateEta(const CVoyage& route, CPrompter& prompter) {
  if (route.GetCount() >= 2) return true;
  prompter.Message(kNoVoyageForEta, EMessageIcon::None);
  return false;
}

CEtaCalculator::CEtaCalculator(CVoyage& route, const CVessel2& vessel, const CFixRecord* latestFix,
                               const CFixRecord& departure, bool openedFromFile)
    : route_(route), vessel_(vessel), latestFix_(latestFix), departure_(departure) {
  fields_.fromLatestFix = !openedFromFile;
  const double setting = std::trunc(vessel.engineSetting);
  fields_.rpm = FitsInt(setting) ? static_cast<int>(setting) : 0;
  Recalculate();
}

void CEtaCalculator::OnFieldsChanged(const CEtaFields& entered) {
  fields_ = entered;
  Recalculate();
}

void CEtaCalculator::Recalculate() {
  const CFixRecord& start = fields_.fromLatestFix && latestFix_ ? *latestFix_ : departure_;
  const double distance = route_.DistanceToGo(start);
  const double resistance = fields_.correctForWeather ? AverageResistanceFrom(route_, start) : 0;

  double rpm;
  double speed;
  if (fields_.byGroundspeed) {
    speed = fields_.groundspeed;
    rpm = std::trunc(vessel_.RpmForSpeed(speed, resistance));
    if (FitsInt(rpm)) fields_.rpm = static_cast<int>(rpm);
  } else {
    rpm = fields_.rpm;
    speed = vessel_.SpeedThroughWater(rpm, resistance);
    if (std::isfinite(speed)) fields_.groundspeed = speed;
  }

  double hours = fields_.correctForReduceEngine
                     ? Ratio(distance - vessel_.StopDistance(rpm, resistance), speed) + vessel_.StopTime(rpm) / 60
                     : Ratio(distance, speed);
  // A ship that makes no way never arrives, and one that would arrive
  // before it starts has a figure that means nothing.
  if (!(speed > 0) || hours < 0) hours = kNaN;

  results_.rpm = rpm;
  results_.groundspeed = speed;
  results_.rpmText = FormatFigure("%.0f", rpm);
  results_.groundspeedText = FormatFigure("%.1f", speed);
  results_.hours = hours;
  results_.fuel = vessel_.FuelConsumption(rpm, hours);
  results_.fuelText = FormatFigure("%5.1f mT", results_.fuel);
  results_.eta.reset();
  const CWaypoint* last = route_.GetTail();
  if (last && std::isfinite(hours)) {
    const std::time_t eta = FromDayNumber(start.GetTime() + hours / 24 + last->GetUtcDifference() / 24);
    if (eta != -1) results_.eta = eta;
  }
}

bool CEtaCalculator::OnSetEta(CPrompter& prompter) {
  if (!results_.eta || route_.IsEmpty()) return false;
  if (!prompter.AskYesNo(kChangeEtaQuestion)) return false;
  route_.SetArrival(*results_.eta);
  return true;
}

}  // namespace marigold
