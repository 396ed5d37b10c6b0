// marigold: headless use of the Marigold Route libraries.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "core/Navigation.h"
#include "core/Position2.h"
#include "core/TextFormat.h"

using namespace marigold;

namespace {

// "49:52.3N", "006:26.7W" or a signed decimal "-6.445".
std::optional<double> ParseAngle(const std::string& text, char positive, char negative) {
  if (text.empty()) return std::nullopt;
  const char last = static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
  double sign = 1;
  std::string body = text;
  if (last == positive || last == negative) {
    sign = last == negative ? -1 : 1;
    body.pop_back();
  }
  char* end = nullptr;
  const std::size_t colon = body.find(':');
  if (colon == std::string::npos) {
    const double v = std::strtod(body.c_str(), &end);
    if (end == body.c_str() || *end) return std::nullopt;
    return sign * v;
  }
  const std::string degText = body.substr(0, colon), minText = body.substr(colon + 1);
  const double d = std::strtod(degText.c_str(), &end);
  if (end == degText.c_str() || *end) return std::nullopt;
  const double m = std::strtod(minText.c_str(), &end);
  if (end == minText.c_str() || *end || m < 0 || m >= 60) return std::nullopt;
  return sign * (d + m / 60);
}

int Usage() {
  std::fputs(
      "usage: marigold leg LAT LON LAT LON\n"
      "  course and distance from the first position to the second, by great circle\n"
      "  and by rhumb line; positions as 49:52.3N 006:26.7W or signed decimal degrees\n",
      stderr);
  return 2;
}

int Leg(char** args) {
  CPosition2 from, to;
  const auto lat1 = ParseAngle(args[0], 'N', 'S'), lon1 = ParseAngle(args[1], 'E', 'W');
  const auto lat2 = ParseAngle(args[2], 'N', 'S'), lon2 = ParseAngle(args[3], 'E', 'W');
  if (!lat1 || !lon1 || !lat2 || !lon2 || std::fabs(*lat1) > 90 || std::fabs(*lat2) > 90) {
    std::fputs("marigold: a position is not valid\n", stderr);
    return 2;
  }
  from.SetLatitude(*lat1), from.SetLongitude(*lon1);
  to.SetLatitude(*lat2), to.SetLongitude(*lon2);
  const CNavigation nav;
  std::printf("From        %s  %s\n", from.LatitudeText().c_str(), from.LongitudeText().c_str());
  std::printf("To          %s  %s\n", to.LatitudeText().c_str(), to.LongitudeText().c_str());
  for (const bool gc : {true, false}) {
    const double course = nav.Course(from, to, gc);
    std::printf("%-11s %6.1f nM  initial course %05.1f deg (%s)\n", gc ? "Greatcircle" : "Rhumbline",
                nav.Distance(from, to, gc), course, nav.CompassPoint(course).c_str());
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && std::strcmp(argv[1], "leg") == 0) return Leg(argv + 2);
  return Usage();
}
