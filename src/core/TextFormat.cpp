#include "core/TextFormat.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "core/CivilTime.h"

namespace marigold {
namespace {

constexpr const char* kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr const char* kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

void Append2(std::string& out, int v) {
  out.push_back(static_cast<char>('0' + v / 10 % 10));
  out.push_back(static_cast<char>('0' + v % 10));
}

}  // namespace

std::string Format(const char* format, ...) {
  char small[256];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(copy);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof small) {
    out.assign(small, static_cast<std::size_t>(n));
  } else {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), format, copy);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(copy);
  return out;
}

std::string FormatFigure(const char* format, double value) {
  if (!std::isfinite(value)) return "NA";
  char text[64];
  const int n = std::snprintf(text, sizeof text, format, value);
  return n < 0 ? std::string("NA")
               : std::string(text, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof text - 1));
}

std::string FormatTime(const char* format, const CCivilTime& t) {
  std::string out;
  const int month = (t.month >= 1 && t.month <= 12) ? t.month - 1 : 0;
  for (const char* p = format; *p; ++p) {
    if (*p != '%' || !p[1]) {
      out.push_back(*p);
      continue;
    }
    switch (*++p) {
      case 'a': out.append(kDays[WeekdayOf(t)], 3); break;
      case 'A': out.append(kDays[WeekdayOf(t)]); break;
      case 'b': out.append(kMonths[month], 3); break;
      case 'B': out.append(kMonths[month]); break;
      case 'd': Append2(out, t.day); break;
      case 'H': Append2(out, t.hour); break;
      case 'I': Append2(out, (t.hour + 11) % 12 + 1); break;
      case 'j': {
        const double start = DayNumberOf({t.year, 1, 1, 0, 0, 0});
        const int yday = static_cast<int>(DayNumberOf({t.year, t.month, t.day, 0, 0, 0}) - start) + 1;
        out.append(Format("%03d", yday));
        break;
      }
      case 'm': Append2(out, t.month); break;
      case 'M': Append2(out, t.minute); break;
      case 'p': out.append(t.hour < 12 ? "AM" : "PM"); break;
      case 'S': Append2(out, t.second); break;
      case 'y': Append2(out, ((t.year % 100) + 100) % 100); break;
      case 'Y': out.append(std::to_string(t.year)); break;
      case '%': out.push_back('%'); break;
      default: out.push_back('%'); out.push_back(*p);
    }
  }
  return out;
}

std::string FormatDayNumber(const char* format, double dayNumber) {
  if (!std::isfinite(dayNumber)) return "NA";
  return FormatTime(format, CivilTimeOf(dayNumber));
}

}  // namespace marigold
