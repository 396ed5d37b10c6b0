// The voyage sheet ("Voyage", "Vessel", "Weather", "Notes"): its live
// results, what OK applies and what Cancel leaves of the route and vessel.
#include <QtTest>
#include <QtWidgets>

#include "core/LocalClock.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "ui/sheets/SheetVoyage.h"
#include "ui/widgets/DateTimeEdit.h"
#include "vessel/Vessel2.h"

namespace marigold {

class CVoyageSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    prompter = CScriptedPrompter();
    route.RemoveAll();
    vessel = CVessel2();
    meteo.RemoveAll();
    meteo.AddNew();
    // 60 nM along the equator in 5 hours, leaving 1000.0 at UTC+1.
    for (int i = 0; i < 2; ++i) Placed(route.AddNew(), 0, i, "WP" + std::to_string(i))->SetUtcDifference(1);
    route.GetHead()->SetTime(1000.0);
    route.GetHead()->SetTimeA(1000.0);
    route.GetTail()->SetTimeB(1000.0 + 5.0 / 24 + 1e-9);
    route.voyageNumber = "MR 7";
    route.notes = "Pilot on VHF 14\r\nTugs fast at Maas";
    Remember();
  }

  // The results follow every change; the route and the vessel only OK.
  void liveResultsAndCancel() {
    CSheetVoyage sheet(route, vessel, meteo, clock, "rotterdam.rtp", prompter);
    sheet.show();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("rotterdam.rtp"));
    QCOMPARE(Results(sheet, {"totalDistance", "totalDuration", "averageSpeed"}), QStringLiteral("60.0|5.0|12.0"));
    auto* eta = Editor<CDateTimeEdit>(sheet, "etaPilotstation");
    eta->SetCivilTime(CivilTimeOf(1000.0 + 11.0 / 24));
    QCOMPARE(Results(sheet, {"totalDuration", "averageSpeed"}), QStringLiteral("10.0|6.0"));

    ShowPage(sheet, 1);
    Type(sheet, "draftForward", "10.85");
    QCOMPARE(Results(sheet, {"freeboard"}), QStringLiteral("12.30"));

    ShowPage(sheet, 2);
    QCOMPARE(Results(sheet, {"logDistance", "requiredLogSpeed"}), QStringLiteral("60.|6.0"));
    Editor<QRadioButton>(sheet, "presentWeather")->click();
    Editor<QRadioButton>(sheet, "keepSpeedConstant")->click();
    QCOMPARE(MessageTexts(prompter), std::vector<std::string>{kPresentWeatherNotice});

    ShowPage(sheet, 3);
    Type(sheet, "notes", "changed");
    prompter.answers = {true};
    Press(sheet, QDialogButtonBox::Cancel);
    QVERIFY(!sheet.isVisible());
    QVERIFY(Unchanged());
  }

  void okApplies() {
    CSheetVoyage sheet(route, vessel, meteo, clock, "Untitled", prompter);
    sheet.show();
    Type(sheet, "voyageNumber", "MR 8");
    Editor<CDateTimeEdit>(sheet, "beginSeavoyage")->SetCivilTime(CivilTimeOf(1000.0 + 2.0 / 24));  // 01:00 UTC
    ShowPage(sheet, 1);
    Type(sheet, "displacement", "60000");
    ShowPage(sheet, 2);
    Editor<QRadioButton>(sheet, "keepSpeedConstant")->click();
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && sheet.Applied());
    const CWaypoint& first = *route.GetHead();
    QCOMPARE(std::tuple(route.voyageNumber, CivilTimeOf(first.GetTime()), CivilTimeOf(first.GetTimeA())),
             std::tuple(std::string("MR 8"), CivilTimeOf(1000.0 + 1.0 / 24), CivilTimeOf(1000.0 + 1.0 / 24)));
    QCOMPARE(std::tuple(route.keepRpmConstant, route.weatherSource, vessel.voyageDisplacement, vessel.draftForward),
             std::tuple(false, false, 60000.0, 12.75));
    // Untouched: the arrival to the bit, the notes with their line ends.
    QCOMPARE(std::tuple(route.GetTail()->GetTimeB(), route.notes),
             std::tuple(1000.0 + 5.0 / 24 + 1e-9, std::string("Pilot on VHF 14\r\nTugs fast at Maas")));
  }

  // Every page seen, nothing changed: no byte of route or vessel moves.
  void okWithoutEditsLeavesTheBytes() {
    CSheetVoyage sheet(route, vessel, meteo, clock, "Untitled", prompter);
    sheet.show();
    for (int page = 0; page < 4; ++page) ShowPage(sheet, page);
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && prompter.messages.empty());
    QVERIFY(Unchanged());
  }

  // Notes edited keep the record's line ends.
  void notesKeepTheirLineEnds() {
    CSheetVoyage sheet(route, vessel, meteo, clock, "Untitled", prompter);
    sheet.show();
    ShowPage(sheet, 3);
    auto* notes = Editor<QTextEdit>(sheet, "notes");
    notes->moveCursor(QTextCursor::End);
    QTest::keyClicks(notes, " (2)");
    Press(sheet, QDialogButtonBox::Ok);
    QCOMPARE(route.notes, std::string("Pilot on VHF 14\r\nTugs fast at Maas (2)"));
  }

  // With fewer than two waypoints there is nothing to compute: "NA", and
  // the dates show the present time but cannot be changed.
  void fewerThanTwoWaypoints() {
    route.RemoveAll();
    route.AddNew();
    CSheetVoyage sheet(route, vessel, meteo, clock, "Untitled", prompter);
    sheet.show();
    QVERIFY(!Editor(sheet, "beginSeavoyage")->isEnabled() && !Editor(sheet, "etaPilotstation")->isEnabled());
    QCOMPARE(Editor<CDateTimeEdit>(sheet, "etaPilotstation")->CivilTime(), LocalFieldsOf(clock.Now()));
    ShowPage(sheet, 2);
    QCOMPARE(Results(sheet, {"totalFuel", "logDistance", "requiredLogSpeed", "averageRpm"}),
             QStringLiteral("NA|NA|0|0"));
  }

  void outOfRangeDraftKeepsTheSheetOpen() {
    CSheetVoyage sheet(route, vessel, meteo, clock, "Untitled", prompter);
    sheet.show();
    QVERIFY(RefusedOnOk(sheet, 1, "draftAft", "120", 0));
    QCOMPARE(Said(prompter), std::vector<std::string>(2, "Exclamation: Please enter a number between 0.0 and 99.0."));
    QVERIFY(Unchanged());
  }

 private:
  void Remember() {
    routeBytes = Store(route);
    vesselBytes = Store(vessel);
  }
  bool Unchanged() { return Store(route) == routeBytes && Store(vessel) == vesselBytes; }

  static QString Results(const QWidget& sheet, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) texts << Editor<QLabel>(sheet, name)->text();
    return texts.join('|');
  }

  CScriptedPrompter prompter;
  CVoyage route;
  CVessel2 vessel;
  CMeteoList meteo;
  CFixedClock clock{1700000000};
  CBytes routeBytes;
  CBytes vesselBytes;
};

}  // namespace marigold

QTEST_MAIN(marigold::CVoyageSheetTest)
#include "VoyageSheetTest.moc"
