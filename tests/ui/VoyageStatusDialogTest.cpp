#include <QtTest>
#include <QtWidgets>

#include "core/CivilTime.h"
#include "core/CommandIds.h"
#include "core/LocalClock.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/VoyageStatusDialog.h"
#include "ui/widgets/DateTimeEdit.h"

using namespace marigold;

namespace {

// 2024-03-10 08:00 UTC: clear of the daylight-saving changes.
const double kDeparture = DayNumberOf({2024, 3, 10, 8, 0, 0});

}  // namespace

// A route east along the equator; fixes on it at 0°, 1° and 2° east, three
// and then six hours apart (60 nM each), at UTC.
class VoyageStatusDialogTest : public QObject {
  Q_OBJECT

  CVoyage route;
  CVessel2 vessel;
  CFixList fixes;
  CReportingPointList points;
  CFixedClock clock;
  CScriptedPrompter prompter;
  std::vector<bool> printed;  // each report asked for: previewed or printed

 private slots:
  void init() {
    route.RemoveAll();
    fixes.RemoveAll();
    for (int i = 0; i < 4; ++i) Placed(route.AddNew(), 0, 2 * i, "WP" + std::to_string(i));
    route.GetTail()->SetTimeB(kDeparture + 2);
    const double hours[] = {0, 3, 9};
    for (int i = 0; i < 3; ++i) {
      CFixRecord* fix = Placed(fixes.AddNew(), 0, i);
      fix->SetTime(kDeparture + hours[i] / 24);
      fix->groundCourse = 90;
    }
    prompter = CScriptedPrompter();
    printed.clear();
  }

  void historyFollowsTheChosenFixes() {
    CVoyageStatus status(route, vessel, fixes, points, clock);
    QVERIFY(status.Open(prompter));
    CVoyageStatusDialog dialog(status, [this](bool preview) { printed.push_back(preview); });
    dialog.show();
    QCOMPARE(std::tuple(dialog.fromBox()->count(), dialog.fromBox()->itemText(1)),
             std::tuple(3, QStringLiteral("Sunday 10 Mar 11:00 LT")));
    // The whole history: 120 nM in 9 hours.
    QCOMPARE(std::tuple(dialog.figure("distanceMade"), dialog.figure("groundSpeed")),
             std::tuple(QStringLiteral("120.00"), QStringLiteral("13.33")));
    dialog.tillBox()->setCurrentIndex(1);  // 60 nM in 3 hours
    QCOMPARE(std::tuple(dialog.figure("distanceMade"), dialog.figure("groundSpeed")),
             std::tuple(QStringLiteral("60.00"), QStringLiteral("20.00")));
    QCOMPARE(dialog.figure("reportingName"), QStringLiteral("No reporting points defined"));
    // From the latest fix at 2° E: WP1 is passed, WP2 lies 120 nM ahead.
    QCOMPARE(std::tuple(dialog.figure("waypointName"), dialog.figure("distanceToGo")),
             std::tuple(QStringLiteral("WP2"), QStringLiteral("240.00")));
  }

  void aNewScheduledEtaGoesIntoTheRouteAtOnce() {
    CVoyageStatus status(route, vessel, fixes, points, clock);
    QVERIFY(status.Open(prompter));
    CVoyageStatusDialog dialog(status, [this](bool preview) { printed.push_back(preview); });
    dialog.show();
    QCOMPARE(dialog.figure("hoursToGo"), QStringLiteral("39.00"));  // 9 hours after departure of 48
    dialog.etaEdit()->SetCivilTime({2024, 3, 12, 20, 0, 0});
    QVERIFY(status.RouteChanged());
    QCOMPARE(route.GetTail()->GetTimeB(), kDeparture + 2.5);
    QCOMPARE(dialog.figure("hoursToGo"), QStringLiteral("51.00"));
  }

