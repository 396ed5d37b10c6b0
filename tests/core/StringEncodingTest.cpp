#include <gtest/gtest.h>

#include <string>

#include "core/StringEncoding.h"

using namespace marigold;

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
