#pragma once
// "Metric Conversions": the units met on board, converted by fixed factors.
// Keeps nothing after it closes.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/RangeCheck.h"

namespace marigold {

inline constexpr const char* kConversionsCaption = "Metric Conversions";

// result = ((value - offsetBefore) × factor) × secondFactor + offsetAfter,
// in that order, so that every item gives the same bits as its rule written
// out (the temperature and speed items take two factors).
struct CConversion {
  const char* name;  // the item of "Conversion:"
  double offsetBefore;
  double factor;
  double secondFactor;
  double offsetAfter;
  const char* fromUnit;
  const char* toUnit;
};

// In list order (not sorted); the position is the item's index.
inline constexpr std::array<CConversion, 16> kConversions{{
    {"Fathom to meters", 0.0, 1.8288, 1.0, 0.0, "fathom", "m"},
    {"Meters to fathoms", 0.0, 0.5468066491688539, 1.0, 0.0, "m", "fathom"},
    {"Feet to meters", 0.0, 0.3048, 1.0, 0.0, "ft", "m"},
    {"Meters to feet", 0.0, 3.280839895013123, 1.0, 0.0, "m", "ft"},
    {"Nautical Miles to meters", 0.0, 1852.0, 1.0, 0.0, "nM", "m"},
    {"Meters to Nautical Miles", 0.0, 0.0005399568034557236, 1.0, 0.0, "m", "nM"},
    {"Pounds to kg", 0.0, 0.45359, 1.0, 0.0, "lb", "kg"},
    {"Kilogram to pounds", 0.0, 2.204634140964307, 1.0, 0.0, "kg", "lb"},
    {"Gallons to m3", 0.0, 0.004546, 1.0, 0.0, "imperial gallon", "m3"},
    {"Cubic Meters to gallons", 0.0, 219.9736031676199, 1.0, 0.0, "m3", "imperial gallon"},
    {"Degrees Fahrenheit to Celcius", 32.0, 0.1111111111111111, 5.0, 0.0, "°F", "°C"},
    {"Degrees Celcius to fahrenheit", 0.0, 0.2, 9.0, 32.0, "°C", "°F"},
    {"Knots to m/sec", 0.0, 0.2777777777777778, 1.852, 0.0, "kts", "m/s"},
    {"Meters per second to kts", 0.0, 3.6, 0.5399568034557235, 0.0, "m/s", "kts"},
    {"Kilometers per hour to kts", 0.0, 0.5399568034557235, 1.0, 0.0, "km/h", "kts"},
    {"kts to km/hr", 0.0, 1.852, 1.0, 0.0, "kts", "km/h"},
}};

double ApplyConversion(const CConversion& conversion, double value);

// The index of the item with exactly this name.
std::optional<int> ConversionIndex(std::string_view name);
// No value for an index outside the list (-1: no item chosen) or a name
// that is not an item.
std::optional<double> Convert(int index, double value);
std::optional<double> Convert(std::string_view name, double value);

struct CConversionsFields {
  double value = 0;   // "Value:"
  int selected = -1;  // "Conversion:", none chosen on opening
};

struct CConversionsView {
  CConversionsFields fields;
  double result = 0;  // "Result:"
};

class CConversionsTool {
 public:
  // "Calculate": with no item chosen the result is left as it was.
  void OnCalculate(const CConversionsFields& entered);
  const CConversionsView& View() const { return view_; }

 private:
  CConversionsView view_;
};

// "Value:" as typed: a finite number, with spaces around it allowed; no
// value (and kNotANumberMessage) otherwise.
std::optional<double> ParseConversionValue(std::string_view text);

// "Result:" in full (the shortest text that reads back as the same number,
// e.g. "0.5468066491688539"); "NA" when it is not a finite number.
std::string ConversionResultText(double result);

}  // namespace marigold
