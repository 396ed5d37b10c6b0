// The binary archive: counted strings in every length form, numbers, reads
// past the end, Exchange both ways; and the text encoding of file strings.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <tuple>

#include "core/Archive.h"
#include "core/StringEncoding.h"
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
  } cases[] = {
      {0, "00"},
      {254, "FE"},
      {255, "FF FF00"},
      {65533, "FF FDFF"},
      // 0xFFFE as a 16-bit length would be the UTF-16 marker, so it goes long.
      {65534, "FF FFFF FEFF0000"},
      {65535, "FF FFFF FFFF0000"},
      {70000, "FF FFFF 70110100"},
  };
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
  for (const auto& [text, hex] : {std::pair{"Göteborg", "08 47 F6 74 65 62 6F 72 67"},
                                  std::pair{"Łódź", "07 C581 C3B3 64 C5BA"}}) {
    EXPECT_EQ(Stored([&](CArchive& ar) { ar.WriteString(text); }), Hex(hex));
    EXPECT_EQ(OnlyString(Hex(hex)), text);
  }
}

TEST(Archive, NumbersAreLittleEndian) {
  const CBytes bytes = Hex(
      "7F CDAB FEFFFFFF 78563412 01000000 00000000 000000000000F03F 00000000000004C0 "
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
  EXPECT_EQ((std::tuple{int{in.ReadByte()}, int{in.ReadUInt16()}, in.ReadInt32(), in.ReadUInt32(), in.ReadFlag(),
                        in.ReadFlag(), in.ReadDouble(), in.ReadDouble(), in.ReadTime(), in.ReadTime()}),
            (std::tuple{0x7F, 0xABCD, -2, 0x12345678u, true, false, 1.0, -2.5, std::time_t{0},
                        std::time_t{4294967295}}));
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
      {"exchange", "0000", [](CArchive& ar) {
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
  for (const char* hex : {"", "03 6162", "FF FF", "FF FFFF 0000", "FF FFFF FFFFFFFF 00", "FF FEFF",
                          "FF FEFF 03 4100 4200",  // three UTF-16 characters are six bytes; four remain
                          "FF FFFF FFFFFF7F 616263", "FF FFFF FFFFFFFF FFFFFFFFFFFFFFFF 616263",
                          "FF FEFF FF FFFF FFFFFF7F 616263"}) {
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
  EXPECT_THROW(count("02000000", 100, (std::numeric_limits<std::size_t>::max() / 2) + 2),
               CArchiveException);
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

TEST(StringEncoding, TextThatFitsIsWrittenAsWindows1252) {
  EXPECT_EQ(EncodeForFile("Göteborg"), "G\xF6teborg");
  EXPECT_EQ(EncodeForFile("plain ASCII"), "plain ASCII");
  EXPECT_EQ(EncodeForFile("€ ‚ ƒ ™ ž Ÿ"), "\x80 \x82 \x83 \x99 \x9E \x9F");
  EXPECT_EQ(EncodeForFile("\u00A0°ÿ"), "\xA0\xB0\xFF");
}

TEST(StringEncoding, Windows1252BytesDecode) {
  EXPECT_EQ(DecodeFromFile("G\xF6teborg"), "Göteborg");
  EXPECT_EQ(DecodeFromFile("\x80\x8A\x9F"), "€ŠŸ");
  EXPECT_EQ(DecodeFromFile("12\xB0 34'"), "12° 34'");
  EXPECT_EQ(DecodeFromFile("\xFF"), "ÿ");
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
  for (const char* text : {"Łódź", "Мурманск", "横浜", "Göteborg → Łódź", "\U0001D11E",
                           "\u0080"}) {  // U+0080 is not the euro sign's byte
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
  EXPECT_EQ(DecodeFromFile("abc\xC3"), "abcÃ");             // cut short
  EXPECT_EQ(DecodeFromFile("\xC0\xAF"), "À¯");              // overlong
  EXPECT_EQ(DecodeFromFile("\xED\xA0\x80"), "í\u00A0€");    // a surrogate
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
  EXPECT_EQ(DecodeUtf16Le("A\0\xA9\x03"s), "AΩ");
  EXPECT_EQ(DecodeUtf16Le("\x34\xD8\x1E\xDD"s), "\U0001D11E");
  EXPECT_EQ(DecodeUtf16Le("\xAC\x20\x00\x00"s), "€"s + '\0');
  // Unpaired surrogates: high at the end, low alone, high before a non-low.
  EXPECT_EQ(DecodeUtf16Le("A\0\x34\xD8"s), "A\uFFFD");
  EXPECT_EQ(DecodeUtf16Le("\x1E\xDD"s), "\uFFFD");
  EXPECT_EQ(DecodeUtf16Le("\x34\xD8" "B\0"s), "\uFFFDB");
}
