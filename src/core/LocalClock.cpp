#include "core/LocalClock.h"

#include <time.h>

#include <cmath>

namespace marigold {
namespace {

CCivilTime FromTm(const std::tm& tm) {
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

std::tm ToTm(const CCivilTime& f) {
  std::tm tm{};
  tm.tm_year = f.year - 1900;
  tm.tm_mon = f.month - 1;
  tm.tm_mday = f.day;
  tm.tm_hour = f.hour;
  tm.tm_min = f.minute;
  tm.tm_sec = f.second;
  tm.tm_isdst = -1;
  return tm;
}

}  // namespace

CCivilTime LocalFieldsOf(std::time_t t) {
  std::tm tm{};
  localtime_r(&t, &tm);
  return FromTm(tm);
}

CCivilTime UtcFieldsOf(std::time_t t) {
  std::tm tm{};
  gmtime_r(&t, &tm);
  return FromTm(tm);
}

std::time_t CalendarTimeFromLocal(const CCivilTime& fields) {
  std::tm tm = ToTm(fields);
  return mktime(&tm);
}

std::time_t CalendarTimeFromUtc(const CCivilTime& fields) {
  std::tm tm = ToTm(fields);
  tm.tm_isdst = 0;
  return timegm(&tm);
}

}  // namespace marigold

namespace marigold {

double ToDayNumber(std::time_t t) { return DayNumberOf(LocalFieldsOf(t)); }

std::time_t FromDayNumber(double dayNumber) {
  // Beyond a few thousand years the fields no longer fit a struct tm.
  if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 1.0e6) return -1;
  return CalendarTimeFromLocal(CivilTimeOf(dayNumber));
}

}  // namespace marigold
