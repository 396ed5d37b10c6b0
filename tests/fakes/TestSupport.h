#pragma once
// Small helpers shared by the test suites.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cctype>
#include <csignal>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/Archive.h"
#include "core/Position2.h"
#include "core/RangeCheck.h"
#include "fakes/Fakes.h"

namespace marigold {

// "FF FFFF 7011 0100" -> bytes; blanks and line breaks are only for reading.
inline CBytes Hex(std::string_view text) {
  CBytes out;
  int high = -1;
  for (const char c : text) {
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    const int v = std::isxdigit(static_cast<unsigned char>(c))
                      ? (std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10)
                      : -1;
    if (v < 0) throw std::invalid_argument("bad hex digit");
    if (high < 0) {
      high = v;
    } else {
      out.push_back(static_cast<std::uint8_t>(high * 16 + v));
      high = -1;
    }
  }
  if (high >= 0) throw std::invalid_argument("odd number of hex digits");
  return out;
}

inline CPosition2 At(double latitude, double longitude) {
  CPosition2 p;
  p.SetLatitude(latitude);
  p.SetLongitude(longitude);
  return p;
}

// A dialog's verdict on its fields in one line: "field: message", or
// "accepted".
inline std::string RefusalText(const std::optional<CFieldRefusal>& refusal) {
  return refusal ? refusal->field + ": " + refusal->message : std::string("accepted");
}

// Figures that must each lie within the tolerance of the one at the same place.
inline void ExpectNear(const std::vector<double>& got, const std::vector<double>& want, double tolerance) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], tolerance) << "figure " << i;
}

// The texts and the icons of the messages shown so far, in order.
inline std::vector<std::string> MessageTexts(const CScriptedPrompter& prompter) {
  std::vector<std::string> texts;
  for (const auto& shown : prompter.messages) texts.push_back(shown.text);
  return texts;
}
inline std::vector<EMessageIcon> MessageIcons(const CScriptedPrompter& prompter) {
  std::vector<EMessageIcon> icons;
  for (const auto& shown : prompter.messages) icons.push_back(shown.icon);
  return icons;
}

// The names of a record list's records, in order.
template <class List>
std::vector<std::string> NamesOf(const List& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.GetCount(); ++i) names.push_back(list.GetAt(i)->GetName());
  return names;
}

// The archive form of a record.
template <class T>
CBytes Store(T&& object) {
  CArchive ar = CArchive::ForStoring();
  object.Serialize(ar);
  return ar.TakeBytes();
}

// Loads a record from bytes that it must use up to the last.
template <class T>
void Load(T& object, const CBytes& bytes) {
  CArchive ar = CArchive::ForLoading(bytes);
  object.Serialize(ar);
  EXPECT_TRUE(ar.AtEnd()) << ar.Remaining() << " bytes left";
}

// Loading damaged bytes must fail; the caller checks what the record kept.
template <class T>
void ExpectLoadFails(T& object, const CBytes& bytes) {
  CArchive ar = CArchive::ForLoading(bytes);
  EXPECT_THROW(object.Serialize(ar), CArchiveException) << bytes.size() << " bytes";
}

// A whole file as text or bytes (empty when it cannot be read).
inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline CBytes FileBytes(const std::string& path) {
  const std::string text = FileText(path);
  return {text.begin(), text.end()};
}

// Writes a file in one go, replacing what was there.
inline void PutFile(const std::string& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
inline void PutFile(const std::string& path, const CBytes& bytes) {
  PutFile(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// While it lives, the kernel refuses writes past 64 KiB, as a full disk would.
class CFileSizeLimit {
 public:
  CFileSizeLimit() : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = 65536;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~CFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, handler_);
  }
  CFileSizeLimit(const CFileSizeLimit&) = delete;
  CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

 private:
  void (*handler_)(int);
  rlimit saved_{};
};

}  // namespace marigold
