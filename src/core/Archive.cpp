#include "core/Archive.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/StringEncoding.h"

static_assert(std::endian::native == std::endian::little,
              "the archive copies values byte for byte; a big-endian port must swap them");
static_assert(std::numeric_limits<double>::is_iec559, "the archive stores IEEE doubles");

namespace marigold {

CArchive CArchive::ForStoring() { return CArchive(true); }

CArchive CArchive::ForLoading(std::span<const std::uint8_t> bytes) {
  CArchive ar(false);
  ar.in_ = bytes;
  ar.memoryLeft_ =
      kMemorySlack + (bytes.size() > SIZE_MAX / kMemoryPerByte ? SIZE_MAX / 2 : bytes.size() * kMemoryPerByte);
  return ar;
}

void CArchive::Grow(std::size_t n) { out_.resize(std::max({2 * out_.size(), outSize_ + n, std::size_t{4096}})); }

CBytes CArchive::TakeBytes() {
  out_.resize(outSize_);
  outSize_ = 0;
  return std::move(out_);
}

void CArchive::ThrowEndOfFile() const {
  throw CArchiveException("unexpected end of file at byte " + std::to_string(pos_));
}

void CArchive::WriteTime(std::time_t value) {
  if (value < 0 || static_cast<std::uint64_t>(value) > std::numeric_limits<std::uint32_t>::max())
    throw CArchiveException("time outside the range the file can hold");
  WriteUInt32(static_cast<std::uint32_t>(value));
}

void CArchive::WriteString(std::string_view utf8) {
  const std::string bytes = EncodeForFile(utf8);
  const std::size_t n = bytes.size();
  if (n < 0xFF) {
    WriteByte(static_cast<std::uint8_t>(n));
  } else if (n < 0xFFFE) {
    WriteByte(0xFF);
    WriteUInt16(static_cast<std::uint16_t>(n));
  } else {
    if (n > std::numeric_limits<std::uint32_t>::max() - 1) throw CArchiveException("string too long for the file");
    WriteByte(0xFF);
    WriteUInt16(0xFFFF);
    WriteUInt32(static_cast<std::uint32_t>(n));
  }
  Put(bytes.data(), n);
}

std::time_t CArchive::ReadTime() { return static_cast<std::time_t>(ReadUInt32()); }

// The length prefix: one byte below 0xFF; else 0xFF and a 16-bit length below
// 0xFFFE; 0xFFFF announces a 32-bit length (and 0xFFFFFFFF a 64-bit one).
// 0xFFFE as the 16-bit length marks a UTF-16 string whose length, in
// characters, follows in the same form.
std::uint64_t CArchive::ReadStringLength(bool& utf16) {
  utf16 = false;
  for (;;) {
    const std::uint8_t b = ReadByte();
    if (b < 0xFF) return b;
    const std::uint16_t w = ReadUInt16();
    if (w == 0xFFFE) {
      if (utf16) throw CArchiveException("damaged string length");
      utf16 = true;
      continue;
    }
    if (w < 0xFFFF) return w;
    const std::uint32_t d = ReadUInt32();
    if (d < 0xFFFFFFFFu) return d;
    std::uint64_t q;
    std::memcpy(&q, Take(sizeof q), sizeof q);
    return q;
  }
}

std::string CArchive::ReadString() {
  bool utf16 = false;
  const std::uint64_t length = ReadStringLength(utf16);
  const std::uint64_t bytes = utf16 ? length * 2 : length;
  if (length > Remaining() || bytes > Remaining())
    throw CArchiveException("string length " + std::to_string(length) + " at byte " + std::to_string(pos_) +
                            " exceeds the file");
  const auto* p = reinterpret_cast<const char*>(Take(static_cast<std::size_t>(bytes)));
  const std::string_view raw(p, static_cast<std::size_t>(bytes));
  return utf16 ? DecodeUtf16Le(raw) : DecodeFromFile(raw);
}

std::int32_t CArchive::ReadCount(std::size_t minBytesEach) {
  const std::size_t at = pos_;
  const std::int32_t n = ReadInt32();
  // Divide rather than multiply, so that no minBytesEach can overflow the check.
  const std::size_t each = minBytesEach ? minBytesEach : 1;
  if (n < 0 || static_cast<std::size_t>(n) > Remaining() / each)
    throw CArchiveException("record count " + std::to_string(n) + " at byte " + std::to_string(at) +
                            " exceeds the file");
  return n;
}

void CArchive::ChargeMemory(std::size_t n, std::size_t memoryEach) {
  const std::size_t each = memoryEach ? memoryEach : 1;
  if (n > memoryLeft_ / each)
    throw CArchiveException(std::to_string(n) + " elements at byte " + std::to_string(pos_) +
                            " need more memory than the file can stand for");
  memoryLeft_ -= n * each;
}

void CArchive::Exchange(std::string& utf8) {
  if (storing_)
    WriteString(utf8);
  else
    utf8 = ReadString();
}

void CArchive::Exchange(std::vector<std::string>& texts) {
  if (storing_) {
    WriteInt32(static_cast<std::int32_t>(texts.size()));
    for (const std::string& text : texts) WriteString(text);
    return;
  }
  const std::int32_t n = ReadCount(1);  // a counted string is at least its length byte
  ChargeMemory(static_cast<std::size_t>(n), sizeof(std::string));
  std::vector<std::string> loaded;
  loaded.reserve(static_cast<std::size_t>(n));
  for (std::int32_t i = 0; i < n; ++i) loaded.push_back(ReadString());
  texts = std::move(loaded);
}

void CArchive::ExchangeTime(std::time_t& value) {
  if (storing_)
    WriteTime(value);
  else
    value = ReadTime();
}

}  // namespace marigold
