#include "core/CivilTime.h"

#include <cmath>
#include <cstdint>

namespace marigold {
namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back
// (H. Hinnant's algorithms).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * static_cast<unsigned>(m > 2 ? m - 3 : m + 9) + 2) / 5 + static_cast<unsigned>(d) - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const auto doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

const std::int64_t kDayZero = DaysFromCivil(1999, 12, 31);

}  // namespace

double DayNumberOf(const CCivilTime& t) {
  const int y = t.year, m = t.month;
  const int n = 367 * y - 7 * (y + (m + 9) / 12) / 4 + 275 * m / 9 + t.day - 730530;
  return std::fabs(n + t.second / 86400.0 + t.minute / 1440.0 + t.hour / 24.0);
}

CCivilTime CivilTimeOf(double dayNumber) {
  if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 1.0e7) return {};
  const auto total = static_cast<std::int64_t>(std::llround(dayNumber * 86400.0));
  std::int64_t days = total / 86400;
  std::int64_t secs = total % 86400;
  if (secs < 0) secs += 86400, --days;
  CCivilTime t;
  CivilFromDays(kDayZero + days, t.year, t.month, t.day);
  t.hour = static_cast<int>(secs / 3600);
  t.minute = static_cast<int>(secs / 60 % 60);
  t.second = static_cast<int>(secs % 60);
  return t;
}

int WeekdayOf(const CCivilTime& t) {
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day);  // 1970-01-01 was a Thursday
  return static_cast<int>(((days % 7) + 11) % 7);
}

}  // namespace marigold
