#pragma once
// Text is UTF-8 inside the program. Files written by earlier versions hold
// Windows-1252, so that is what we write whenever every character fits; text
// that does not fit is written as UTF-8 bytes.
#include <string>
#include <string_view>

namespace marigold {

// UTF-8 text -> bytes for a file: Windows-1252 when every character fits,
// otherwise the UTF-8 bytes unchanged. The UTF-8 bytes are also kept when the
// Windows-1252 bytes would themselves read back as UTF-8 (so DecodeFromFile
// always returns the text written). Invalid UTF-8 is passed through as is.
std::string EncodeForFile(std::string_view utf8);

// UTF-8 text -> Windows-1252 bytes always, for plain 8-bit text such as the
// ship reports: a character that has no Windows-1252 byte (and a byte that
// is not valid UTF-8) becomes `replacement`, and each such character is
// added once, in the order met and separated by spaces, to `unfit` (as
// UTF-8) when it is given.
std::string EncodeWindows1252(std::string_view utf8, char replacement = '?', std::string* unfit = nullptr);

// Bytes from a file -> UTF-8 text: bytes that form valid UTF-8 with at least
// one multi-byte sequence are taken as UTF-8, anything else as Windows-1252.
std::string DecodeFromFile(std::string_view bytes);

// UTF-16LE bytes (as older archives may hold them) -> UTF-8. Unpaired
// surrogates become U+FFFD.
std::string DecodeUtf16Le(std::string_view bytes);

}  // namespace marigold
