#include "tools/Calculator.h"

#include <cmath>

#include "core/Navigation.h"
#include "core/RangeCheck.h"
#include "core/TextFormat.h"

namespace marigold {
namespace {

std::optional<CCalculatorRefusal> ValidatePosition(const CPositionFields& p, ECalculatorField first) {
  const auto field = [first](int offset) { return static_cast<ECalculatorField>(static_cast<int>(first) + offset); };
  if (auto message = CheckIntegerRange(p.latitudeDegrees, 0, 90)) return CCalculatorRefusal{field(0), *message};
  if (auto message = CheckToolRange(p.latitudeMinutes, 0, p.latitudeDegrees == 90 ? 0 : 60))
    return CCalculatorRefusal{field(1), *message};
  if (auto message = CheckIntegerRange(p.longitudeDegrees, 0, 180)) return CCalculatorRefusal{field(2), *message};
  if (auto message = CheckToolRange(p.longitudeMinutes, 0, p.longitudeDegrees == 180 ? 0 : 60))
    return CCalculatorRefusal{field(3), *message};
  return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckToolRange(double value, double minimum, double maximum) {
  return CheckNumberRange(value, minimum, maximum);
}

std::string ToolFigureText(double value) { return FormatFigure("%.15g", value); }

CCalculatorFields OpenCalculator(const CPosition2& presentPosition) {
  CCalculatorFields fields;
  fields.a = PositionFields(presentPosition.GetLatitude(), presentPosition.GetLongitude());
  return fields;
}

std::optional<CCalculatorRefusal> ValidateCalculatorFields(const CCalculatorFields& fields) {
  if (auto refusal = ValidatePosition(fields.a, ECalculatorField::LatitudeDegreesA)) return refusal;
  if (auto refusal = ValidatePosition(fields.b, ECalculatorField::LatitudeDegreesB)) return refusal;
  if (auto message = CheckToolRange(fields.course, 0, 360)) return CCalculatorRefusal{ECalculatorField::Course, *message};
  if (!std::isfinite(fields.distance)) return CCalculatorRefusal{ECalculatorField::Distance, "Please enter a number."};
  return std::nullopt;
}

std::optional<CPositionFields> CalculatePositionB(const CCalculatorFields& fields) {
  const CNavigation nav;
  CPosition2 b = ReadPosition(fields.a);
  nav.DeadReckoning(b, fields.distance, fields.course);
  // A rhumb line spirals into the pole and ends there; the formula would
  // carry on to latitudes beyond 90°.
  if (!(std::fabs(b.GetLatitude()) <= 90) || !std::isfinite(b.GetLongitude())) return std::nullopt;
  return PositionFields(b.GetLatitude(), b.GetLongitude());
}

CCourseDistance CalculateCourseDistance(const CCalculatorFields& fields) {
  const CNavigation nav;
  const CPosition2 a = ReadPosition(fields.a);
  CPosition2 b = ReadPosition(fields.b);
  // The navigation core never reduces longitudes (stored routes depend on
  // that); here both fields lie within ±180 and the shorter way is meant.
  const double dLongitude = b.GetLongitude() - a.GetLongitude();
  if (dLongitude > 180) b.SetLongitude(b.GetLongitude() - 360);
  if (dLongitude < -180) b.SetLongitude(b.GetLongitude() + 360);
  const bool greatCircle = fields.via == kViaGreatCircle;
  return {nav.Course(a, b, greatCircle), nav.Distance(a, b, greatCircle)};
}

}  // namespace marigold
