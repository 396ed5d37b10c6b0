// The sheets' models over the core records: the waypoint's "Position",
// "Route" and "Meteo" pages, the position fix's pages with their ranges and
// the UTC-sign warnings, the harbour traject list, and the rule that a
// sheet writes back only what was changed.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "core/FixSheet.h"
#include "core/HarbourTraject.h"
#include "core/SheetFields.h"
#include "core/WaypointSheet.h"
#include "fakes/Records.h"

namespace marigold {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(SheetFields, ShownIsTheFigureTheEditorHoldsWithItsDecimals) {
  const std::tuple<double, int, double> cases[] = {
      {245.37, 1, 245.4},     {0.984, 2, 0.98}, {-5.75, 2, -5.75},
      {1.0 / 3, 6, 0.333333}, {kNaN, 1, 0.0},   {std::numeric_limits<double>::infinity(), 2, 0.0},
  };
  for (const auto& [value, decimals, shown] : cases) EXPECT_EQ(Shown(value, decimals), shown) << value;
}

// A fix and a waypoint with figures no editor shows to the last digit.
CFixRecord OddFix() {
  CFixRecord fix;
  fix.SetName("PositionFix 01 Dec 22:00 LT");
  fix.SetLatitude(50.123456789123);
  fix.SetLongitude(190.5);  // east of the date line, as a route can run on
  fix.SetUtcDifferenceDays(0.041);
  fix.SetTime(9831.123456789);
  fix.gyroCourse = 245.25;
  fix.logSpeed = 14.98765432198;
  fix.engineRpm = 88.04;
  fix.weather.airPressure = 1013.27;
  fix.weather.windSpeed = kNaN;
  return fix;
}

CWaypoint OddWaypoint() {
  CWaypoint w;
  w.SetName("Ambrose");
  w.SetLatitude(40.458333333333336);
  w.SetLongitude(-73.83666666666667);
  w.SetUtcDifferenceDays(-0.2083333);
  w.keptGroundspeed = kNaN;  // the schedule could not compute the leg
  w.passWithinDistance = 1.234;
  w.weather.windDirection = 250.04;
  w.weather.currentRate = 0.876;
  return w;
}

// Confirming what the pages showed changes no byte of the record.
TEST(SheetFields, ApplyingWhatWasShownChangesNoByte) {
  CFixRecord fix = OddFix();
  const CBytes fixBytes = Store(fix);
  ApplyFix(ReadFix(fix), fix);
  EXPECT_EQ(Store(fix), fixBytes);

  CWaypoint w = OddWaypoint();
  w.useAverageWeather = false;
  const CBytes waypointBytes = Store(w);
  ApplyWaypointPosition(ReadWaypointPosition(w), w);
  ApplyVoyageLeg(ReadVoyageLeg(w), w);
  ApplyWaypointWeather(ReadWaypointWeather(w), w);
  EXPECT_EQ(Store(w), waypointBytes);
  EXPECT_TRUE(std::isnan(w.keptGroundspeed));
}

TEST(SheetFields, WaypointPositionWritesWhatWasChanged) {
  CWaypoint w = OddWaypoint();
  CWaypointPositionFields f = ReadWaypointPosition(w);
  EXPECT_EQ(std::tuple(f.name, f.position.latitudeDegrees, f.position.latitudeMinutes, f.position.longitudeHemisphere,
                       f.utcDifference),
            std::tuple("Ambrose", 40, 27.5, 1, -5.0));
  f.name = "Ambrose Light";
  ApplyWaypointPosition(f, w);
  EXPECT_EQ(std::tuple(w.GetName(), w.GetLatitude(), w.GetUtcDifferenceDays()),
            std::tuple("Ambrose Light", 40.458333333333336, -0.2083333));
  f.position.longitudeMinutes = 0;
  f.utcDifference = -4;
  ApplyWaypointPosition(f, w);
  EXPECT_EQ(std::tuple(w.GetLongitude(), w.GetUtcDifference()), std::tuple(-73.0, -4.0));

  // The fields hold a longitude beyond 180 degrees as its equal within them;
  // the record keeps its own until the position is changed.
  CFixRecord fix = OddFix();
  ApplyWaypointPosition(ReadWaypointPosition(fix), fix);
  EXPECT_EQ(fix.GetLongitude(), 190.5);
}

TEST(SheetFields, RefusalsNameTheFieldWithTheStandardMessage) {
  const auto position = [](auto change) {
    CWaypointPositionFields f = ReadWaypointPosition(CWaypoint());
    change(f);
    return RefusalText(Validate(f));
  };
  const auto leg = [](auto change) {
    CVoyageLegFields f;
    change(f);
    return RefusalText(Validate(f));
  };
  const auto weather = [](auto change) {
    CWaypointWeatherFields f;
    f.source = 1;
    change(f);
    return RefusalText(Validate(f));
  };
  const std::pair<std::string, const char*> cases[] = {
      {position([](auto& f) { f.position.latitudeDegrees = 91; }),
       "latitudeDegrees: Please enter an integer between 0 and 90."},
      {position([](auto& f) { f.utcDifference = 14.5; }),
       "utcDifference: Please enter a number between -14.0 and 14.0."},
      {leg([](auto& f) { f.keptGroundspeed = 0; }), "accepted"},  // not kept: not checked
      {leg([](auto& f) { f.keepGroundspeed = true, f.keptGroundspeed = 0; }),
       "keptGroundspeed: Please enter a number between 0.1 and 55.0."},
      {leg([](auto& f) { f.passWithin = true, f.passWithinDistance = -1; }),
       "passWithinDistance: Please enter a number between 0.0 and 999.0."},
      {weather([](auto& f) { f.windSpeed = 151; }), "windSpeed: Please enter a number between 0.0 and 150.0."},
      {weather([](auto& f) { f.currentDirection = 361; }),
       "currentDirection: Please enter a number between 0.0 and 360.0."},
      {weather([](auto& f) { f.source = 0, f.currentSpeed = 9; }), "accepted"},  // average: not checked
      {weather([](auto& f) { f.currentSpeed = 9; }), "currentSpeed: Please enter a number between 0.0 and 8.0."},
  };
  for (const auto& [refusal, expected] : cases) EXPECT_EQ(refusal, expected);
}

TEST(SheetFields, LegAndWeatherSettings) {
  CWaypoint w = OddWaypoint();
  CVoyageLegFields leg = ReadVoyageLeg(w);
  EXPECT_EQ(std::tuple(leg.proceedVia, leg.keptGroundspeed, leg.passWithinDistance), std::tuple(1, 0.0, 1.23));
  leg.proceedVia = 0;
  leg.keepGroundspeed = true;
  leg.keptGroundspeed = 10.5;
  ApplyVoyageLeg(leg, w);
  EXPECT_EQ(std::tuple(w.greatCircle, w.keepGroundspeed, w.keptGroundspeed, w.passWithinDistance),
            std::tuple(true, true, 10.5, 1.234));

  // Average weather: only the choice is stored; manual: the figures too.
  CWaypointWeatherFields weather = ReadWaypointWeather(w);
  EXPECT_EQ(std::tuple(weather.source, weather.windDirection, weather.currentSpeed), std::tuple(0, 250.0, 0.88));
  weather.windSpeed = 30;
  ApplyWaypointWeather(weather, w);
  EXPECT_EQ(std::tuple(w.useAverageWeather, w.weather.windSpeed), std::tuple(true, 0.0));
  weather.source = 1;
  ApplyWaypointWeather(weather, w);
  EXPECT_EQ(std::tuple(w.useAverageWeather, w.weather.windSpeed, w.weather.windDirection, w.weather.currentRate),
            std::tuple(false, 30.0, 250.04, 0.876));
}

// The fix's ranges as the sheet and the command line check them, the
// figures of issue reports among them.
TEST(SheetFields, FixRanges) {
  const auto refusal = [](auto change) {
    CFixFields f = ReadFix(CFixRecord());
    change(f);
    return RefusalText(Validate(f));
  };
  const std::pair<std::string, const char*> cases[] = {
      {refusal([](auto&) {}), "accepted"},
      {refusal([](auto& f) { f.position.gyroCourse = 400; }),
       "gyroCourse: Please enter a number between 0.0 and 360.0."},
      {refusal([](auto& f) { f.position.logSpeed = 99; }), "logSpeed: Please enter a number between 0.0 and 55.0."},
      {refusal([](auto& f) { f.position.engineRpm = -5; }), "engineRpm: Please enter a number between 0.0 and 9999.0."},
      {refusal([](auto& f) { f.position.utcDifference = -14.5; }),
       "utcDifference: Please enter a number between -14.0 and 14.0."},
      {refusal([](auto& f) { f.position.position.longitudeDegrees = 181; }),
       "longitudeDegrees: Please enter an integer between 0 and 180."},
      {refusal([](auto& f) { f.weather.windSpeed = -40; }), "windSpeed: Please enter a number between 0.0 and 300.0."},
      {refusal([](auto& f) { f.weather.windDirection = 360.5; }),
       "windDirection: Please enter a number between 0.0 and 360.0."},
      {refusal([](auto& f) { f.weather.airPressure = 5000; }),
       "airPressure: Please enter a number between 900.0 and 1100.0."},
      {refusal([](auto& f) { f.weather.airTemperature = -51; }),
       "airTemperature: Please enter a number between -50.0 and 60.0."},
      {refusal([](auto& f) { f.weather.seawaterTemperature = 90.5; }),
       "seawaterTemperature: Please enter a number between -15.0 and 90.0."},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(SheetFields, UtcSignWarnings) {
  const std::tuple<double, int, const char*> cases[] = {
      {1, 1, kWestUtcWarning}, {-1, 0, kEastUtcWarning}, {-1, -1, kEastUtcWarning}, {-5, 1, nullptr},
      {2, 0, nullptr},         {0, 1, nullptr},          {0, 0, nullptr},
  };
  // By text: the same literal may sit at two addresses (AddressSanitizer
  // keeps every copy).
  const auto text = [](const char* s) { return s ? std::string(s) : std::string("none"); };
  for (const auto& [utc, hemisphere, warning] : cases)
    EXPECT_EQ(text(UtcSignWarning(utc, hemisphere)), text(warning)) << utc << " " << hemisphere;
  EXPECT_EQ(std::string(kWestUtcWarning),
            "On western longitudes UTC Difference\nshould normally be entered as negative value!!");
  EXPECT_EQ(std::string(kEastUtcWarning),
            "On eastern longitudes UTC Difference\nshould normally be entered as positive value!");
}

// Local time at the fix converts to UTC with the fix's own difference, by
// civil arithmetic alone: the hours a computer's clock skips or repeats at
// a daylight-saving change (2024-03-31 02:30, 2024-10-27 02:30 in central
// Europe) are times like any other, whatever TZ the tests run under.
TEST(SheetFields, FixTimeIsLocalTimeAtTheFix) {
  for (const CCivilTime local : {CCivilTime{2024, 3, 31, 2, 30, 0}, CCivilTime{2024, 10, 27, 2, 30, 0}}) {
    CFixRecord fix;
    fix.SetUtcDifference(1);
    CFixFields f = ReadFix(fix);
    f.position.localTime = local;
    ApplyFix(f, fix);
    EXPECT_EQ(CivilTimeOf(fix.GetTime()), (CCivilTime{local.year, local.month, local.day, 1, 30, 0}));
    EXPECT_EQ(ReadFix(fix).position.localTime, local);
    const double time = fix.GetTime();
    f.position.gyroCourse = 90;  // another field changed: the time stays to the bit
    ApplyFix(f, fix);
    EXPECT_EQ(std::tuple(fix.GetTime(), fix.gyroCourse), std::tuple(time, 90.0));
  }
  // A new UTC difference keeps the local time as entered.
  CFixRecord fix = OddFix();
  CFixFields f = ReadFix(fix);
  const CCivilTime local = f.position.localTime;
  f.position.utcDifference = -3;
  ApplyFix(f, fix);
  EXPECT_EQ(std::tuple(fix.GetUtcDifference(), CivilTimeOf(fix.GetTime() - 3.0 / 24), fix.gyroCourse),
            std::tuple(-3.0, local, 245.25));
}

TEST(SheetFields, HarbourTrajectListsTheLegsFromTheFirstWaypoint) {
  CVoyage traject;
  Placed(traject.AddNew(), 51.0, 3.0, "Pilot");
  Placed(traject.AddNew(), 51.5, 3.0, "Buoy");
  CWaypoint* berth = Placed(traject.AddNew(), 51.5, 4.0, "Berth");
  berth->greatCircle = true;
  const CTrajectView view = TrajectView(traject);
  std::vector<std::string> rows;
  for (const CTrajectRow& r : view.rows)
    rows.push_back(r.name + "|" + r.latitude + "|" + r.longitude + "|" + r.course + "|" + r.distance);
  EXPECT_EQ(rows, (std::vector<std::string>{"Pilot|51 : 0.00 N|3 : 0.00 E|  0 deg|0.0 nM",
                                            "Buoy|51 : 30.00 N|3 : 0.00 E|  0 deg|30.0 nM",
                                            "Berth|51 : 30.00 N|4 : 0.00 E| 90 deg|37.4 nM"}));
  EXPECT_EQ(view.totalDistance, "67.4");
  EXPECT_EQ(TrajectView(CVoyage()).totalDistance, "0.0");
}

TEST(SheetFields, DeletingATrajectWaypointAsksFirst) {
  CVoyage traject;
  AddWaypoints(traject, 2);
  CScriptedPrompter prompter;
  prompter.answers = {false, true};
  EXPECT_FALSE(DeleteTrajectWaypoint(traject, traject.GetHead(), prompter));
  EXPECT_TRUE(DeleteTrajectWaypoint(traject, traject.GetHead(), prompter));
  EXPECT_FALSE(DeleteTrajectWaypoint(traject, nullptr, prompter));
  EXPECT_EQ(prompter.questions,
            (std::vector<std::string>{"Delete waypoint WP0\nAre you sure?", "Delete waypoint WP0\nAre you sure?"}));
  EXPECT_EQ(std::tuple(NamesOf(traject), Said(prompter)),
            std::tuple(std::vector<std::string>{"WP1"}, std::vector<std::string>{"Stop: No waypoint selected"}));
}

TEST(SheetFields, ACopiedVoyageStandsOnItsOwn) {
  CVoyage route;
  AddWaypoints(route, 2);
  route.voyageNumber = "MR 7";
  route.notes = "loaded";
  route.weatherSource = true;
  route.keepRpmConstant = false;
  CVoyage copy;
  AddWaypoints(copy, 5);
  CopyVoyage(route, copy);
  copy.GetHead()->SetName("changed");
  EXPECT_EQ(std::tuple(NamesOf(copy).size(), copy.voyageNumber, copy.notes, copy.weatherSource, copy.keepRpmConstant,
                       route.GetHead()->GetName()),
            std::tuple(2u, "MR 7", "loaded", true, false, "WP0"));
  CopyVoyage(copy, copy);
  EXPECT_EQ(copy.GetCount(), 2);
}

}  // namespace
}  // namespace marigold
