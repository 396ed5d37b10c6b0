#pragma once
// The binary archive of route documents, data files and item files:
// little-endian 32-bit integers and flags, 8-byte IEEE doubles, 32-bit
// calendar times and counted strings. An archive either stores into its own
// byte buffer or loads from a borrowed one; records describe their layout once
// in a Serialize(CArchive&) that uses the Exchange calls, which read or write
// depending on the direction.
//
// Loading never trusts the bytes: reading past the end, a string length or a
// record count larger than what remains throws CArchiveException, which the
// loader of a file turns into a message.
#include <cstdint>
#include <cstring>
#include <ctime>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace marigold {

using CBytes = std::vector<std::uint8_t>;

class CArchiveException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArchive {
 public:
  // Bytes of the smallest record a list may hold (seven doubles and an empty
  // string): the bound a record count is checked against before loading.
  static constexpr std::size_t kMinRecordBytes = 7 * 8 + 1;

  static CArchive ForStoring();
  // The bytes must outlive the archive.
  static CArchive ForLoading(std::span<const std::uint8_t> bytes);

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  // Storing.
  void WriteByte(std::uint8_t value) { Put(value); }
  void WriteUInt16(std::uint16_t value) { Put(value); }
  void WriteInt32(std::int32_t value) { Put(value); }
  void WriteUInt32(std::uint32_t value) { Put(value); }
  void WriteFlag(bool value) { WriteInt32(value ? 1 : 0); }
  void WriteDouble(double value) { Put(value); }
  // Throws CArchiveException for a time outside 1970..2106, which the 32-bit
  // form cannot hold.
  void WriteTime(std::time_t value);
  // UTF-8 in; Windows-1252 bytes in the file when every character fits.
  void WriteString(std::string_view utf8);

  // Loading; each throws CArchiveException when the bytes run out.
  std::uint8_t ReadByte() { return Get<std::uint8_t>(); }
  std::uint16_t ReadUInt16() { return Get<std::uint16_t>(); }
  std::int32_t ReadInt32() { return Get<std::int32_t>(); }
  std::uint32_t ReadUInt32() { return Get<std::uint32_t>(); }
  bool ReadFlag() { return ReadInt32() != 0; }
  double ReadDouble() { return Get<double>(); }
  std::time_t ReadTime();
  std::string ReadString();
  // A record count, checked against the bytes that remain: n records of at
  // least minBytesEach must fit, and n must not be negative.
  std::int32_t ReadCount(std::size_t minBytesEach = kMinRecordBytes);
  // Books the memory n elements of memoryEach bytes take once loaded. A
  // load may take at most kMemoryPerByte times the bytes it reads (plus a
  // little), so that a file of tiny elements (an empty string is one byte
  // in the file and a whole string object in memory) cannot make the
  // program take many times the file's size. Throws beyond that.
  void ChargeMemory(std::size_t n, std::size_t memoryEach);
  static constexpr std::size_t kMemoryPerByte = 8;
  static constexpr std::size_t kMemorySlack = 1 << 20;

  // Either direction, for Serialize.
  void Exchange(double& value) { storing_ ? WriteDouble(value) : void(value = ReadDouble()); }
  void Exchange(std::int32_t& value) { storing_ ? WriteInt32(value) : void(value = ReadInt32()); }
  void Exchange(bool& flag) { storing_ ? WriteFlag(flag) : void(flag = ReadFlag()); }
  void Exchange(std::string& utf8);
  // A 32-bit count, then each string (document lists of ports and
  // reporting points).
  void Exchange(std::vector<std::string>& texts);
  void ExchangeTime(std::time_t& value);

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return in_.size() - pos_; }
  bool AtEnd() const { return Remaining() == 0; }

  // The stored bytes: a copy, or taken out of the archive.
  CBytes Bytes() const { return CBytes(out_.begin(), out_.begin() + static_cast<std::ptrdiff_t>(outSize_)); }
  CBytes TakeBytes();

 private:
  explicit CArchive(bool storing) : storing_(storing) {}
  // The hot paths of loading and storing stay inline: a history of 100,000
  // fixes is a few million of these calls.
  const std::uint8_t* Take(std::size_t n) {
    if (n > Remaining()) ThrowEndOfFile();
    const std::uint8_t* p = in_.data() + pos_;
    pos_ += n;
    return p;
  }
  template <class T>
  T Get() {
    T v;
    std::memcpy(&v, Take(sizeof v), sizeof v);
    return v;
  }
  void Put(const void* data, std::size_t n) {
    if (n > out_.size() - outSize_) Grow(n);
    std::memcpy(out_.data() + outSize_, data, n);
    outSize_ += n;
  }
  void Grow(std::size_t n);
  template <class T>
  void Put(T value) {
    Put(&value, sizeof value);
  }
  [[noreturn]] void ThrowEndOfFile() const;
  std::uint64_t ReadStringLength(bool& utf16);

  bool storing_;
  CBytes out_;  // grown ahead in large steps; outSize_ bytes are written
  std::size_t outSize_ = 0;
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
  std::size_t memoryLeft_ = 0;
};

}  // namespace marigold
