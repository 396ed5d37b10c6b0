#include "tools/Calculator.h"

#include <cmath>

#include "core/Navigation.h"
#include "core/TextFormat.h"

namespace marigold {

std::optional<CFieldRefusal> Validate(const CCalculatorFields& fields) {
  if (auto refusal = ValidatePositionFields(fields.a, "a")) return refusal;
  if (auto refusal = ValidatePositionFields(fields.b, "b")) return refusal;
  if (auto refusal = CheckNumberField("course", fields.course, 0, 360)) return refusal;
  return CheckNumberField("distance", fields.distance);
}

std::string ToolFigureText(double value) { return FormatFigure("%.15g", value); }

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

CCalculatorTool::CCalculatorTool(const CPosition2& presentPosition) {
  view_.fields.a = PositionFields(presentPosition.GetLatitude(), presentPosition.GetLongitude());
}

void CCalculatorTool::OnPositionB(const CCalculatorFields& entered) {
  view_.fields = entered;
  const std::optional<CPositionFields> b = CalculatePositionB(entered);
  view_.positionBAvailable = b.has_value();
  if (b) view_.fields.b = *b;
}

void CCalculatorTool::OnCourseDistance(const CCalculatorFields& entered) {
  view_.fields = entered;
  view_.positionBAvailable = true;
  const CCourseDistance cd = CalculateCourseDistance(entered);
  view_.fields.course = cd.course;
  view_.fields.distance = cd.distance;
}

}  // namespace marigold
