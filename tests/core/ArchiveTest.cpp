// The binary archive and the text encoding of its strings; the archive forms of the records and of the
// record list, checked against bytes written out by hand.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/Archive.h"
#include "core/CivilTime.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/StringEncoding.h"
#include "core/Waypoint.h"
#include "fakes/RecordBytes.h"
#include "fakes/TestSupport.h"

using namespace marigold;

namespace {

CBytes Concat(CBytes a, std::string_view b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

CBytes Stored(const std::function<void(CArchive&)>& write) {
  CArchive ar = CArchive::ForStoring();
  write(ar);
  return ar.TakeBytes();
}

// Reads one string from bytes that must hold nothing more.
std::string OnlyString(const CBytes& bytes) {
  CArchive in = CArchive::ForLoading(bytes);
  std::string text = in.ReadString();
  EXPECT_TRUE(in.AtEnd());
  return text;
}

}  // namespace

TEST(Archive, CountedStringPrefixesAtEveryBoundary) {
  const struct {
    std::size_t length;
    const char* prefix;
  } cases[] = {{0, "00"},
               {254, "FE"},
               {255, "FF FF00"},
               {65533, "FF FDFF"},
               // 0xFFFE as a 16-bit length would be the UTF-16 marker, so it goes long.
               {65534, "FF FFFF FEFF0000"},
               {65535, "FF FFFF FFFF0000"},
               {70000, "FF FFFF 70110100"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.length);
    const std::string text(c.length, 'a');
    const CBytes expected = Concat(Hex(c.prefix), text);
    EXPECT_EQ(Stored([&](CArchive& ar) { ar.WriteString(text); }), expected);
    EXPECT_EQ(OnlyString(expected), text);
  }
}

TEST(Archive, ReadsLengthFormsOtherWritersUse) {
  // Longer forms than needed, and the 64-bit form behind 0xFFFFFFFF.
  for (const char* prefix : {"FF 0300", "FF FFFF 03000000", "FF FFFF FFFFFFFF 0300000000000000"})
    EXPECT_EQ(OnlyString(Concat(Hex(prefix), "abc")), "abc") << prefix;
}

TEST(Archive, ReadsUtf16Strings) {
  // "Ωx", U+1D11E as a surrogate pair and "!": five UTF-16 units.
  EXPECT_EQ(OnlyString(Hex("FF FEFF 05 A903 7800 34D8 1EDD 2100")), "Ωx\U0001D11E!");
  EXPECT_EQ(OnlyString(Hex("FF FEFF 02 00D8 4100")), "\uFFFDA");
  // The length behind the marker uses the same counted form.
  CBytes wide = Hex("FF FEFF FF 0001");
  for (int k = 0; k < 256; ++k) wide.insert(wide.end(), {0x61, 0x00});
  EXPECT_EQ(OnlyString(wide), std::string(256, 'a'));
}

TEST(Archive, StringsInWindows1252OrUtf8) {
  // Ł does not fit Windows-1252: the whole text goes as UTF-8.
  for (const auto& [text, hex] :
       {std::pair{"Göteborg", "08 47 F6 74 65 62 6F 72 67"}, std::pair{"Łódź", "07 C581 C3B3 64 C5BA"}}) {
    EXPECT_EQ(Stored([&](CArchive& ar) { ar.WriteString(text); }), Hex(hex));
    EXPECT_EQ(OnlyString(Hex(hex)), text);
  }
}

TEST(Archive, NumbersAreLittleEndian) {
  const CBytes bytes =
      Hex("7F CDAB FEFFFFFF 78563412 01000000 00000000 000000000000F03F 00000000000004C0 "
          "00000000 FFFFFFFF");
  EXPECT_EQ(Stored([](CArchive& ar) {
              ar.WriteByte(0x7F);
              ar.WriteUInt16(0xABCD);
              ar.WriteInt32(-2);
              ar.WriteUInt32(0x12345678);
              ar.WriteFlag(true);
              ar.WriteFlag(false);
              ar.WriteDouble(1.0);
              ar.WriteDouble(-2.5);
              ar.WriteTime(0);
              ar.WriteTime(std::time_t{4294967295});
            }),
            bytes);

  // Braces read in order. Times are unsigned: the top of the range is 2106,
  // not a time before 1970.
  CArchive in = CArchive::ForLoading(bytes);
  EXPECT_EQ(
      (std::tuple{int{in.ReadByte()}, int{in.ReadUInt16()}, in.ReadInt32(), in.ReadUInt32(), in.ReadFlag(),
                  in.ReadFlag(), in.ReadDouble(), in.ReadDouble(), in.ReadTime(), in.ReadTime()}),
      (std::tuple{0x7F, 0xABCD, -2, 0x12345678u, true, false, 1.0, -2.5, std::time_t{0}, std::time_t{4294967295}}));
  EXPECT_TRUE(in.AtEnd());
}

TEST(Archive, AnyNonZeroFlagIsTrue) {
  const CBytes bytes = Hex("02000000 00000080 00010000");
  CArchive in = CArchive::ForLoading(bytes);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(in.ReadFlag()) << i;
}

TEST(Archive, TimeOutside32BitsIsRefusedAndNothingWritten) {
  for (std::time_t t : {std::time_t{-1}, std::time_t{4294967296}}) {
    CArchive ar = CArchive::ForStoring();
    EXPECT_THROW(ar.WriteTime(t), CArchiveException) << t;
    EXPECT_TRUE(ar.Bytes().empty());
  }
}

TEST(Archive, EveryReadPastTheEndThrows) {
  const struct {
    const char* name;
    const char* hex;
    std::function<void(CArchive&)> read;
  } cases[] = {
      {"byte", "", [](CArchive& ar) { ar.ReadByte(); }},
      {"uint16", "01", [](CArchive& ar) { ar.ReadUInt16(); }},
      {"int32", "010203", [](CArchive& ar) { ar.ReadInt32(); }},
      {"uint32", "010203", [](CArchive& ar) { ar.ReadUInt32(); }},
      {"flag", "010000", [](CArchive& ar) { ar.ReadFlag(); }},
      {"double", "00000000000000", [](CArchive& ar) { ar.ReadDouble(); }},
      {"time", "000000", [](CArchive& ar) { ar.ReadTime(); }},
      {"count", "000000", [](CArchive& ar) { ar.ReadCount(); }},
      {"exchange", "0000",
       [](CArchive& ar) {
         std::int32_t v = 0;
         ar.Exchange(v);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CBytes bytes = Hex(c.hex);
    CArchive in = CArchive::ForLoading(bytes);
    EXPECT_THROW(c.read(in), CArchiveException);
  }
  // Strings cut short in their length or body; the last three announce 2 GiB
  // or 2^64-1 bytes with three present and are refused before allocating.
  for (const char* hex :
       {"", "03 6162", "FF FF", "FF FFFF 0000", "FF FFFF FFFFFFFF 00", "FF FEFF",
        "FF FEFF 03 4100 4200",  // three UTF-16 characters are six bytes; four remain
        "FF FFFF FFFFFF7F 616263", "FF FFFF FFFFFFFF FFFFFFFFFFFFFFFF 616263", "FF FEFF FF FFFF FFFFFF7F 616263"}) {
    const CBytes bytes = Hex(hex);
    CArchive in = CArchive::ForLoading(bytes);
    EXPECT_THROW(in.ReadString(), CArchiveException) << hex;
  }
}

TEST(Archive, RecordCountIsCheckedAgainstWhatRemains) {
  auto count = [](const char* hex, std::size_t padding, std::size_t each) {
    CBytes bytes = Hex(hex);
    bytes.resize(bytes.size() + padding);
    CArchive in = CArchive::ForLoading(bytes);
    return in.ReadCount(each);
  };
  const std::size_t rec = CArchive::kMinRecordBytes;
  EXPECT_EQ(count("00000000", 0, rec), 0);
  EXPECT_EQ(count("02000000", 2 * rec, rec), 2);
  EXPECT_THROW(count("02000000", 2 * rec - 1, rec), CArchiveException);
  EXPECT_EQ(count("03000000", 12, 4), 3);
  EXPECT_THROW(count("03000000", 11, 4), CArchiveException);
  EXPECT_THROW(count("FFFFFF7F", 10, rec), CArchiveException);
  EXPECT_THROW(count("FFFFFFFF", 100, rec), CArchiveException);
  EXPECT_THROW(count("00000080", 100, 1), CArchiveException);
  // A record size so large that count * size would wrap around.
  EXPECT_THROW(count("02000000", 100, (std::numeric_limits<std::size_t>::max() / 2) + 2), CArchiveException);
}

TEST(Archive, TinyElementsMayNotTakeManyTimesTheFileInMemory) {
  // n empty strings: one byte each in the file, a whole string object in memory.
  auto load = [](std::size_t n) {
    CBytes bytes(4 + n, 0);
    std::memcpy(bytes.data(), &n, 4);
    CArchive in = CArchive::ForLoading(bytes);
    std::vector<std::string> texts;
    in.Exchange(texts);
    return texts.size();
  };
  EXPECT_EQ(load(20000), 20000u);  // well within the slack
  EXPECT_THROW(load(400000), CArchiveException);

  // The budget covers the whole load, not each count alone: two lists that
  // each fit do not fit together.
  const std::size_t each = (CArchive::kMemorySlack / sizeof(std::string)) * 3 / 4;
  CBytes twice(2 * (4 + each), 0);
  std::memcpy(twice.data(), &each, 4);
  std::memcpy(twice.data() + 4 + each, &each, 4);
  CArchive budget = CArchive::ForLoading(twice);
  std::vector<std::string> first;
  EXPECT_EQ(load(each), each);
  budget.Exchange(first);
  EXPECT_THROW(budget.Exchange(first), CArchiveException);
}

namespace {

struct CSample {
  double speed = 0;
  std::int32_t rpm = 0;
  bool loaded = false;
  std::string name;
  std::time_t eta = 0;

  void Serialize(CArchive& ar) {
    ar.Exchange(speed);
    ar.Exchange(rpm);
    ar.Exchange(loaded);
    ar.Exchange(name);
    ar.ExchangeTime(eta);
  }
  bool operator==(const CSample&) const = default;
};

}  // namespace

TEST(Archive, ExchangeRoundTripsBothWays) {
  const CBytes fixture = Hex("0000000000002A40 51000000 01000000 05 C5 72 68 75 73 00E1F505");
  CSample fromFile;
  CArchive in = CArchive::ForLoading(fixture);
  EXPECT_TRUE(in.IsLoading());
  fromFile.Serialize(in);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(fromFile, (CSample{13.0, 81, true, "Århus", 100000000}));

  CArchive out = CArchive::ForStoring();
  EXPECT_TRUE(out.IsStoring());
  fromFile.Serialize(out);
  EXPECT_EQ(out.Bytes(), fixture);

  const CSample original{-0.1, -7, false, "Мурманск", 1700000000};
  CSample copy;
  Load(copy, Store(CSample(original)));
  EXPECT_EQ(copy, original);
}

TEST(StringEncoding, TextThatFitsIsWrittenAsWindows1252AndReadBack) {
  const std::pair<const char*, const char*> cases[] = {{"Göteborg", "G\xF6teborg"},
                                                       {"plain ASCII", "plain ASCII"},
                                                       {"€ ‚ ƒ ™ ž Ÿ", "\x80 \x82 \x83 \x99 \x9E \x9F"},
                                                       {"\u00A0°ÿ", "\xA0\xB0\xFF"},
                                                       {"€ŠŸ", "\x80\x8A\x9F"},
                                                       {"12° 34'", "12\xB0 34'"},
                                                       {"ÿ", "\xFF"}};
  for (const auto& [text, bytes] : cases) {
    EXPECT_EQ(EncodeForFile(text), bytes) << text;
    EXPECT_EQ(DecodeFromFile(bytes), text) << text;
  }
  // The five bytes Windows leaves undefined come back as the C1 controls.
  EXPECT_EQ(DecodeFromFile("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(StringEncoding, EveryHighByteSurvivesDecodeAndEncode) {
  for (int b = 0x80; b <= 0xFF; ++b) {
    const std::string bytes = "x" + std::string(1, static_cast<char>(b));
    EXPECT_EQ(EncodeForFile(DecodeFromFile(bytes)), bytes) << std::hex << b;
  }
}

TEST(StringEncoding, TextThatDoesNotFitIsWrittenAsUtf8) {
  for (const char* text :
       {"Łódź", "Мурманск", "横浜", "Göteborg → Łódź", "\U0001D11E", "\u0080"}) {  // U+0080 is not the euro sign's byte
    EXPECT_EQ(EncodeForFile(text), text);
    EXPECT_EQ(DecodeFromFile(text), text);
  }
}

TEST(StringEncoding, ValidUtf8FromAFileIsTakenAsUtf8) {
  EXPECT_EQ(DecodeFromFile("G\xC3\xB6teborg"), "Göteborg");
  EXPECT_EQ(DecodeFromFile("\xE2\x82\xAC"), "€");
}

TEST(StringEncoding, InvalidUtf8FallsBackToWindows1252) {
  EXPECT_EQ(DecodeFromFile("\xC3\x28"), "Ã(");
  EXPECT_EQ(DecodeFromFile("abc\xC3"), "abcÃ");                // cut short
  EXPECT_EQ(DecodeFromFile("\xC0\xAF"), "À¯");                 // overlong
  EXPECT_EQ(DecodeFromFile("\xED\xA0\x80"), "í\u00A0€");       // a surrogate
  EXPECT_EQ(DecodeFromFile("\xF4\x90\x80\x80"), "ô\u0090€€");  // past U+10FFFF
  // One stray byte makes the whole text Windows-1252.
  EXPECT_EQ(DecodeFromFile("G\xC3\xB6teborg \xB0"), "GÃ¶teborg °");
  // Invalid UTF-8 handed in is written as it is.
  EXPECT_EQ(EncodeForFile("\xFF\xFE"), "\xFF\xFE");
}

TEST(StringEncoding, TextWhoseWindows1252BytesLookLikeUtf8RoundTrips) {
  // "Ã©" in Windows-1252 is C3 A9, which reads as UTF-8 "é".
  for (const char* text : {"Ã©", "Â°", "NÂ°12", "ß€", "", "Göteborg", "Łódź", "€", "\u0081", "Ωx\U0001D11E"})
    EXPECT_EQ(DecodeFromFile(EncodeForFile(text)), text) << text;
}

TEST(StringEncoding, Utf16LittleEndian) {
  using namespace std::string_literals;
  // The last three are unpaired surrogates: high at the end, low alone, high before a non-low.
  const std::pair<std::string, std::string> cases[] = {{"A\0\xA9\x03"s, "AΩ"},
                                                       {"\x34\xD8\x1E\xDD"s, "\U0001D11E"},
                                                       {"\xAC\x20\x00\x00"s, "€"s + '\0'},
                                                       {"A\0\x34\xD8"s, "A\uFFFD"},
                                                       {"\x1E\xDD"s, "\uFFFD"},
                                                       {"\x34\xD8"
                                                        "B\0"s,
                                                        "\uFFFDB"}};
  for (const auto& [bytes, text] : cases) EXPECT_EQ(DecodeUtf16Le(bytes), text) << text;
}

namespace {

using bytes::kDefaultPosition;
using bytes::kDefaultWeather;
using bytes::kZero;

// The doubles of the position part in file order: reserve, latitude,
// longitude, UTC difference, timeA, timeB, time.
std::vector<double> PlaceOf(const CPosition2& p) {
  return {p.GetReserveValue(), p.GetLatitude(), p.GetLongitude(), p.GetUtcDifference(),
          p.GetTimeA(),        p.GetTimeB(),    p.GetTime()};
}

// Pressure 1013, air 20.5, set 45, rate 1.5, the density, seawater 22, wind
// 270 at 15, the count: in file order the bytes of kWeather.
CWeatherData Weather(double density, std::int32_t count) {
  return {.count = count,
          .seawaterTemperature = 22,
          .airTemperature = 20.5,
          .airPressure = 1013,
          .waterDensity = density,
          .currentSet = 45,
          .currentRate = 1.5,
          .windDirection = 270,
          .windSpeed = 15};
}
const std::string kWeather =
    "00 00 00 00 00 a8 8f 40  00 00 00 00 00 80 34 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 f8 3f "
    "00 00 00 00 00 00 f0 3f  00 00 00 00 00 00 36 40  00 00 00 00 00 e0 70 40  00 00 00 00 00 00 2e 40 "
    "03 00 00 00 ";

TEST(RecordArchive, DefaultPositionIsSevenDoublesAndItsName) {
  EXPECT_EQ(Store(CPosition2{}), Hex(kDefaultPosition));

  CPosition2 p = At(-12, 0);
  p.SetName("Elsewhere");
  p.SetTime(99);
  Load(p, Hex(kDefaultPosition));
  EXPECT_EQ(std::pair(p.GetName(), p.IsChanged()), std::pair(std::string("New Position"), false));
  EXPECT_EQ(PlaceOf(p), (std::vector<double>{15, 45, 5, 0, 0, 0, 0}));
}

// 51°30'N 3°15'W "WP1", UTC +6 h, timeA 1097.5, timeB 1098.0, time 1096.25;
// then the weather; keep groundspeed, great circle, kept 14.5 kn, pass within
// 2.5 nM, pass within set, average weather off.
const std::string kWaypoint =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 c0 49 40  00 00 00 00 00 00 0a c0  03 57 50 31 "
    "00 00 00 00 00 00 d0 3f  00 00 00 00 00 26 91 40  00 00 00 00 00 28 91 40  00 00 00 00 00 21 91 40 " +
    kWeather + "01 00 00 00  01 00 00 00  00 00 00 00 00 00 2d 40  00 00 00 00 00 00 04 40  01 00 00 00  00 00 00 00";

TEST(RecordArchive, WaypointWithItsLegSettings) {
  CWaypoint w;
  w.SetName("dirty");
  Load(w, Hex(kWaypoint));
  EXPECT_EQ(w.GetName(), "WP1");
  EXPECT_EQ(PlaceOf(w), (std::vector<double>{15, 51.5, -3.25, 6, 1097.5, 1098, 1096.25}));
  EXPECT_EQ(w.weather, Weather(1.0, 3));
  EXPECT_EQ(std::tie(w.keepGroundspeed, w.greatCircle, w.keptGroundspeed, w.passWithinDistance, w.passWithin,
                     w.useAverageWeather),
            std::make_tuple(true, true, 14.5, 2.5, true, false));
  EXPECT_FALSE(w.IsChanged());
  EXPECT_EQ(Store(w), Hex(kWaypoint));

  // The two leading flags apart: only great circle set.
  CWaypoint gc;
  gc.greatCircle = true;
  EXPECT_EQ(Store(gc), Hex(kDefaultPosition + kDefaultWeather +
                           "00 00 00 00  01 00 00 00  00 00 00 00 00 00 28 40  00 00 00 00 00 00 f0 3f "
                           "00 00 00 00  01 00 00 00"));
}

TEST(RecordArchive, WaypointLegFiguresAreNotArchived) {
  double CWaypoint::*const figures[] = {&CWaypoint::legRevolutions,  &CWaypoint::legWeatherLogDistance,
                                        &CWaypoint::legDistance,     &CWaypoint::groundCourse,
                                        &CWaypoint::gyroCourse,      &CWaypoint::logDistance,
                                        &CWaypoint::resistanceIndex, &CWaypoint::engineRpm};
  CRecordList<CWaypoint> route;
  CWaypoint* w = route.AddNew();
  for (const auto figure : figures) w->*figure = 3;
  w->waypointFlag = true;
  w->keptGroundspeed = 9.5;

  CRecordList<CWaypoint> loaded;
  Load(loaded, Store(route));
  const CWaypoint* back = loaded.GetHead();
  ASSERT_NE(back, nullptr);
  for (const auto figure : figures) EXPECT_EQ(back->*figure, 0);
  EXPECT_EQ(std::pair(back->keptGroundspeed, back->waypointFlag), std::pair(9.5, false));
}

// 10°S 1°45'E "Fix", UTC +1.5 h, time 1096.25; the weather with density 1.02
// and count 1; ground course 123, groundspeed 12.5, gyro 120, log speed 13,
// log reading 57.25, rpm 98, draft 8.5.
const std::string kFix =
    "00 00 00 00 00 00 2e 40  00 00 00 00 00 00 24 c0  00 00 00 00 00 00 fc 3f  03 46 69 78 "
    "00 00 00 00 00 00 b0 3f " +
    kZero + kZero +
    "00 00 00 00 00 21 91 40 "
    "00 00 00 00 00 a8 8f 40  00 00 00 00 00 80 34 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 f8 3f "
    "52 b8 1e 85 eb 51 f0 3f  00 00 00 00 00 00 36 40  00 00 00 00 00 e0 70 40  00 00 00 00 00 00 2e 40 "
    "01 00 00 00 "
    "00 00 00 00 00 c0 5e 40  00 00 00 00 00 00 29 40  00 00 00 00 00 00 5e 40  00 00 00 00 00 00 2a 40 "
    "00 00 00 00 00 a0 4c 40  00 00 00 00 00 80 58 40  00 00 00 00 00 00 21 40";

TEST(RecordArchive, FixRecordWithEveryField) {
  CFixRecord f;
  f.SetLongitude(0);
  Load(f, Hex(kFix));
  EXPECT_EQ(f.GetName(), "Fix");
  EXPECT_EQ(PlaceOf(f), (std::vector<double>{15, -10, 1.75, 1.5, 0, 0, 1096.25}));
  EXPECT_EQ(f.weather, Weather(1.02, 1));
  EXPECT_EQ((std::vector<double>{f.groundCourse, f.groundspeed, f.gyroCourse, f.logSpeed, f.logReading, f.engineRpm,
                                 f.draft}),
            (std::vector<double>{123, 12.5, 120, 13, 57.25, 98, 8.5}));
  EXPECT_FALSE(f.IsChanged());
  EXPECT_EQ(Store(f), Hex(kFix));
}

TEST(RecordArchive, FixReportFormsTruncateAndPad) {
  const struct {
    double course, speed;
    const char *courseText, *speedText;
  } cases[] = {{45.9, 12.5, "045/", "125/"}, {7.99, 0.79, "007/", "007/"}, {359.99, 12.99, "359/", "129/"}};
  CFixRecord f;
  for (const auto& c : cases) {
    f.groundCourse = c.course;
    f.groundspeed = c.speed;
    EXPECT_EQ(f.ReportGroundCourse(), c.courseText);
    EXPECT_EQ(f.ReportGroundspeed(), c.speedText);
  }

  // The fix time is UTC already: the UTC difference does not enter.
  f.SetUtcDifference(-5);
  f.SetTime(DayNumberOf({2003, 12, 5, 12, 30, 0}));
  EXPECT_EQ(f.ReportTime(), "051230Z/");
  f.SetTime(DayNumberOf({2004, 1, 9, 4, 7, 0}));
  EXPECT_EQ(f.ReportTime(), "090407Z/");
}

TEST(RecordArchiveList, EmptyListIsOneZeroWord) {
  CRecordList<CPosition2> list;
  EXPECT_EQ(Store(list), Hex("00 00 00 00"));

  for (int i = 0; i < 2; ++i) list.AddNew();
  Load(list, Hex("00 00 00 00"));
  EXPECT_EQ(list.GetCount(), 0);
}

// Two positions: the default one, then "B" at 45°N 5°E with time 1096.25.
const std::string kTwoPositions = "02 00 00 00 " + kDefaultPosition +
                                  "00 00 00 00 00 00 2e 40  00 00 00 00 00 80 46 40  00 00 00 00 00 00 14 40 "
                                  "01 42 " +
                                  kZero + kZero + kZero + "00 00 00 00 00 21 91 40";

TEST(RecordArchiveList, TwoRecordsLoadInOrder) {
  CRecordList<CPosition2> list;
  list.AddNew()->SetName("old");
  Load(list, Hex(kTwoPositions));
  ASSERT_EQ(NamesOf(list), (std::vector<std::string>{"New Position", "B"}));
  EXPECT_EQ(std::pair(list.GetAt(1)->GetTime(), list.GetAt(1)->IsChanged()), std::pair(1096.25, false));
  EXPECT_EQ(Store(list), Hex(kTwoPositions));
}

TEST(RecordArchiveList, ListOfFixesLoadsFixes) {
  CRecordList<CFixRecord> fixes;
  Load(fixes, Hex("02 00 00 00 " + kFix + kFix));
  ASSERT_EQ(fixes.GetCount(), 2);
  const CPositionList& base = fixes;
  for (int i = 0; i < 2; ++i) {
    const auto* fix = dynamic_cast<const CFixRecord*>(base.GetAt(i));
    ASSERT_NE(fix, nullptr);
    EXPECT_EQ(fix->draft, 8.5);
  }
}

TEST(RecordArchiveList, DamagedArchiveThrowsAndKeepsTheOldRecords) {
  const CBytes good = Hex(kTwoPositions);
  CBytes countTooHigh = good, longName = good;
  countTooHigh[0] = 3;
  longName[4 + 69 + 24] = 0xFE;  // a string length past the end, inside the second record
  const CBytes damaged[] = {CBytes(good.begin(), good.end() - 1),
                            countTooHigh,
                            longName,
                            Hex("ff ff ff 7f  00 00 00 00 00 00 00 00 00 00"),  // 2^31-1, 10 bytes
                            Hex("ff ff ff ff"),                                 // negative
                            Hex("00 00")};
  for (const CBytes& bytes : damaged) {
    CRecordList<CPosition2> list;
    CPosition2* a = list.AddNew();
    CPosition2* b = list.AddNew();
    a->SetName("kept");
    ExpectLoadFails(list, bytes);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(std::pair(list.GetHead(), list.GetTail()), std::pair(a, b));
    EXPECT_EQ(a->GetName(), "kept");
  }
}

}  // namespace
