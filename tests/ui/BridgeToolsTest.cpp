// The "Navigation Calculator", "Drift angle" and "Metric Conversions"
// dialogs: figures worked out by hand, the refusals that keep the focus on
// their field, and the current of the waypoint ahead.
#include <QtTest>
#include <QtWidgets>

#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "ui/sheets/CalculatorDialog.h"
#include "ui/sheets/ConversionsDialog.h"
#include "ui/sheets/DriftAngleDialog.h"
#include "ui/widgets/PositionEdit.h"

using namespace marigold;

namespace {

CPosition2 Origin() {
  CPosition2 origin;
  return *Placed(&origin, 0, 0);
}

void ShowActive(QDialog& dialog) {
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

QString Text(const QWidget& root, const char* name) { return Editor<QLineEdit>(root, name)->text(); }

// The figure a field shows, within `tolerance` of the hand-worked value.
bool Shows(const QWidget& root, const char* name, double value, double tolerance) {
  bool number = false;
  const double shown = Text(root, name).toDouble(&number);
  return number && std::fabs(shown - value) <= tolerance;
}

}  // namespace

class BridgeToolsTest : public QObject {
  Q_OBJECT

  CScriptedPrompter prompter;

 private slots:
  void init() { prompter = CScriptedPrompter(); }

  // 60 nM due east from 00°00'N 000°00'E is 00°00'N 001°00'E: a degree of
  // longitude on the equator is 60 nM. Back from there by rhumb line the
  // calculator finds the same course and distance.
  void positionBAndBackAgain() {
    CCalculatorDialog dialog(Origin(), prompter);
    ShowActive(dialog);
    QCOMPARE(dialog.viaBox()->currentText(), QStringLiteral("Rhumbline"));
    QCOMPARE(Editor<QComboBox>(dialog, "bLatitudeHemisphere")->currentIndex(), -1);
    dialog.courseField()->setText("090");
    dialog.distanceField()->setText("60");
    // Enter in a field neither calculates nor closes.
    QTest::keyClick(dialog.distanceField(), Qt::Key_Return);
    QVERIFY(dialog.isVisible() && dialog.positionB()->Fields().longitudeDegrees == 0);
    dialog.positionBButton()->click();
    const CPositionFields b = dialog.positionB()->Fields();
    QCOMPARE(std::tuple(b.latitudeDegrees, b.longitudeDegrees, b.longitudeHemisphere), std::tuple(0, 1, 0));
    QVERIFY(std::fabs(b.latitudeMinutes) < 0.005 && std::fabs(b.longitudeMinutes) < 0.005);
    QVERIFY(dialog.positionBNote()->isHidden());

    dialog.courseField()->setText("0");
    dialog.distanceField()->setText("0");
    dialog.courseDistanceButton()->click();
    QVERIFY(Shows(dialog, "course", 90, 1e-6) && Shows(dialog, "distance", 60, 0.005));
    QVERIFY(prompter.messages.empty());
  }

  // 600 nM due north from 89°N would run 9° past the pole.
  void noPositionBeyondThePole() {
    CCalculatorDialog dialog(Origin(), prompter);
    ShowActive(dialog);
    Type(dialog, "aLatitudeDegrees", "89");
    dialog.courseField()->setText("0");
    dialog.distanceField()->setText("600");
    dialog.positionBButton()->click();
    QVERIFY(!dialog.positionBNote()->isHidden());
  }

