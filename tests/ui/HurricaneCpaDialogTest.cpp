// "Calculate Hurricane CPA": its precondition, the start it preselects, and
// the figures (or "NA" with the reason) after "Calculate".
#include <QtTest>
#include <QtWidgets>
#include <optional>

#include "core/CivilTime.h"
#include "core/CommandIds.h"
#include "fakes/FrameFixture.h"
#include "fakes/QtInput.h"
#include "fakes/Records.h"
#include "ui/frame/CommandTable.h"
#include "ui/sheets/HurricaneCpaDialog.h"

namespace marigold {

class CHurricaneCpaDialogTest : public QObject {
  Q_OBJECT

  std::optional<CFrameFixture> f;

  CHurricane* AddStorm(const char* name, double latitude, double longitude) {
    CHurricane* storm = Placed(f->doc->Storms().AddNew(), latitude, longitude, name);
    storm->SetTime(100);
    return storm;
  }

  // What the command showed: the message said, or the starting point the
  // dialog preselected.
  std::string Run() {
    std::string shown = "no dialog";
    CDialogScript script([&](QDialog& dialog) {
      auto& cpa = static_cast<CHurricaneCpaDialog&>(dialog);
      shown = cpa.fromFixButton()->isChecked() ? "from fix" : "from departure";
      cpa.reject();
    });
    f->prompter.messages.clear();
    RunCommand(command::kHurricaneTracking, f->frame);
    const std::vector<std::string> said = Said(f->prompter);
    return said.empty() ? shown : said.front();
  }

 private slots:
  void init() { f.emplace(); }
  void cleanup() { f.reset(); }

  void theCommandNeedsAStormAndTwoWaypoints() {
    const std::string refused = "Exclamation: No voyage loaded\nor no active storms";
    AddWaypoints(f->doc->Voyage(), 2);
    QCOMPARE(Run(), refused);  // no storm
    AddStorm("Alma", 10, -60);
    f->doc->Voyage().Remove(f->doc->Voyage().GetTail());
    QCOMPARE(Run(), refused);  // one waypoint
    AddWaypoints(f->doc->Voyage(), 1);
    f->doc->openedFromFile = true;
    QCOMPARE(Run(), std::string("from departure"));
    f->doc->openedFromFile = false;
    QCOMPARE(Run(), std::string("from fix"));
  }

  // From 0°N 0°E on day 100 (2000-04-09 00:00 UTC) making 10 kts north to
  // 1°N; a storm standing at 3°N 0°E is closest at the next waypoint,
  // 60 nM and six hours on, 120 nM due north.
  void calculateShowsTheClosestApproachOrWhyNot() {
    CVoyage route;
    Placed(route.AddNew(), -2, 0, "WP1")->SetTimeA(99);
    Placed(route.AddNew(), 1, 0, "WP2")->SetTimeA(110);
    CHurricaneList storms;
    Placed(storms.AddNew(), 40, -30, "Alma")->SetTime(100);
    Placed(storms.AddNew(), 3, 0, "Bret")->SetTime(100);
    CFixRecord fix;
    Placed(&fix, 0, 0)->SetTime(100);
    fix.groundspeed = 10;
    CFixRecord departure = fix;
    departure.groundspeed = 0;  // the departure makes no way yet
    CHurricaneCpaTool tool(storms, route, &fix, departure, false);
    CHurricaneCpaDialog dialog(tool);
    dialog.show();
    QCOMPARE(dialog.stormBox()->itemText(1), QStringLiteral("Bret"));
    QCOMPARE(dialog.figure("time"), QString());  // nothing before "Calculate"

    dialog.stormBox()->setCurrentIndex(1);
    QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
    const QStringList shown = {dialog.figure("time"), dialog.figure("latitude"), dialog.figure("longitude"),
                               dialog.figure("distance"), dialog.figure("bearing")};
    QCOMPARE(shown, QStringList({"Sunday 09 Apr 06:00 UTC", "3 : 0.00 N", "0 : 0.00 E", "   120.0 nM", "0.0 deg"}));
    QVERIFY(dialog.note().isEmpty());

    dialog.fromDepartureButton()->click();
    QTest::mouseClick(dialog.calculateButton(), Qt::LeftButton);
    QCOMPARE(std::tuple(dialog.figure("time"), dialog.figure("distance"), dialog.note()),
             std::tuple(QStringLiteral("NA"), QStringLiteral("NA"), QString::fromLatin1(kCpaStartMakesNoWay)));
  }
};

}  // namespace marigold

QTEST_MAIN(marigold::CHurricaneCpaDialogTest)
#include "HurricaneCpaDialogTest.moc"
