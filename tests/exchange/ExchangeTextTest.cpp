// The text forms of figures, longitudes and times in the XML exchange files.
#include <gtest/gtest.h>

#include "exchange/ExchangeText.h"
#include "exchange/RouteExchange.h"
#include "fakes/RouteLegs.h"

namespace marigold {
namespace {

TEST(ExchangeText, DecimalsWithoutExponentOrTrailingZeros) {
  const std::tuple<double, int, const char*> kCases[] = {{12.5, 6, "12.5"},
                                                         {12.0, 6, "12"},
                                                         {-0.0000001, 6, "0"},
                                                         {1e-9, 9, "0.000000001"},
                                                         {1e21, 2, "1000000000000000000000"},
                                                         {-45.123456789, 9, "-45.123456789"},
                                                         {0.1 + 0.2, 6, "0.3"}};
  for (const auto& [value, decimals, text] : kCases) EXPECT_EQ(DecimalText(value, decimals), text) << value;
  const std::pair<const char*, std::optional<double>> kParsed[] = {
      {"12.5", 12.5},        {" +3 ", 3.0},          {"-0.25", -0.25},      {"1e2", 100.0},       {"", std::nullopt},
      {"5,5", std::nullopt}, {"12kn", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt}};
  for (const auto& [text, value] : kParsed) EXPECT_EQ(ParseDecimal(text), value) << text;
}

// Files want -180 <= longitude < 180; the program's are unreduced.
TEST(ExchangeText, LongitudesReducedOnTheWayOut) {
  const std::pair<double, const char*> kCases[] = {{185.5, "-174.5"},
                                                   {-190, "170"},
                                                   {180, "-180"},
                                                   {-180, "-180"},
                                                   {540, "-180"},
                                                   {179.9999999999, "-180"},
                                                   {179.999999998, "179.999999998"},
                                                   {3.8833333, "3.8833333"}};
  for (const auto& [longitude, text] : kCases) EXPECT_EQ(FileLongitudeText(longitude), text) << longitude;
}

TEST(ExchangeText, UtcTimesInIso8601) {
  EXPECT_EQ(IsoTimeText(Utc(2026, 12, 1, 22, 5, 9)), "2026-12-01T22:05:09Z");
  EXPECT_EQ(IsoTimeText(Utc(2026, 12, 31, 23, 59, 59) + 0.6 / 86400), "2027-01-01T00:00:00Z");
  const std::pair<const char*, std::optional<double>> kCases[] = {
      {"2026-12-01T22:05:09Z", Utc(2026, 12, 1, 22, 5, 9)},
      {"2026-12-01T22:05:09", Utc(2026, 12, 1, 22, 5, 9)},
      {"2026-12-02T00:05:09+02:00", Utc(2026, 12, 1, 22, 5, 9)},
      {"2026-12-01T12:05:09-10:00", Utc(2026, 12, 1, 22, 5, 9)},
      {"2026-12-01T22:05:09.5Z", Utc(2026, 12, 1, 22, 5, 9) + 0.5 / 86400},
      {"2028-02-29T00:00:00Z", Utc(2028, 2, 29, 0)},
      {"2026-02-29T00:00:00Z", std::nullopt},
      {"2026-12-01 22:05:09Z", std::nullopt},
      {"2026-12-01T22:05Z", std::nullopt},
      {"2026-12-01T24:00:00Z", std::nullopt},
      {"2026-12-01T22:05:09.Z", std::nullopt},
      {"2026-12-01T22:05:09+2", std::nullopt},
      {"1999-12-31T12:00:00Z", std::nullopt},
      {"2100-01-01T00:00:00Z", std::nullopt},
  };
  for (const auto& [text, day] : kCases) {
    const std::optional<double> parsed = ParseIsoTime(text);
    EXPECT_EQ(parsed.has_value(), day.has_value()) << text;
    if (parsed && day) {
      EXPECT_NEAR(*parsed, *day, kSecond / 1000) << text;
    }
  }
}

}  // namespace
}  // namespace marigold
