// The date-time field: picker formats in Qt's syntax, and civil fields that
// come back as they went in under any time zone, daylight-saving changes
// included (the suite runs under UTC and under CET/CEST).
#include <QLocale>
#include <QtTest>

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
  void pickerFormatsInQtSyntax_data();
  void pickerFormatsInQtSyntax();
  void civilFieldsComeBackUnchanged_data();
  void civilFieldsComeBackUnchanged();
  void steppingTheHourCountsEveryHour_data();
  void steppingTheHourCountsEveryHour();
};

void CDateTimeEditTest::pickerFormatsInQtSyntax_data() {
  QTest::addColumn<QString>("picker");
  QTest::addColumn<QString>("qt");
  QTest::newRow("local time") << kLocalFormat << "dddd' 'd' 'MMM' 'yyyy'  'HH':'mm':'s' LT'";
  QTest::newRow("UTC") << "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s UTC" << "dddd' 'd' 'MMM' 'yyyy'  'HH':'mm':'s' UTC'";
  QTest::newRow("leading blank") << " d' 'MMM' 'yyy'  'HH':'mm' UTC" << "' 'd' 'MMM' 'yyyy'  'HH':'mm' UTC'";
  QTest::newRow("schedule") << "dddd' 'd' 'MMM' 'yyy'  'HH':'mm':'s" << "dddd' 'd' 'MMM' 'yyyy'  'HH':'mm':'s";
  QTest::newRow("letters in quotes") << "'Today is: 'hh':'m':'s ddddMMMdd', 'yyy"
                                     << "'Today is: 'hh':'m':'s' 'ddddMMMdd', 'yyyy";
  QTest::newRow("two-digit fields") << "dd'.'MM'.'yy HH" << "dd'.'MM'.'yy' 'HH";
  QTest::newRow("full names") << "MMMM dddd" << "MMMM' 'dddd";
  QTest::newRow("AM/PM") << "h:mm t, hh tt" << "h':'mm' 'AP', 'hh' 'AP";
  QTest::newRow("one-digit year") << "y" << "yy";
  QTest::newRow("four-digit year") << "yyyy" << "yyyy";
  QTest::newRow("runs beyond the longest") << "ddddd HHH" << "ddddd' 'HHH";
  QTest::newRow("quote") << "'o''clock' H''" << "'o''clock 'H''''";
  QTest::newRow("empty") << "" << "";
}

void CDateTimeEditTest::pickerFormatsInQtSyntax() {
  QFETCH(QString, picker);
  QFETCH(QString, qt);
  QCOMPARE(QString::fromStdString(QtDisplayFormat(picker.toStdString())), qt);
}

void CDateTimeEditTest::civilFieldsComeBackUnchanged_data() {
  QTest::addColumn<int>("year");
  QTest::addColumn<int>("month");
  QTest::addColumn<int>("day");
  QTest::addColumn<int>("hour");
  QTest::addColumn<int>("minute");
  QTest::addColumn<int>("second");
  QTest::addColumn<QString>("shown");
  QTest::newRow("hour the clocks skip") << 2024 << 3 << 31 << 2 << 30 << 0 << "Sunday 31 Mar 2024  02:30:0 LT";
  QTest::newRow("hour the clocks repeat") << 2024 << 10 << 27 << 2 << 30 << 15 << "Sunday 27 Oct 2024  02:30:15 LT";
  QTest::newRow("leap day") << 2024 << 2 << 29 << 23 << 59 << 59 << "Thursday 29 Feb 2024  23:59:59 LT";
  QTest::newRow("day zero") << 1999 << 12 << 31 << 0 << 0 << 0 << "Friday 31 Dec 1999  00:00:0 LT";
  QTest::newRow("summer") << 2031 << 7 << 4 << 12 << 5 << 9 << "Friday 4 Jul 2031  12:05:9 LT";
}

void CDateTimeEditTest::civilFieldsComeBackUnchanged() {
  QFETCH(int, year);
  QFETCH(int, month);
  QFETCH(int, day);
  QFETCH(int, hour);
  QFETCH(int, minute);
  QFETCH(int, second);
  QFETCH(QString, shown);
  const CCivilTime time{year, month, day, hour, minute, second};
  CDateTimeEdit edit(kLocalFormat);
  edit.SetCivilTime(time);
  QCOMPARE(Text(edit.CivilTime()), Text(time));
  QCOMPARE(edit.text(), shown);

  // Seconds a format does not show are kept all the same.
  CDateTimeEdit minutesOnly(" d' 'MMM' 'yyy'  'HH':'mm' UTC");
  minutesOnly.SetCivilTime(time);
  QCOMPARE(Text(minutesOnly.CivilTime()), Text(time));
}

void CDateTimeEditTest::steppingTheHourCountsEveryHour_data() {
  QTest::addColumn<int>("month");
  QTest::addColumn<int>("day");
  QTest::newRow("into the hour the clocks skip") << 3 << 31;
  QTest::newRow("through the hour the clocks repeat") << 10 << 27;
}

void CDateTimeEditTest::steppingTheHourCountsEveryHour() {
  QFETCH(int, month);
  QFETCH(int, day);
  CDateTimeEdit edit(kLocalFormat);
  edit.SetCivilTime({2024, month, day, 1, 30, 0});
  edit.setCurrentSection(QDateTimeEdit::HourSection);
  for (const int hour : {2, 3, 4}) {
    edit.stepBy(1);
    QCOMPARE(Text(edit.CivilTime()), Text({2024, month, day, hour, 30, 0}));
  }
}

}  // namespace marigold

QTEST_MAIN(marigold::CDateTimeEditTest)
#include "DateTimeEditTest.moc"
