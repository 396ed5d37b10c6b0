#pragma once
// The tide data as the officer enters it: the "Tide" page of the port sheet
// (the fourteen constants, applied with the sheet's OK) and the "Tidal Angles
// and Factors" dialog (date, angles and factors, applied each time a field
// loses the focus). Both work on the port's own tide data.
#include <ctime>
#include <optional>

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
};

CTidalAnglesFields ReadTidalAngles(const CTideInfo& tide);
// Nothing is checked.
inline std::optional<CFieldRefusal> Validate(const CTidalAnglesFields&) { return std::nullopt; }
// The constants stay as they are.
void ApplyTidalAngles(const CTidalAnglesFields& fields, CTideInfo& tide);

}  // namespace marigold
