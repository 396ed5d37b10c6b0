#pragma once
// Small helpers shared by the test suites.
#include <cctype>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/Archive.h"
#include "core/Position2.h"
#include "core/RangeCheck.h"

namespace marigold {

// "FF FFFF 7011 0100" -> bytes; blanks and line breaks are only for reading.
inline CBytes Hex(std::string_view text) {
  CBytes out;
  int high = -1;
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    const int v = std::isxdigit(static_cast<unsigned char>(c))
                      ? (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10)
                      : -1;
    if (v < 0) throw std::invalid_argument("bad hex digit");
    if (high < 0) {
      high = v;
    } else {
      out.push_back(static_cast<std::uint8_t>(high * 16 + v));
      high = -1;
    }
  }
  if (high >= 0) throw std::invalid_argument("odd number of hex digits");
  return out;
}

inline CPosition2 At(double latitude, double longitude) {
  CPosition2 p;
  p.SetLatitude(latitude);
  p.SetLongitude(longitude);
  return p;
}

// A dialog's verdict on its fields in one line: "field: message", or
// "accepted".
inline std::string RefusalText(const std::optional<CFieldRefusal>& refusal) {
  return refusal ? refusal->field + ": " + refusal->message : std::string("accepted");
}

}  // namespace marigold
