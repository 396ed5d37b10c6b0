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
#include "fakes/QtPrinting.h"

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

  // North east, south west, fine minutes, minutes that carry and a longitude
  // beyond 180; a failure shows the expected text, which names its row.
  void positionsGoInAndComeOut() {
    const struct {
      double latitude, longitude;
      const char* shown;
    } positions[] = {
        {51.98, 4.05, "51° 58.80' North / 4° 3.00' East"},
        {-33.8568, -151.2153, "33° 51.408' South / 151° 12.918' West"},
        {12.3456789, 0.0, "12° 20.740734' North / 0° 0.00' East"},
        {0.99999999999, -179.99999999999, "1° 0.00' North / 180° 0.00' West"},
        {-0.5, 200.0, "0° 30.00' South / 160° 0.00' West"},
    };
    for (const auto& p : positions) {
      CPositionEdit edit;
      const CPositionFields fields = PositionFields(p.latitude, p.longitude);
      edit.SetFields(fields);
      QCOMPARE(Shown(edit), QString(p.shown));
      QVERIFY2(edit.Fields() == fields, p.shown);
      QVERIFY2(!ValidatePositionFields(edit.Fields()), p.shown);
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

  void aRefusedValueAsTypedGetsTheFocus() {
    const struct {
      const char *editor, *typed, *message;
    } refusals[] = {
        {"aLatitudeDegrees", "91", "Please enter an integer between 0 and 90."},
        {"aLatitudeMinutes", "60.5", "Please enter a number between 0.0 and 60.0."},
        {"aLongitudeDegrees", "181", "Please enter an integer between 0 and 180."},
        {"aLongitudeMinutes", "61", "Please enter a number between 0.0 and 60.0."},
    };
    for (const auto& r : refusals) {
      CBerthRecord record;
      CScriptedPrompter prompter;
      CBerthSheet sheet(record, prompter);
      sheet.show();
      sheet.tabWidget()->setCurrentIndex(1);
      auto* box = sheet.findChild<QAbstractSpinBox*>(r.editor);
      QVERIFY2(box, r.editor);
      box->selectAll();
      QTest::keyClicks(box, r.typed);
      QTest::mouseClick(sheet.buttonBox()->button(QDialogButtonBox::Ok), Qt::LeftButton);
      QVERIFY2(sheet.isVisible(), r.editor);
      QCOMPARE(prompter.messages.size(), std::size_t{1});
      QCOMPARE(r.editor + (": " + prompter.messages[0].text), r.editor + (": " + std::string(r.message)));
      QVERIFY2(sheet.focusWidget() == box, r.editor);
    }
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CPositionEditTest)
#include "PositionEditTest.moc"
