#pragma once
// A date-time field shown in one of the program's picker formats, e.g.
// "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s LT", holding civil fields.
#include <QDateTimeEdit>
#include <string>
#include <string_view>

#include "core/CivilTime.h"

namespace marigold {

// The Qt display format of a date-time picker format. Quoted text and any
// character that is no field letter stay literal; "yyy" (the full year)
// becomes "yyyy", "t" and "tt" (AM/PM) become "AP", "y" becomes "yy".
std::string QtDisplayFormat(std::string_view pickerFormat);

// The fields go in and come out as they are, whatever the local time zone:
// the edit counts in UTC, where no hour is skipped or repeated, so a time in
// the hour a daylight-saving change skips is kept as typed.
class CDateTimeEdit : public QDateTimeEdit {
  Q_OBJECT

 public:
  explicit CDateTimeEdit(std::string_view pickerFormat, QWidget* parent = nullptr);

  void SetCivilTime(const CCivilTime& time);
  CCivilTime CivilTime() const;
};

}  // namespace marigold
