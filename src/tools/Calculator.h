#pragma once
// "Navigation Calculator": from position A with a course and a distance it
// finds position B by dead reckoning; from A and B it finds course and
// distance by great circle or rhumb line. Keeps nothing after it closes.
#include <array>
#include <optional>
#include <string>

#include "core/Position2.h"
#include "core/PositionFields.h"
#include "core/RangeCheck.h"

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

// The checks in the dialog's order: A ("aLatitudeDegrees" ...), B
// ("bLatitudeDegrees" ...), "course", and "distance", which takes any
// number. A refused field keeps the focus and nothing is computed.
std::optional<CFieldRefusal> Validate(const CCalculatorFields& fields);

// A figure as its field shows it (up to 15 significant digits); "NA" when it
// cannot be computed.
std::string ToolFigureText(double value);

// "Position B": A moved by rhumb-line dead reckoning over the course and
// distance; "via" plays no part. No value when no rhumb line from A is that
// long (it would run past a pole).
std::optional<CPositionFields> CalculatePositionB(const CCalculatorFields& fields);

struct CCourseDistance {
  double course = 0;    // degrees
  double distance = 0;  // nM
};

// "Course/Dist" from A to B, by great circle when "via" is "Greatcircle" and
// by rhumb line otherwise, always the shorter way round: from 179°E to 179°W
// is 2° of longitude east, not 358° west.
CCourseDistance CalculateCourseDistance(const CCalculatorFields& fields);

struct CCalculatorView {
  CCalculatorFields fields;
  bool positionBAvailable = true;  // false: the B fields show "NA"
};

class CCalculatorTool {
 public:
  // A is the present position; B, course and distance are zero with no
  // hemisphere chosen; "via" is "Rhumbline".
  explicit CCalculatorTool(const CPosition2& presentPosition);

  // The buttons, on fields that Validate accepted.
  void OnPositionB(const CCalculatorFields& entered);
  void OnCourseDistance(const CCalculatorFields& entered);

  const CCalculatorView& View() const { return view_; }

 private:
  CCalculatorView view_;
};

}  // namespace marigold
