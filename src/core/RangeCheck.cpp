#include "core/RangeCheck.h"

#include <cmath>
#include <utility>

#include "core/TextFormat.h"

namespace marigold {
namespace {

// A bound as the message shows it: "0.999", and whole numbers as "60.0".
std::string BoundText(double value) {
  std::string text = Format("%g", value);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

std::optional<std::string> CheckNumberRange(double value, double minimum, double maximum) {
  if (value >= minimum && value <= maximum) return std::nullopt;
  return "Please enter a number between " + BoundText(minimum) + " and " + BoundText(maximum) + ".";
}

std::optional<std::string> CheckIntegerRange(int value, int minimum, int maximum) {
  if (value >= minimum && value <= maximum) return std::nullopt;
  return Format("Please enter an integer between %d and %d.", minimum, maximum);
}

}  // namespace marigold

namespace marigold {

std::optional<CFieldRefusal> CheckNumberField(const char* field, double value, double minimum, double maximum) {
  if (auto message = CheckNumberRange(value, minimum, maximum)) return CFieldRefusal{field, std::move(*message)};
  return std::nullopt;
}

std::optional<CFieldRefusal> CheckIntegerField(const char* field, int value, int minimum, int maximum) {
  if (auto message = CheckIntegerRange(value, minimum, maximum)) return CFieldRefusal{field, std::move(*message)};
  return std::nullopt;
}

std::optional<CFieldRefusal> CheckNumberField(const char* field, double value) {
  if (std::isfinite(value)) return std::nullopt;
  return CFieldRefusal{field, kNotANumberMessage};
}

}  // namespace marigold