  void refusedValuesKeepTheFocusAndComputeNothing_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    // clang-format off
    QTest::newRow("minute 60.5") << "aLatitudeMinutes" << "60.5" << "Please enter a number between 0.0 and 60.0.";
    QTest::newRow("degrees 91") << "bLatitudeDegrees" << "91" << "Please enter an integer between 0 and 90.";
    QTest::newRow("longitude 181") << "bLongitudeDegrees" << "181" << "Please enter an integer between 0 and 180.";
    QTest::newRow("course 361") << "course" << "361" << "Please enter a number between 0.0 and 360.0.";
    QTest::newRow("course no number") << "course" << "east" << "Please enter a number.";
    QTest::newRow("distance no number") << "distance" << "1e999" << "Please enter a number.";
    // clang-format on
  }
  void refusedValuesKeepTheFocusAndComputeNothing() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    CCalculatorDialog dialog(Origin(), prompter);
    ShowActive(dialog);
    dialog.distanceField()->setText("60");
    QWidget* editor = Editor(dialog, field.toLatin1().constData());
    if (auto* line = qobject_cast<QLineEdit*>(editor))
      line->setText(typed);
    else
      Retype(editor, typed);
    for (QPushButton* button : {dialog.positionBButton(), dialog.courseDistanceButton()}) {
      prompter.messages.clear();
      button->click();
      QCOMPARE(Said(prompter), std::vector<std::string>{"Exclamation: " + message.toStdString()});
      QCOMPARE(dialog.focusWidget(), editor);
      // Nothing computed: B stays empty and the distance as typed.
      QCOMPARE(dialog.positionB()->Fields().longitudeDegrees, field == "bLongitudeDegrees" ? 181 : 0);
      QCOMPARE(dialog.distanceField()->text(), field == "distance" ? typed : QStringLiteral("60"));
    }
  }

  // Flat, 10 kts north and 2 kts east sum to 10.2 kts towards 011.3°; worked
  // on the sphere at 45°N the figures stay within a few tenths.
  void groundVectorIsWaterVectorPlusCurrent() {
    CVoyage route;
    CDriftAngleDialog dialog(route, CFixRecord{}, 0, 0, prompter);
    ShowActive(dialog);
    const std::pair<const char*, const char*> typed[] = {
        {"steeredCourse", "0"}, {"logSpeed", "10"}, {"currentDirection", "090"}, {"currentVelocity", "2"}};
    for (const auto& [name, text] : typed) Editor<QLineEdit>(dialog, name)->setText(text);
    dialog.calculateButton()->click();
    QVERIFY(Shows(dialog, "groundCourse", 11.3, 0.5) && Shows(dialog, "groundSpeed", 10.2, 0.05));
    QCOMPARE(std::tuple(Text(dialog, "steeredCourse"), Text(dialog, "logSpeed")),
             std::tuple(QString("0"), QString("10")));

    // No current: the ground vector is the water vector.
    Editor<QLineEdit>(dialog, "currentVelocity")->setText("0");
    dialog.calculateButton()->click();
    QVERIFY(Shows(dialog, "groundCourse", 0, 1e-9) && Shows(dialog, "groundSpeed", 10, 1e-9));
    QVERIFY(prompter.messages.empty());
  }

  void aLogSpeedOutOfRangeIsRefusedOnCalculate() {
    CVoyage route;
    CDriftAngleDialog dialog(route, CFixRecord{}, 0, 0, prompter);
    ShowActive(dialog);
    Editor<QLineEdit>(dialog, "logSpeed")->setText("61");
    dialog.calculateButton()->click();
    QCOMPARE(Said(prompter), std::vector<std::string>{"Exclamation: Please enter a number between 0.0 and 60.0."});
    QCOMPARE(std::tuple(dialog.focusWidget(), Text(dialog, "groundSpeed")),
             std::tuple(static_cast<QWidget*>(Editor(dialog, "logSpeed")), QString("0")));
  }

  // "Actual Data": the ship's steered course and log speed; the current of
  // the waypoint ahead of the present position, or the message without a
  // route.
  void actualDataOfTheShipAndTheWaypointAhead() {
    CVoyage route;
    CDriftAngleDialog alone(route, CFixRecord{}, 123.5, 14.25, prompter);
    alone.actualWaterButton()->click();
    QCOMPARE(std::tuple(Text(alone, "steeredCourse"), Text(alone, "logSpeed")),
             std::tuple(QString("123.5"), QString("14.25")));
    alone.actualCurrentButton()->click();
    QCOMPARE(Said(prompter), std::vector<std::string>{"No active voyage\nNo present current data available"});
    QCOMPARE(std::tuple(Text(alone, "currentDirection"), Text(alone, "currentVelocity")),
             std::tuple(QString("0"), QString("0")));

    AddWaypoints(route, 3);  // 50N, 51N and 52N at 4W
    route.GetAt(1)->weather.currentSet = 200;
    route.GetAt(1)->weather.currentRate = 1.5;
    CFixRecord present;
    Placed(&present, 50.9, -4);
    CDriftAngleDialog underway(route, present, 0, 0, prompter);
    underway.actualCurrentButton()->click();
    QCOMPARE(std::tuple(Text(underway, "currentDirection"), Text(underway, "currentVelocity")),
             std::tuple(QString("200"), QString("1.5")));
    QCOMPARE(route.nextWaypointIndex, 1);
    QCOMPARE(prompter.messages.size(), std::size_t{1});
  }

  void conversionsOfTheItemChosen_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("result");
    // clang-format off
    QTest::newRow("fathoms") << "10" << "Fathom to meters" << "18.288";
    QTest::newRow("metres") << "1" << "Meters to fathoms" << "0.5468066491688539";
    QTest::newRow("boiling F") << "212" << "Degrees Fahrenheit to Celcius" << "100";
    QTest::newRow("boiling C") << " 100 " << "Degrees Celcius to fahrenheit" << "212";
    QTest::newRow("knots") << "10" << "Knots to m/sec" << "5.144444444444445";
    QTest::newRow("m/s") << "1" << "Meters per second to kts" << "1.9438444924406046";
    QTest::newRow("last item") << "-2" << "kts to km/hr" << "-3.704";
    // clang-format on
  }
  void conversionsOfTheItemChosen() {
    QFETCH(QString, value);
    QFETCH(QString, item);
    QFETCH(QString, result);
    CConversionsDialog dialog(prompter);
    QCOMPARE(dialog.conversionBox()->count(), 16);
    dialog.valueField()->setText(value);
    dialog.conversionBox()->setCurrentText(item);
    QCOMPARE(dialog.conversionBox()->currentText(), item);
    dialog.calculateButton()->click();
    QCOMPARE(dialog.resultField()->text(), result);
  }

  // Nothing is chosen on opening, and Calculate then leaves "Result:" at 0;
  // a value that is no number is refused and the result stays.
  void nothingChosenOrNoNumberLeavesTheResult() {
    CConversionsDialog dialog(prompter);
    ShowActive(dialog);
    QCOMPARE(std::tuple(dialog.conversionBox()->currentIndex(), dialog.resultField()->text()),
             std::tuple(-1, QString("0")));
    dialog.valueField()->setText("5");
    dialog.calculateButton()->click();
    QCOMPARE(dialog.resultField()->text(), QString("0"));
    QVERIFY(prompter.messages.empty());

    dialog.conversionBox()->setCurrentIndex(4);            // "Nautical Miles to meters"
    QTest::keyClick(dialog.valueField(), Qt::Key_Return);  // as "Calculate"
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.resultField()->text(), QString("9260"));
    for (const char* typed : {"", "5 nM", "nan"}) {
      prompter.messages.clear();
      dialog.valueField()->setText(typed);
      dialog.calculateButton()->click();
      QCOMPARE(Said(prompter), std::vector<std::string>{"Exclamation: Please enter a number."});
      QCOMPARE(std::tuple(dialog.focusWidget(), dialog.resultField()->text()),
               std::tuple(static_cast<QWidget*>(dialog.valueField()), QString("9260")));
    }
  }
};

QTEST_MAIN(BridgeToolsTest)
#include "BridgeToolsTest.moc"
