// The position editor: positions in and out, minutes that carry, arrows
// within the range, and refusals (named by the validation) that find their
// editor in a sheet.
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "BerthSheet.h"
#include "fakes/Fakes.h"

namespace marigold {

namespace {

// "51° 58.80' North / 4° 3.00' East"
QString Shown(const CPositionEdit& edit) {
  QStringList rows;
  for (const QString& name : {QStringLiteral("latitude"), QStringLiteral("longitude")}) {
    rows << QStringLiteral("%1 %2 %3").arg(edit.findChild<QAbstractSpinBox*>(name + "Degrees")->text(),
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
  void positionsGoInAndComeOut_data();
  void positionsGoInAndComeOut();
  void minutesThatWouldShowAsSixtyCarry();
  void arrowsStayInTheValidRange();
  void aRefusedValueAsTypedGetsTheFocus_data();
  void aRefusedValueAsTypedGetsTheFocus();
};

void CPositionEditTest::positionsGoInAndComeOut_data() {
  QTest::addColumn<double>("latitude");
  QTest::addColumn<double>("longitude");
  QTest::addColumn<QString>("shown");
  QTest::newRow("north east") << 51.98 << 4.05 << "51° 58.80' North / 4° 3.00' East";
  QTest::newRow("south west") << -33.8568 << -151.2153 << "33° 51.408' South / 151° 12.918' West";
  QTest::newRow("fine minutes") << 12.3456789 << 0.0 << "12° 20.740734' North / 0° 0.00' East";
  QTest::newRow("minutes carry") << 0.99999999999 << -179.99999999999 << "1° 0.00' North / 180° 0.00' West";
  QTest::newRow("beyond 180") << -0.5 << 200.0 << "0° 30.00' South / 160° 0.00' West";
}

void CPositionEditTest::positionsGoInAndComeOut() {
  QFETCH(double, latitude);
  QFETCH(double, longitude);
  QFETCH(QString, shown);
  CPositionEdit edit;
  const CPositionFields fields = PositionFields(latitude, longitude);
  edit.SetFields(fields);
  QCOMPARE(Shown(edit), shown);
  QVERIFY(edit.Fields() == fields);
  QVERIFY(!ValidatePositionFields(edit.Fields()));
}

void CPositionEditTest::minutesThatWouldShowAsSixtyCarry() {
  CPositionEdit edit;
  edit.SetFields({0, 59.99999999, 1, 179, 60.0, 1});
  QCOMPARE(Shown(edit), QStringLiteral("1° 0.00' South / 180° 0.00' West"));
  QVERIFY(edit.Fields() == (CPositionFields{1, 0.0, 1, 180, 0.0, 1}));
}

// Typed values may lie beyond the range, for validation to refuse; the
// arrows bring them back into it and go no further.
void CPositionEditTest::arrowsStayInTheValidRange() {
  CPositionEdit edit;
  const auto box = [&edit](const char* name) { return edit.findChild<QAbstractSpinBox*>(name); };
  edit.SetFields({90, 0.0, 0, 200, 59.5, 0});
  box("latitudeDegrees")->stepBy(1);
  box("longitudeDegrees")->stepBy(-1);
  box("longitudeMinutes")->stepBy(1);
  QVERIFY(edit.Fields() == (CPositionFields{90, 0.0, 0, 180, 60.0, 0}));
}

void CPositionEditTest::aRefusedValueAsTypedGetsTheFocus_data() {
  QTest::addColumn<QString>("editor");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("message");
  QTest::newRow("latitude degrees") << "aLatitudeDegrees" << "91" << "Please enter an integer between 0 and 90.";
  QTest::newRow("latitude minutes") << "aLatitudeMinutes" << "60.5" << "Please enter a number between 0.0 and 60.0.";
  QTest::newRow("longitude degrees") << "aLongitudeDegrees" << "181" << "Please enter an integer between 0 and 180.";
  QTest::newRow("longitude minutes") << "aLongitudeMinutes" << "61" << "Please enter a number between 0.0 and 60.0.";
}

void CPositionEditTest::aRefusedValueAsTypedGetsTheFocus() {
  QFETCH(QString, editor);
  QFETCH(QString, typed);
  QFETCH(QString, message);
  CBerthRecord record;
  CScriptedPrompter prompter;
  CBerthSheet sheet(record, prompter);
  sheet.show();
  sheet.tabWidget()->setCurrentIndex(1);
  auto* box = sheet.findChild<QAbstractSpinBox*>(editor);
  QVERIFY(box);
  box->selectAll();
  QTest::keyClicks(box, typed);
  QTest::mouseClick(sheet.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  QVERIFY(sheet.isVisible());
  QCOMPARE(prompter.messages.size(), std::size_t{1});
  QCOMPARE(QString::fromStdString(prompter.messages[0].text), message);
  QCOMPARE(sheet.focusWidget(), box);
}

}  // namespace marigold

QTEST_MAIN(marigold::CPositionEditTest)
#include "PositionEditTest.moc"
