#include "exchange/ExchangeText.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/CivilTime.h"

namespace marigold {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Exactly `count` digits at `at`.
bool Digits(std::string_view text, std::size_t at, std::size_t count, int& value) {
  if (at + count > text.size()) return false;
  const char* first = text.data() + at;
  const auto [end, error] = std::from_chars(first, first + count, value);
  return error == std::errc() && end == first + count;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

std::string DecimalText(double value, int decimals) {
  char buffer[400];  // room for every finite double in fixed notation
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::optional<double> ParseDecimal(std::string_view text) {
  text = Trimmed(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

std::string IsoTimeText(double dayNumber) {
  const CCivilTime t = CivilTimeOf(dayNumber);
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return buffer;
}

std::optional<double> ParseIsoTime(std::string_view text) {
  text = Trimmed(text);
  CCivilTime t;
  if (!Digits(text, 0, 4, t.year) || text.size() < 19 || text[4] != '-' || !Digits(text, 5, 2, t.month) ||
      text[7] != '-' || !Digits(text, 8, 2, t.day) || (text[10] != 'T' && text[10] != 't') ||
      !Digits(text, 11, 2, t.hour) || text[13] != ':' || !Digits(text, 14, 2, t.minute) || text[16] != ':' ||
      !Digits(text, 17, 2, t.second))
    return std::nullopt;
  if (t.year < 2000 || t.year > 2099 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > DaysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59)
    return std::nullopt;
  std::size_t at = 19;
  double fraction = 0;
  if (at < text.size() && text[at] == '.') {
    double scale = 0.1;
    const std::size_t first = ++at;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, scale /= 10)
      fraction += (text[at] - '0') * scale;
    if (at == first) return std::nullopt;
  }
  int offsetMinutes = 0;
  const std::string_view zone = text.substr(at);
  if (zone == "Z" || zone == "z") {
  } else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
    int hours = 0, minutes = 0;
    if (!Digits(zone, 1, 2, hours) || !Digits(zone, 4, 2, minutes) || hours > 14 || minutes > 59) return std::nullopt;
    offsetMinutes = (zone[0] == '-' ? -1 : 1) * (hours * 60 + minutes);
  } else if (!zone.empty()) {
    return std::nullopt;
  }
  return DayNumberOf(t) + fraction / 86400 - offsetMinutes / 1440.0;
}

}  // namespace marigold
