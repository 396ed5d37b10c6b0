#include "tools/Conversions.h"

#include <charconv>
#include <cmath>

namespace marigold {

double ApplyConversion(const CConversion& conversion, double value) {
  return (value - conversion.offsetBefore) * conversion.factor * conversion.secondFactor + conversion.offsetAfter;
}

std::optional<int> ConversionIndex(std::string_view name) {
  for (std::size_t i = 0; i < kConversions.size(); ++i)
    if (name == kConversions[i].name) return static_cast<int>(i);
  return std::nullopt;
}

std::optional<double> Convert(int index, double value) {
  if (index < 0 || index >= static_cast<int>(kConversions.size())) return std::nullopt;
  return ApplyConversion(kConversions[static_cast<std::size_t>(index)], value);
}

std::optional<double> Convert(std::string_view name, double value) {
  const auto index = ConversionIndex(name);
  if (!index) return std::nullopt;
  return Convert(*index, value);
}

void CConversionsTool::OnCalculate(const CConversionsFields& entered) {
  view_.fields = entered;
  if (const auto result = Convert(entered.selected, entered.value)) view_.result = *result;
}

std::optional<double> ParseConversionValue(std::string_view text) {
  const auto space = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && space(text.front())) text.remove_prefix(1);
  while (!text.empty() && space(text.back())) text.remove_suffix(1);
  // from_chars takes no plus sign; a second sign stays refused.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
  }
  if (text.empty()) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // Out of range, trailing characters, "inf" and "nan" are all refused.
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string ConversionResultText(double result) {
  if (!std::isfinite(result)) return "NA";
  char buffer[32];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, result);
  if (error != std::errc()) return "NA";
  return std::string(buffer, end);
}

}  // namespace marigold
