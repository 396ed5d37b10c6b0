// "Average Weather": where it looks (a waypoint or an entered position), for
// which data (the season of the picked date or the latest observation), and
// what recalculates.
#include <QtTest>
#include <QtWidgets>

#include "core/CommandIds.h"
#include "core/LocalClock.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "lists/MeteoSeason.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/AverageWeatherDialog.h"
#include "ui/widgets/DateTimeEdit.h"
#include "ui/widgets/PositionEdit.h"

namespace marigold {

// Three meteo records, near Ushant, off Finisterre and in the South
// Atlantic, told apart by the counts of their slots.
class CAverageWeatherDialogTest : public QObject {
  Q_OBJECT

  CVoyage route;
  CMeteoList meteo;

  static void LeaveChoice(QComboBox* box) {
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(box, &out);
  }

 private slots:
  void init() {
    route.RemoveAll();
    meteo.RemoveAll();
    const struct {
      double latitude, longitude;
      int count;
    } kRecords[] = {{48.5, -5.5, 10}, {43.5, -9.25, 20}, {-45.5, -10, 30}};
    for (const auto& r : kRecords) {
      CMeteoRecord* record = Placed(meteo.AddNew(), r.latitude, r.longitude);
      record->winter.count = r.count + 1;
      record->autumn.count = r.count + 4;
      record->summer.count = r.count + 3;
      record->latest.count = r.count + 9;
    }
    meteo.GetAt(1)->summer = {23, 21.24, 24.5, 1013.0, 1.025, 90, 0.76, 5, 12.24};
    Placed(route.AddNew(), 48.5, -5.1, "Ushant");
    Placed(route.AddNew(), 43.5, -9.25, "Finisterre");
    Placed(route.AddNew(), 36, -6, "Gibraltar");
  }

  void opensOnTheFirstWaypointAndFollowsTheChoices() {
    CAverageWeatherTool tool(route, meteo);
    CAverageWeatherDialog dialog(tool);
    dialog.show();
    QVERIFY(dialog.waypointButton()->isChecked() && dialog.seasonButton()->isChecked());
    QCOMPARE(dialog.waypointBox()->count(), 3);
    // The date starts at the calendar's time 0: January at UTC, and in any
    // zone east of it.
    QCOMPARE(dialog.dateEdit()->CivilTime().year, 1970);
    QCOMPARE(dialog.figure("observations"), QStringLiteral("11"));
    QCOMPARE(dialog.positionEdit()->Fields(), (CPositionFields{48, 30.0, 0, 5, 6.0, 1}));

    dialog.waypointBox()->setCurrentIndex(1);
    QCOMPARE(dialog.figure("observations"), QStringLiteral("11"));  // not before the choice is left
    LeaveChoice(dialog.waypointBox());
    QCOMPARE(dialog.figure("observations"), QStringLiteral("21"));
    QCOMPARE(dialog.positionEdit()->Fields(), (CPositionFields{43, 30.0, 0, 9, 15.0, 1}));

    // Picking a July day shows the summer slot with every figure.
    dialog.dateEdit()->SetCivilTime({2003, 7, 15, 0, 0, 0});
    emit dialog.dateEdit()->editingFinished();
    const QStringList shown = {dialog.figure("windDirection"),    dialog.figure("windSpeed"),
                               dialog.figure("currentDirection"), dialog.figure("currentSpeed"),
                               dialog.figure("airTemperature"),   dialog.figure("airPressure"),
                               dialog.figure("seaTemperature"),   dialog.figure("observations")};
    QCOMPARE(shown,
             QStringList({"  5 deg", "12.2 kts", " 90 deg", "0.8 kts", "24.5 deg", "1013.0 mb", "21.2 deg", "23"}));

    dialog.latestButton()->click();
    QCOMPARE(dialog.figure("observations"), QStringLiteral("29"));

    // An entered position: 45°30'S 10°00'W.
    dialog.positionButton()->click();
    dialog.positionEdit()->SetFields({45, 30.0, 1, 10, 0.0, 1});
    QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
    QCOMPARE(dialog.figure("observations"), QStringLiteral("39"));
    dialog.seasonButton()->click();
    QCOMPARE(dialog.figure("observations"), QStringLiteral("33"));  // July
    // Leaving a hemisphere recalculates: 45°30'N 10°W is nearest to Finisterre.
    auto* hemisphere = Editor<QComboBox>(dialog, "latitudeHemisphere");
    hemisphere->setCurrentIndex(0);
    LeaveChoice(hemisphere);
    QCOMPARE(dialog.figure("observations"), QStringLiteral("23"));
  }

  void aRouteOfOneWaypointOffersNoneToChoose() {
    route.Remove(route.GetTail());
    route.Remove(route.GetTail());
    CAverageWeatherTool tool(route, meteo);
    CAverageWeatherDialog dialog(tool);
    dialog.show();
    QVERIFY(dialog.positionButton()->isChecked());
    QVERIFY(!dialog.waypointButton()->isEnabled() && dialog.waypointBox()->count() == 0);
  }

  void theVoyageMenuOpensIt() {
    CFrameFixture f;
    QString title;
    CDialogScript script([&](QDialog& dialog) {
      title = dialog.windowTitle();
      dialog.reject();
    });
    RunCommand(command::kAverageWeather, f.frame);
    QCOMPARE(title, QStringLiteral("Average Weather"));
    QVERIFY(f.prompter.messages.empty());
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CAverageWeatherDialogTest)
#include "AverageWeatherDialogTest.moc"
