#pragma once
// One line of a comma-separated file: building it column by column and
// splitting it again. The separator is the one character of "ConvChar".
//
// A text that holds the separator, a double quote or a line break is written
// between double quotes (inner quotes doubled) so that it reads back whole,
// its line breaks included; every other column is written exactly as it
// stands, so ordinary lines keep the form other programs and older versions
// expect. Reading accepts both. Lines end in CR LF, as the files exchanged
// with programs on Windows do; reading takes LF and CR LF.
//
// A figure that is not a number (one that could not be computed) is written
// as an empty column, never as "nan", and an empty number column reads back
// as the field's default.
#include <string>
#include <string_view>
#include <vector>

namespace marigold {

class CCsvRow {
 public:
  explicit CCsvRow(std::string separator) : separator_(std::move(separator)) {}

  void Text(std::string_view text);
  // One printf-formatted number ("%#2.4f", "%d", ...), exactly as printf
  // gives it; an empty column when the value is not a finite number.
  void Number(const char* format, double value);
  void Integer(const char* format, int value);
  void Flag(bool value) { Raw(value ? "TRUE" : "FALSE"); }

  // The columns joined by the separator, with the line end (CR LF).
  std::string Line() const { return line_ + "\r\n"; }

 private:
  void Raw(std::string_view column);

  std::string separator_;
  std::string line_;
  bool first_ = true;
};

class CCsvFields {
 public:
  // Splits one record (without its line end) at every separator outside a
  // quoted column; an empty line has no columns.
  CCsvFields(std::string_view line, std::string_view separator);

  std::size_t Count() const { return columns_.size(); }
  bool Has(std::size_t column) const { return column < columns_.size(); }
  const std::string& Text(std::size_t column) const { return columns_[column]; }

  // Each leaves the target as it was when the column is missing, and a
  // number's target also when the column is empty (a value that has none) or
  // reads as "nan" or "inf" (as earlier versions wrote such values).
  // Numbers read as the C library's atof and atoi do: the leading number, 0
  // for none.
  void Read(std::size_t column, std::string& target) const;
  void Read(std::size_t column, double& target) const;
  void Read(std::size_t column, int& target) const;
  // Exactly "TRUE" sets the flag; anything else clears it.
  void ReadFlag(std::size_t column, bool& target) const;

 private:
  std::vector<std::string> columns_;
};

}  // namespace marigold
