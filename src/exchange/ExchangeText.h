#pragma once
// The text forms of numbers and times in the XML exchange files: decimals
// without exponents (as the schemas' xsd:decimal wants) whatever the C
// locale, and UTC times in ISO 8601.
#include <optional>
#include <string>
#include <string_view>

namespace marigold {

// At most `decimals` places, trailing zeros dropped: 12.5, 3.883333333, 0.
// The value must be finite.
std::string DecimalText(double value, int decimals);
// A whole text as a finite number ("+1.5", " 12 " too); none otherwise.
std::optional<double> ParseDecimal(std::string_view text);

// "2026-12-01T22:00:00Z" for a UTC day number, to the nearest second.
std::string IsoTimeText(double dayNumber);
// "YYYY-MM-DDThh:mm:ss", with optional fractions of a second and a zone
// ("Z" or "+hh:mm"; none is taken as UTC), as a UTC day number. None for
// any other text or for a date outside 2000 to 2099, which day numbers
// do not hold.
std::optional<double> ParseIsoTime(std::string_view text);

}  // namespace marigold
