#pragma once
// Archive forms of records with their defaults, written out by hand from the
// file formats (little-endian doubles, 32-bit integers, counted strings), for
// the suites that check records, lists, item files and route documents.
// Read them with Hex() of TestSupport.h.
#include <cstdio>
#include <string>
#include <string_view>

namespace marigold::bytes {

// 0.0 as a double.
inline const std::string kZero = "00 00 00 00 00 00 00 00 ";
// 0 as a 32-bit integer (or a false flag).
inline const std::string kZeroInt = "00 00 00 00 ";

// A counted string of up to 254 characters: its length in one byte, then
// the characters.
inline std::string ShortString(std::string_view text) {
  char hex[4];
  std::snprintf(hex, sizeof hex, "%02x ", static_cast<unsigned>(text.size()));
  std::string out = hex;
  for (const char c : text) {
    std::snprintf(hex, sizeof hex, "%02x ", static_cast<unsigned char>(c));
    out += hex;
  }
  return out;
}

// The position part every record starts with, as a new record writes it:
// reserve 15.0, latitude 45.0, longitude 5.0, the name, then UTC difference,
// timeA, timeB and time all 0.
inline std::string PositionPart(std::string_view name) {
  return "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 " + ShortString(name) + kZero +
         kZero + kZero + kZero;
}
inline const std::string kDefaultPosition = PositionPart("New Position");

// Weather with its defaults: pressure 1000, air 18, set 0, rate 0, density
// 1.025, seawater 18, wind 0 at 0, count 0.
inline const std::string kDefaultWeather = "00 00 00 00 00 40 8f 40  00 00 00 00 00 00 32 40 " + kZero + kZero +
                                           "66 66 66 66 66 66 f0 3f  00 00 00 00 00 00 32 40 " + kZero + kZero +
                                           kZeroInt;

// A new waypoint: the position and weather, then keep groundspeed, great
// circle, 12.0 kn, 1.0 nM, pass within, average weather.
inline const std::string kDefaultWaypoint = kDefaultPosition + kDefaultWeather + kZeroInt + kZeroInt +
                                            "00 00 00 00 00 00 28 40  00 00 00 00 00 00 f0 3f " + kZeroInt +
                                            "01 00 00 00 ";

}  // namespace marigold::bytes
