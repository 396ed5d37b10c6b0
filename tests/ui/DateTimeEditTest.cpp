// The date-time field: picker formats in Qt's syntax, and civil fields that
// come back as they went in under any time zone, daylight-saving changes
// included (the suite runs under UTC and under CET/CEST).
#include <QtTest>
#include <utility>

#include "ui/widgets/DateTimeEdit.h"

namespace marigold {

namespace {

constexpr const char* kLocalFormat = "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s LT";

QString Text(const CCivilTime& t) {
  return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

}  // namespace

class CDateTimeEditTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // A failure shows the expected Qt format, which names its row; "ddddd HHH"
  // runs beyond the longest fields.
  void pickerFormatsInQtSyntax() {
    const std::pair<const char*, const char*> formats[] = {
        {kLocalFormat, "dddd' 'd' 'MMM' 'yyyy'  'HH':'mm':'s' LT'"},
        {"dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s UTC", "dddd' 'd' 'MMM' 'yyyy'  'HH':'mm':'s' UTC'"},
        {" d' 'MMM' 'yyy'  'HH':'mm' UTC", "' 'd' 'MMM' 'yyyy'  'HH':'mm' UTC'"},         // leading blank
        {"dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s", "dddd' 'd' 'MMM' 'yyyy'  'HH':'mm':'s"},  // the schedule's
        {"'Today is: 'hh':'m':'s ddddMMMdd', 'yyy", "'Today is: 'hh':'m':'s' 'ddddMMMdd', 'yyyy"},
        {"dd'.'MM'.'yy HH", "dd'.'MM'.'yy' 'HH"},
        {"MMMM dddd", "MMMM' 'dddd"},
        {"y", "yy"},
        {"yyyy", "yyyy"},
        {"h:mm t, hh tt", "h':'mm' 'AP', 'hh' 'AP"},
        {"ddddd HHH", "ddddd' 'HHH"},
        {"", ""},
        {"'o''clock' H''", "'o''clock 'H''''"},
    };
    for (const auto& [picker, qt] : formats) QCOMPARE(QString::fromStdString(QtDisplayFormat(picker)), QString(qt));
  }

  // A failure shows the time, which names its row.
  void civilFieldsComeBackUnchanged() {
    const std::pair<CCivilTime, const char*> times[] = {
        {{2024, 3, 31, 2, 30, 0}, "Sunday 31 Mar 2024  02:30:0 LT"},       // the hour the clocks skip
        {{2024, 10, 27, 2, 30, 15}, "Sunday 27 Oct 2024  02:30:15 LT"},    // the hour they repeat
        {{2024, 2, 29, 23, 59, 59}, "Thursday 29 Feb 2024  23:59:59 LT"},  // leap day
        {{1999, 12, 31, 0, 0, 0}, "Friday 31 Dec 1999  00:00:0 LT"},       // day zero
        {{2031, 7, 4, 12, 5, 9}, "Friday 4 Jul 2031  12:05:9 LT"},
    };
    for (const auto& [time, shown] : times) {
      CDateTimeEdit edit(kLocalFormat);
      edit.SetCivilTime(time);
      QCOMPARE(Text(edit.CivilTime()), Text(time));
      QCOMPARE(Text(time) + " " + edit.text(), Text(time) + " " + shown);

      // Seconds a format does not show are kept all the same.
      CDateTimeEdit minutesOnly(" d' 'MMM' 'yyy'  'HH':'mm' UTC");
      minutesOnly.SetCivilTime(time);
      QCOMPARE(Text(minutesOnly.CivilTime()), Text(time));
    }
  }

  // Into the hour the clocks skip, and through the hour they repeat.
  void steppingTheHourCountsEveryHour() {
    for (const auto& [month, day] : {std::pair(3, 31), std::pair(10, 27)}) {
      CDateTimeEdit edit(kLocalFormat);
      edit.SetCivilTime({2024, month, day, 1, 30, 0});
      edit.setCurrentSection(QDateTimeEdit::HourSection);
      for (const int hour : {2, 3, 4}) {
        edit.stepBy(1);
        QCOMPARE(Text(edit.CivilTime()), Text({2024, month, day, hour, 30, 0}));
      }
    }
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CDateTimeEditTest)
#include "DateTimeEditTest.moc"
