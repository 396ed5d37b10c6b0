#include "ui/widgets/DateTimeEdit.h"

#include <array>
#include <cstddef>

namespace marigold {
namespace {

// The Qt forms of the picker's field letters by the length of their run;
// a longer run is read as the longest form and what follows it.
struct CFieldLetter {
  char letter;
  std::array<const char*, 4> forms;
};

constexpr CFieldLetter kFieldLetters[] = {
    {'d', {"d", "dd", "ddd", "dddd"}},
    {'M', {"M", "MM", "MMM", "MMMM"}},
    {'y', {"yy", "yy", "yyyy", "yyyy"}},  // Qt has no one-digit year
    {'h', {"h", "hh"}},
    {'H', {"H", "HH"}},
    {'m', {"m", "mm"}},
    {'s', {"s", "ss"}},
    {'t', {"AP", "AP"}},  // nor a one-letter AM/PM
};

// The Qt form of a run of `count` equal letters, with `count` shortened to
// the letters it takes; nullptr when the letter is no field.
const char* QtField(char letter, std::size_t& count) {
  for (const CFieldLetter& field : kFieldLetters) {
    if (field.letter != letter) continue;
    while (count > field.forms.size() || !field.forms[count - 1]) --count;
    return field.forms[count - 1];
  }
  return nullptr;
}

}  // namespace

std::string QtDisplayFormat(std::string_view picker) {
  std::string out;
  std::string literal;
  const auto endLiteral = [&] {
    if (literal.empty()) return;
    out += '\'';
    for (const char c : literal) out += c == '\'' ? std::string("''") : std::string(1, c);
    out += '\'';
    literal.clear();
  };
  bool quoted = false;
  for (std::size_t i = 0; i < picker.size();) {
    const char c = picker[i];
    if (c == '\'') {
      // Two quotes are a quote, in quoted text or out of it.
      if (i + 1 < picker.size() && picker[i + 1] == '\'') {
        literal += '\'';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      continue;
    }
    std::size_t count = 1;
    while (i + count < picker.size() && picker[i + count] == c) ++count;
    const char* field = quoted ? nullptr : QtField(c, count);
    if (!field) {
      literal += c;
      ++i;
      continue;
    }
    endLiteral();
    out += field;
    i += count;
  }
  endLiteral();
  return out;
}

CDateTimeEdit::CDateTimeEdit(std::string_view pickerFormat, QWidget* parent) : QDateTimeEdit(parent) {
  setTimeSpec(Qt::UTC);
  setDisplayFormat(QString::fromStdString(QtDisplayFormat(pickerFormat)));
}

void CDateTimeEdit::SetCivilTime(const CCivilTime& t) {
  setDateTime(QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC));
}

CCivilTime CDateTimeEdit::CivilTime() const {
  const QDateTime value = dateTime();
  const QDate date = value.date();
  const QTime time = value.time();
  return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace marigold
