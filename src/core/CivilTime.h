#pragma once
// Civil date and time fields and the day number, with no time zone involved.
// A day number counts days and fractions from 2000 January 0.0
// (1999-12-31 00:00): 2000-01-01 12:00 is 1.5.
#include <compare>

namespace marigold {

struct CCivilTime {
  int year = 2000;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  auto operator<=>(const CCivilTime&) const = default;
};

// The day number of civil fields, by the integer formula of the route files
// (valid 1901..2099): N = 367y - 7(y + (m+9)/12)/4 + 275m/9 + D - 730530,
// plus the time of day; the absolute value is returned.
double DayNumberOf(const CCivilTime& t);

// The civil fields of a day number, to the nearest second (a day number is a
// double and rarely holds a whole second exactly). A day number that is not
// finite or lies beyond 27,000 years gives the default fields.
CCivilTime CivilTimeOf(double dayNumber);

// 0 Sunday .. 6 Saturday.
int WeekdayOf(const CCivilTime& t);

}  // namespace marigold
