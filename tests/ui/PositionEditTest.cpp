// The position editor: positions in and out, minutes that carry, and arrows
// within the range (its refusals are the sheet test's).
#include <QtTest>
#include <QtWidgets>
#include <tuple>

#include "BerthSheet.h"

namespace marigold {

namespace {

// "51° 58.80' North / 4° 3.00' East"
QString Shown(const CPositionEdit& edit) {
  QStringList rows;
  for (const QString& name : {QStringLiteral("latitude"), QStringLiteral("longitude")}) {
    rows << QStringLiteral("%1 %2 %3")
                .arg(edit.findChild<QAbstractSpinBox*>(name + "Degrees")->text(),
                     edit.findChild<QAbstractSpinBox*>(name + "Minutes")->text(),
                     edit.findChild<QComboBox*>(name + "Hemisphere")->currentText());
  }
  return rows.join(QStringLiteral(" / "));
}

}  // namespace

class CPositionEditTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // North east, south west, fine minutes, minutes that carry and a longitude
  // beyond 180; a failure shows the expected text, which names its row.
  void positionsGoInAndComeOut() {
    const std::tuple<double, double, const char*> positions[] = {
        {51.98, 4.05, "51° 58.80' North / 4° 3.00' East"},
        {-33.8568, -151.2153, "33° 51.408' South / 151° 12.918' West"},
        {12.3456789, 0.0, "12° 20.740734' North / 0° 0.00' East"},
        {0.99999999999, -179.99999999999, "1° 0.00' North / 180° 0.00' West"},
        {-0.5, 200.0, "0° 30.00' South / 160° 0.00' West"},
    };
    for (const auto& [latitude, longitude, shown] : positions) {
      CPositionEdit edit;
      const CPositionFields fields = PositionFields(latitude, longitude);
      edit.SetFields(fields);
      QCOMPARE(Shown(edit), QString(shown));
      QVERIFY2(edit.Fields() == fields && !ValidatePositionFields(edit.Fields()), shown);
    }
  }

  void minutesThatWouldShowAsSixtyCarry() {
    CPositionEdit edit;
    edit.SetFields({0, 59.99999999, 1, 179, 60.0, 1});
    QCOMPARE(Shown(edit), QStringLiteral("1° 0.00' South / 180° 0.00' West"));
    QVERIFY(edit.Fields() == (CPositionFields{1, 0.0, 1, 180, 0.0, 1}));
  }

  // Typed values may lie beyond the range, for validation to refuse; the
  // arrows bring them back into it and go no further.
  void arrowsStayInTheValidRange() {
    CPositionEdit edit;
    const auto box = [&edit](const char* name) { return edit.findChild<QAbstractSpinBox*>(name); };
    edit.SetFields({90, 0.0, 0, 200, 59.5, 0});
    box("latitudeDegrees")->stepBy(1);
    box("longitudeDegrees")->stepBy(-1);
    box("longitudeMinutes")->stepBy(1);
    QVERIFY(edit.Fields() == (CPositionFields{90, 0.0, 0, 180, 60.0, 0}));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CPositionEditTest)
#include "PositionEditTest.moc"
