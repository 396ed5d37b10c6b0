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
  void WriteByte(std::uint8_t value);
  void WriteUInt16(std::uint16_t value);
  void WriteInt32(std::int32_t value);
  void WriteUInt32(std::uint32_t value);
  void WriteFlag(bool value) { WriteInt32(value ? 1 : 0); }
  void WriteDouble(double value);
  // Throws CArchiveException for a time outside 1970..2106, which the 32-bit
  // form cannot hold.
  void WriteTime(std::time_t value);
  // UTF-8 in; Windows-1252 bytes in the file when every character fits.
  void WriteString(std::string_view utf8);

  // Loading; each throws CArchiveException when the bytes run out.
  std::uint8_t ReadByte();
  std::uint16_t ReadUInt16();
  std::int32_t ReadInt32();
  std::uint32_t ReadUInt32();
  bool ReadFlag() { return ReadInt32() != 0; }
  double ReadDouble();
  std::time_t ReadTime();
  std::string ReadString();
  // A record count, checked against the bytes that remain: n records of at
  // least minBytesEach must fit, and n must not be negative.
  std::int32_t ReadCount(std::size_t minBytesEach = kMinRecordBytes);

  // Either direction, for Serialize.
  void Exchange(double& value);
  void Exchange(std::int32_t& value);
  void Exchange(bool& flag);
  void Exchange(std::string& utf8);
  void ExchangeTime(std::time_t& value);

  std::size_t Position() const { return pos_; }
  std::size_t Remaining() const { return in_.size() - pos_; }
  bool AtEnd() const { return Remaining() == 0; }

  // The stored bytes.
  const CBytes& Bytes() const { return out_; }
  CBytes TakeBytes() { return std::move(out_); }

 private:
  explicit CArchive(bool storing) : storing_(storing) {}
  const std::uint8_t* Take(std::size_t n);
  void Put(const void* data, std::size_t n);
  std::uint64_t ReadStringLength(bool& utf16);

  bool storing_;
  CBytes out_;
  std::span<const std::uint8_t> in_;
  std::size_t pos_ = 0;
};

}  // namespace marigold
