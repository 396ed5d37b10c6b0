#pragma once
// Figures as the sheets' editors show them. A sheet writes back only what
// the officer changed: a figure left as shown keeps every digit the record
// holds, so opening a record and confirming it changes none of its bytes.
#include <initializer_list>
#include <utility>

namespace marigold {

// The date-time fields that take the local time at a position.
inline constexpr const char* kLocalTimeFieldFormat = "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s LT";

// Decimals of the editors, by what they hold.
inline constexpr int kHoursDecimals = 2;    // UTC differences
inline constexpr int kDegreesDecimals = 1;  // courses and directions
inline constexpr int kSpeedDecimals = 2;    // knots, and nautical miles
inline constexpr int kReadingDecimals = 1;  // rpm, millibar, degrees Celsius, tonnes
inline constexpr int kDraftDecimals = 2;    // metres

// The value an editor with this many decimals shows, and gives back when
// left alone. A value that is not finite (a figure the schedule could not
// compute) shows as 0; left alone, the record keeps it.
double Shown(double value, int decimals);

// Writes what was typed into the record unless it is what the editor was
// given.
template <class T, class U>
void SetIfEdited(const T& typed, const T& shown, U& stored) {
  if (!(typed == shown)) stored = typed;
}

// The same for figures of a page, each field with the member it edits.
template <class TFields, class TRecord>
void SetFiguresIfEdited(const TFields& typed, const TFields& shown, TRecord& record,
                        std::initializer_list<std::pair<double TFields::*, double TRecord::*>> figures) {
  for (const auto& [field, member] : figures) SetIfEdited(typed.*field, shown.*field, record.*member);
}

}  // namespace marigold
