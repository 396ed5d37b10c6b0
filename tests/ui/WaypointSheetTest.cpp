// The waypoint sheet ("Position", "Route", "Meteo"), the waypoint's weather
// sheet from the Meteo list, and the harbour traject page with its own
// waypoint sheets: what OK writes, what Cancel leaves, the refusals.
#include <QtTest>
#include <QtWidgets>
#include <memory>
#include <optional>

#include "core/WaypointSheet.h"
#include "fakes/QtInput.h"
#include "fakes/QtPrinting.h"
#include "fakes/Records.h"
#include "ui/sheets/HarbourTrajectPage.h"
#include "ui/sheets/MeteoSheet.h"
#include "ui/sheets/WPSheet.h"

namespace marigold {

// The traject page as the port sheet shows it, over a port's two trajects.
class CTrajectSheet final : public CSheet {
 public:
  CTrajectSheet(CVoyage& inbound, CVoyage& outbound, CPrompter& prompter)
      : CSheet("Port", prompter, kDataHasBeenChangedQuestion) {
    AddPage(new CPageHarbourTraject(inbound, outbound, prompter));
  }
};

class CWaypointSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    prompter = CScriptedPrompter();
    waypoint = CWaypoint();
    Placed(&waypoint, 40.458333333333336, -73.83666666666667, "Ambrose");
    waypoint.SetUtcDifferenceDays(-0.2083333);
    waypoint.keptGroundspeed = 13.456789;  // as the schedule left it
    waypoint.weather.windDirection = 250.04;
    original = Store(waypoint);
  }

  // Each page's fields reach the waypoint on OK.
  void okAppliesEveryPage() {
    CWPSheet sheet(waypoint, "Ambrose", prompter);
    sheet.show();
    QCOMPARE(sheet.windowTitle(), QStringLiteral("Ambrose"));
    Type(sheet, "name", "Ambrose Light");
    Type(sheet, "latitudeMinutes", "30");
    ShowPage(sheet, 1);
    QVERIFY(!Editor(sheet, "keptGroundspeed")->isEnabled());
    Editor<QComboBox>(sheet, "proceedVia")->setCurrentIndex(0);
    Editor<QCheckBox>(sheet, "keepGroundspeed")->click();
    QVERIFY(Editor(sheet, "keptGroundspeed")->isEnabled());
    Type(sheet, "keptGroundspeed", "10.5");
    ShowPage(sheet, 2);
    Editor<QRadioButton>(sheet, "manualWeather")->click();
    Type(sheet, "windSpeed", "25");
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && prompter.messages.empty());
    QCOMPARE(std::tuple(waypoint.GetName(), waypoint.GetLatitude(), waypoint.GetUtcDifferenceDays()),
             std::tuple(std::string("Ambrose Light"), 40.5, -0.2083333));
    QCOMPARE(std::tuple(waypoint.greatCircle, waypoint.keepGroundspeed, waypoint.keptGroundspeed),
             std::tuple(true, true, 10.5));
    QCOMPARE(std::tuple(waypoint.useAverageWeather, waypoint.weather.windSpeed, waypoint.weather.windDirection),
             std::tuple(false, 25.0, 250.04));
  }

  // OK without an edit, and Cancel after edits, leave every byte; so does
  // an edit taken back before OK.
  void okWithoutEditsAndCancelLeaveTheBytes() {
    for (const bool cancel : {false, true}) {
      CWPSheet sheet(waypoint, "Ambrose", prompter);
      sheet.show();
      for (int page = 0; page < 3; ++page) ShowPage(sheet, page);
      if (cancel) {
        Type(sheet, "windDirection", "90");
        Editor<QRadioButton>(sheet, "manualWeather")->click();
        prompter.answers = {true};
        Press(sheet, QDialogButtonBox::Cancel);
      } else {
        Press(sheet, QDialogButtonBox::Ok);
      }
      QVERIFY(!sheet.isVisible());
      QVERIFY(Store(waypoint) == original);
    }
    QCOMPARE(prompter.questions, std::vector<std::string>{"Data has been changed!\nCancel all changes?"});
  }

  void outOfRangeKeepsTheSheetOpen() {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {0, "utcDifference", "-15", "Please enter a number between -14.0 and 14.0."},
        {0, "longitudeDegrees", "181", "Please enter an integer between 0 and 180."},
        {1, "keptGroundspeed", "60", "Please enter a number between 0.1 and 55.0."},
        {2, "currentSpeed", "9", "Please enter a number between 0.0 and 8.0."},
    };
    for (const auto& [page, field, typed, message] : cases) {
      prompter = CScriptedPrompter();
      CWPSheet sheet(waypoint, "Ambrose", prompter);
      sheet.show();
      for (int loaded = 0; loaded < 3; ++loaded) ShowPage(sheet, loaded);
      Editor<QCheckBox>(sheet, "keepGroundspeed")->setChecked(true);
      Editor<QRadioButton>(sheet, "manualWeather")->setChecked(true);
      QVERIFY2(RefusedOnOk(sheet, page, field, typed, page == 0 ? 1 : 0), field);
      QCOMPARE(Said(prompter), std::vector<std::string>(2, std::string("Exclamation: ") + message));
      QVERIFY(Store(waypoint) == original);
      sheet.hide();
    }
  }

  // The weather sheet of the Meteo list: the position and the weather page.
  void meteoSheetSetsTheChoice() {
    waypoint.useAverageWeather = false;
    CMeteoSheet sheet(waypoint, "Ambrose", prompter);
    sheet.show();
    QCOMPARE(sheet.findChild<QTabWidget*>()->count(), 2);
    ShowPage(sheet, 1);
    QVERIFY(Editor<QRadioButton>(sheet, "manualWeather")->isChecked() && Editor(sheet, "windSpeed")->isEnabled());
    Type(sheet, "windSpeed", "40");
    Editor<QRadioButton>(sheet, "averageWeather")->click();
    QVERIFY(!Editor(sheet, "windSpeed")->isEnabled());
    Press(sheet, QDialogButtonBox::Ok);
    // Average weather: the typed figure is not stored.
    QCOMPARE(std::tuple(waypoint.useAverageWeather, waypoint.weather.windSpeed), std::tuple(true, 0.0));
  }

  // "Reverse In to Outbnd" asks before replacing an outbound traject, says
  // how many were copied and shows what was made; OK hands it to the port.
  void trajectReversal() {
    CVoyage inbound, outbound;
    AddWaypoints(inbound, 5);
    AddWaypoints(outbound, 1);
    for (const bool confirm : {false, true}) {
      prompter = CScriptedPrompter();
      CTrajectSheet sheet(inbound, outbound, prompter);
      sheet.show();
      auto* list = Editor<QTreeWidget>(sheet, "trajectList");
      QCOMPARE(std::tuple(list->topLevelItemCount(), Editor<QLabel>(sheet, "totalDistance")->text()),
               std::tuple(5, QStringLiteral("240.0")));
      prompter.answers = {true};
      Button(sheet, "Reverse In to Outbnd")->click();
      QCOMPARE(Said(prompter), std::vector<std::string>{"Information: 5 waypoints copied to outbound voyage"});
      QVERIFY(Editor<QRadioButton>(sheet, "showOutbound")->isChecked());
      QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("WP4"));
      if (confirm) {
        Press(sheet, QDialogButtonBox::Ok);
      } else {
        prompter.answers = {true};
        Press(sheet, QDialogButtonBox::Cancel);
      }
      QCOMPARE(NamesOf(outbound).front(), std::string(confirm ? "WP4" : "WP0"));
    }
    QCOMPARE(NamesOf(inbound).size(), 5u);
  }

  // Choosing which traject is shown changes no data: OK leaves both.
  void trajectViewingIsNoEdit() {
    CVoyage inbound, outbound;
    AddWaypoints(inbound, 2);
    AddWaypoints(outbound, 1);
    const std::pair<CBytes, CBytes> before{Store(inbound), Store(outbound)};
    CTrajectSheet sheet(inbound, outbound, prompter);
    sheet.show();
    Editor<QRadioButton>(sheet, "showOutbound")->click();
    QCOMPARE(Editor<QTreeWidget>(sheet, "trajectList")->topLevelItemCount(), 1);
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && !sheet.Applied());
    QVERIFY(std::pair(Store(inbound), Store(outbound)) == before);
  }

  // "Add" opens a "New Waypoint" sheet after the selected row and takes the
  // waypoint back on Cancel; "Edit" and "Delete" want a row.
  void trajectButtons() {
    CVoyage inbound, outbound;
    AddWaypoints(inbound, 2);
    CTrajectSheet sheet(inbound, outbound, prompter);
    sheet.show();
    auto* list = Editor<QTreeWidget>(sheet, "trajectList");
    for (const char* button : {"Edit", "Delete"}) Button(sheet, button)->click();
    QCOMPARE(Said(prompter), std::vector<std::string>(2, "Stop: No waypoint selected"));

    list->setCurrentItem(list->topLevelItem(0));
    std::string caption;
    for (const bool confirm : {false, true}) {
      CDialogScript add([&](QDialog& dialog) {
        caption = dialog.windowTitle().toStdString();
        Type(dialog, "name", "Maas Center");
        prompter.answers = {true};
        Press(static_cast<CSheet&>(dialog), confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
      });
      Button(sheet, "Add")->click();
      QVERIFY(add.Seen());
    }
    QCOMPARE(caption, std::string(kNewWaypointCaption));
    QCOMPARE(list->topLevelItemCount(), 3);
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("Maas Center"));

    list->setCurrentItem(list->topLevelItem(1));
    prompter.answers = {true};
    Button(sheet, "Delete")->click();
    QCOMPARE(list->topLevelItemCount(), 2);
    QVERIFY(NamesOf(inbound) == (std::vector<std::string>{"WP0", "WP1"}));  // until OK
    Press(sheet, QDialogButtonBox::Ok);
    QVERIFY(!sheet.isVisible() && sheet.Applied());
  }

 private:
  static QPushButton* Button(const QWidget& root, const char* text) {
    for (QPushButton* button : root.findChildren<QPushButton*>())
      if (button->text() == QLatin1String(text)) return button;
    return nullptr;
  }

  CScriptedPrompter prompter;
  CWaypoint waypoint;
  CBytes original;
};

}  // namespace marigold

QTEST_MAIN(marigold::CWaypointSheetTest)
#include "WaypointSheetTest.moc"