  void theReportIsPrintedOrPreviewed() {
    CVoyageStatus status(route, vessel, fixes, points, clock);
    QVERIFY(status.Open(prompter));
    CVoyageStatusDialog dialog(status, [this](bool preview) { printed.push_back(preview); });
    dialog.show();
    QTest::mouseClick(dialog.printButton(), Qt::LeftButton);
    QTest::mouseClick(dialog.viewButton(), Qt::LeftButton);
    QCOMPARE(printed, std::vector<bool>({false, true}));
  }

  // The voyage number, the departure and the notes go into the route as
  // they are entered; the route of the voyage keeps its scheduled arrival.
  void theRoutesEntriesAreChangedHere() {
    route.voyageNumber = "MR 24-03";
    route.GetHead()->SetTime(kDeparture);
    CVoyageStatus status(route, vessel, fixes, points, clock);
    QVERIFY(status.Open(prompter));
    CVoyageStatusDialog dialog(status, [this](bool preview) { printed.push_back(preview); });
    dialog.show();
    QCOMPARE(dialog.voyageNumberEdit()->text(), QStringLiteral("MR 24-03"));
    QCOMPARE(dialog.departureEdit()->CivilTime(), (CCivilTime{2024, 3, 10, 8, 0, 0}));
    Retype(dialog.voyageNumberEdit(), QStringLiteral("MR 24-04"));
    dialog.notesEdit()->setFocus();
    QTest::keyClicks(dialog.notesEdit(), QStringLiteral("Bunkers at Las Palmas"));
    dialog.departureEdit()->SetCivilTime({2024, 3, 10, 6, 0, 0});
    QCOMPARE(std::tuple(route.voyageNumber, route.notes, route.GetHead()->GetTime(), route.GetHead()->GetTimeA()),
             std::tuple(std::string("MR 24-04"), std::string("Bunkers at Las Palmas"), kDeparture - 2.0 / 24,
                        kDeparture - 2.0 / 24));
    QCOMPARE(route.GetTail()->GetTimeB(), kDeparture + 2);
    QVERIFY(status.RouteChanged());
  }

  void aRouteOfOneWaypointHasNoDepartureToSet() {
    while (route.GetCount() > 1) route.Remove(route.GetTail());
    CVoyageStatus status(route, vessel, fixes, points, clock);
    QVERIFY(status.Open(prompter));
    CVoyageStatusDialog dialog(status, [this](bool preview) { printed.push_back(preview); });
    QVERIFY(!dialog.departureEdit()->isEnabled());
  }

  // What the officer changed in the dialog marks the document for saving;
  // looking only does not.
  void theCommandMarksTheDocumentChangedOnlyByAnEntry() {
    CFrameFixture f;
    AddWaypoints(f.doc->Voyage(), 2);
    for (const bool edit : {false, true}) {
      f.doc->modified = false;
      CDialogScript script([&](QDialog& dialog) {
        if (edit) Retype(Editor(dialog, "voyageNumber"), QStringLiteral("7"));
        dialog.reject();
      });
      RunCommand(command::kVoyageStatus, f.frame);
      QVERIFY(script.Seen());
      QCOMPARE(f.doc->modified, edit);
    }
    QCOMPARE(f.doc->Voyage().voyageNumber, std::string("7"));
  }

  void anEmptyRouteWarnsAndOpens() {
    route.RemoveAll();
    CVoyageStatus status(route, vessel, fixes, points, clock);
    QVERIFY(status.Open(prompter));
    QCOMPARE(MessageTexts(prompter),
             std::vector<std::string>{"No waypoints defined\nRemaining voyage can not be calculated"});
    CVoyageStatusDialog dialog(status, [this](bool preview) { printed.push_back(preview); });
    dialog.show();
    QCOMPARE(dialog.figure("distanceToGo"), QString());
    QVERIFY(!dialog.etaEdit()->isEnabled() && !dialog.departureEdit()->isEnabled());
  }
};

QTEST_MAIN(VoyageStatusDialogTest)
#include "VoyageStatusDialogTest.moc"
