#pragma once
// The dialogs' range checks with the standard messages, e.g.
// "Please enter a number between 0.0 and 60.0." and
// "Please enter an integer between 3 and 30.".
#include <optional>
#include <string>

namespace marigold {

// No value when the value lies in the range; a value that is not a number is
// refused too.
std::optional<std::string> CheckNumberRange(double value, double minimum, double maximum);
std::optional<std::string> CheckIntegerRange(int value, int minimum, int maximum);

// A value a dialog refuses: the field it came from (the name its editor
// carries, so the dialog can put the focus back on it) and the message.
struct CFieldRefusal {
  std::string field;
  std::string message;
};

std::optional<CFieldRefusal> CheckNumberField(const char* field, double value, double minimum, double maximum);
std::optional<CFieldRefusal> CheckIntegerField(const char* field, int value, int minimum, int maximum);

// The data exchange's refusal of a field that takes any number.
inline constexpr const char* kNotANumberMessage = "Please enter a number.";
// No value unless the value is not a finite number.
std::optional<CFieldRefusal> CheckNumberField(const char* field, double value);

}  // namespace marigold
