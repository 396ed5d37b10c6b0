#pragma once
// "Navigation Calculator": from position A with a course and a distance it
// finds position B by dead reckoning; from A and B it finds course and
// distance by great circle or rhumb line.
#include <array>
#include <optional>
#include <string>

#include "core/Position2.h"
#include "core/PositionFields.h"

namespace marigold {

inline constexpr const char* kCalculatorCaption = "Navigation Calculator";
inline constexpr std::array<const char*, 2> kViaTexts{"Greatcircle", "Rhumbline"};
inline constexpr int kViaGreatCircle = 0;
inline constexpr int kViaRhumbLine = 1;

struct CCalculatorFields {
  CPositionFields a;
  CPositionFields b;
  int via = kViaRhumbLine;
  double course = 0;    // "Course", 0 to 360 degrees
  double distance = 0;  // "Distance:", nM
};

enum class ECalculatorField {
  LatitudeDegreesA,
  LatitudeMinutesA,
  LongitudeDegreesA,
  LongitudeMinutesA,
  LatitudeDegreesB,
  LatitudeMinutesB,
  LongitudeDegreesB,
  LongitudeMinutesB,
  Course,
  Distance,
};

// A field the dialog refuses, with the standard message; the field keeps the
// focus and nothing is computed.
struct CCalculatorRefusal {
  ECalculatorField field;
  std::string message;
};

// The standard range message, e.g. "Please enter a number between 0.0 and
// 360.0.", when the value is outside the range or not a number at all.
std::optional<std::string> CheckToolRange(double value, double minimum, double maximum);
// A figure as its field shows it (up to 15 significant digits); "NA" when it
// cannot be computed.
std::string ToolFigureText(double value);

// On opening: A is the present position, B, course and distance are zero
// with no hemisphere chosen, "via" is "Rhumbline".
CCalculatorFields OpenCalculator(const CPosition2& presentPosition);

// The field checks in the dialog's order. Besides each field's range, 90°
// of latitude and 180° of longitude take no minutes: there is no position
// beyond them.
std::optional<CCalculatorRefusal> ValidateCalculatorFields(const CCalculatorFields& fields);

// "Position B": A moved by rhumb-line dead reckoning over the course and
// distance; "via" plays no part. No value when no rhumb line from A is that
// long (it would run past a pole); the dialog then shows "NA".
std::optional<CPositionFields> CalculatePositionB(const CCalculatorFields& fields);

struct CCourseDistance {
  double course = 0;    // degrees
  double distance = 0;  // nM
};

// "Course/Dist" from A to B, by great circle when "via" is "Greatcircle" and
// by rhumb line otherwise, always the shorter way round: from 179°E to 179°W
// is 2° of longitude east, not 358° west.
CCourseDistance CalculateCourseDistance(const CCalculatorFields& fields);

}  // namespace marigold
