#pragma once
// The tide data as the officer enters it: the "Tide" page of the port sheet
// (the fourteen constants, applied with the sheet's OK) and the "Tidal Angles
// and Factors" dialog (date, angles and factors, applied each time a field
// loses the focus). Both work on the port's own tide data.
#include <ctime>
#include <optional>

#include "core/CivilTime.h"
#include "core/RangeCheck.h"
#include "tools/TideInfo.h"

namespace marigold {

// The page's labels: "Mean Level", "Time Zone:", "g" and "Hm" per
// constituent, "f4"/"F4" and "f6"/"F6" of the shallow-water corrections.
struct CTideConstantsFields {
  double meanLevel = 0;
  double timeZone = 0;
  double gM2 = 0;
  double hmM2 = 0;
  double gS2 = 0;
  double hmS2 = 0;
  double gK1 = 0;
  double hmK1 = 0;
  double gO1 = 0;
  double hmO1 = 0;
  double f4 = 0;
  double F4 = 0;
  double f6 = 0;
  double F6 = 0;
};

// The decimals the page shows: heights in metres to the centimetre, the
// shallow-water factors finer.
inline constexpr int kTideHeightDecimals = 2;
inline constexpr int kTideFactorDecimals = 4;
int TideConstantDecimals(double CTideConstantsFields::*field);

// As the page shows them, rounded to its decimals.
CTideConstantsFields ReadTideConstants(const CTideInfo& tide);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CTideConstantsFields&) { return std::nullopt; }
// Writes what differs from what the page showed: a constant left alone keeps
// every digit. The date, angles and factors stay as they are.
void ApplyTideConstants(const CTideConstantsFields& fields, CTideInfo& tide);

// "Date:" and the "A" and "F" of each constituent, in the dialog's order.
struct CTidalAnglesFields {
  std::time_t date = 0;
  double aM2 = 0;
  double fM2 = 0;
  double aS2 = 0;
  double fS2 = 0;
  double aK1 = 0;
  double fK1 = 0;
  double aO1 = 0;
  double fO1 = 0;

  bool operator==(const CTidalAnglesFields&) const = default;
};

// "Date:" picks a day on the local clock; the time of day stays.
std::time_t TideDateOnDay(std::time_t date, const CCivilTime& day);

// The decimals the dialog shows: angles to the tenth of a degree, factors
// as the shallow-water factors.
inline constexpr int kTidalAngleDecimals = 1;

// As the dialog shows them, rounded to its decimals.
CTidalAnglesFields ReadTidalAngles(const CTideInfo& tide);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CTidalAnglesFields&) { return std::nullopt; }
// Writes what differs from what the dialog showed: the dialog copies all
// nine values back whenever a field loses the focus, and an angle or factor
// left alone keeps every digit. The constants stay as they are.
void ApplyTidalAngles(const CTidalAnglesFields& fields, CTideInfo& tide);

}  // namespace marigold
