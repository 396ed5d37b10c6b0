#include "exchange/CsvLine.h"

#include <cmath>
#include <cstdlib>

#include "core/TextFormat.h"

namespace marigold {

void CCsvRow::Raw(std::string_view column) {
  if (!first_) line_ += separator_;
  first_ = false;
  line_ += column;
}

void CCsvRow::Text(std::string_view text) {
  const bool quote = text.find_first_of("\"\r\n") != std::string_view::npos ||
                     (!separator_.empty() && text.find(separator_) != std::string_view::npos);
  if (!quote) return Raw(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  quoted += '"';
  Raw(quoted);
}

void CCsvRow::Number(const char* format, double value) { Raw(std::isfinite(value) ? Format(format, value) : ""); }

void CCsvRow::Integer(const char* format, int value) { Raw(Format(format, value)); }

CCsvFields::CCsvFields(std::string_view line, std::string_view separator) {
  // An empty line holds no columns: its record keeps every default.
  if (line.empty()) return;
  const auto endOfRaw = [&](std::size_t from) {
    const std::size_t at = separator.empty() ? std::string_view::npos : line.find(separator, from);
    return at == std::string_view::npos ? line.size() : at;
  };
  std::size_t pos = 0;
  for (;;) {
    std::string column;
    std::size_t end = endOfRaw(pos);
    if (pos < line.size() && line[pos] == '"') {
      // A quoted column counts only when its closing quote ends the column;
      // otherwise the text is taken as it stands (older files never quote).
      std::string unquoted;
      std::size_t k = pos + 1;
      bool closed = false;
      while (k < line.size()) {
        if (line[k] == '"') {
          if (k + 1 < line.size() && line[k + 1] == '"') {
            unquoted += '"';
            k += 2;
            continue;
          }
          closed = true;
          ++k;
          break;
        }
        unquoted += line[k++];
      }
      if (closed && (k == line.size() || line.substr(k, separator.size()) == separator)) {
        column = std::move(unquoted);
        end = k;
      } else {
        column = std::string(line.substr(pos, end - pos));
      }
    } else {
      column = std::string(line.substr(pos, end - pos));
    }
    columns_.push_back(std::move(column));
    if (end >= line.size()) break;
    pos = end + separator.size();
  }
}

void CCsvFields::Read(std::size_t column, std::string& target) const {
  if (Has(column)) target = columns_[column];
}

void CCsvFields::Read(std::size_t column, double& target) const {
  if (!Has(column) || columns_[column].empty()) return;
  // "nan" and "inf", as earlier versions wrote figures that had no value,
  // are no value either.
  const double value = std::atof(columns_[column].c_str());
  if (std::isfinite(value)) target = value;
}

void CCsvFields::Read(std::size_t column, int& target) const {
  if (Has(column) && !columns_[column].empty()) target = std::atoi(columns_[column].c_str());
}

void CCsvFields::ReadFlag(std::size_t column, bool& target) const {
  if (Has(column)) target = columns_[column] == "TRUE";
}

}  // namespace marigold
