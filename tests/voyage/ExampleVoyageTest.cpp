// The example voyage that make-example writes, read back by the program's
// own loaders: every list loads, every figure is a number, the reporting
// points stand back along their legs, every fix after the first has its
// current, and the warnings' closest approaches lie where the route passes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "core/LocalClock.h"
#include "core/MemorySettingsStore.h"
#include "core/Navigation.h"
#include "fakes/Records.h"
#include "fakes/TempFolder.h"
#include "lists/WarningRows.h"
#include "voyage/MarigoldRouteDoc.h"
#include "voyage/Schedule.h"
#include "voyage/VoyageStatus.h"

namespace marigold {
namespace {

void ExpectFinite(const std::string& what, std::initializer_list<double> figures) {
  int i = 0;
  for (const double figure : figures) {
    EXPECT_TRUE(std::isfinite(figure)) << what << " figure " << i;
    ++i;
  }
}

void ExpectFinite(const std::string& what, const CPosition2& p) {
  ExpectFinite(what + " position", {p.GetLatitude(), p.GetLongitude(), p.GetUtcDifferenceDays(), p.GetTime(),
                                    p.GetTimeA(), p.GetTimeB(), p.GetReserveValue()});
}

void ExpectFinite(const std::string& what, const CWeatherData& w) {
  ExpectFinite(what + " weather", {w.airPressure, w.airTemperature, w.seawaterTemperature, w.waterDensity, w.currentSet,
                                   w.currentRate, w.windDirection, w.windSpeed});
}

class ExampleVoyage : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string command =
        std::string("\"") + MARIGOLD_MAKE_EXAMPLE + "\" \"" + folder.Path().string() + "\" >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    UseDataFolder(store, folder.Path().string());
    store.WriteInt("Path", "AskLoadOld", 0);
    doc.emplace(store, prompter, clock);
    // Every data file loads without a word.
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
    ASSERT_TRUE(doc->Open(folder.File("rotterdam-newyork.rtp")));
    ASSERT_TRUE(prompter.messages.empty()) << prompter.messages.front().text;
  }

  CTempFolder folder{"example"};
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{CalendarTimeFromUtc({2026, 12, 1, 18, 0, 0})};
  std::optional<CMarigoldRouteDoc> doc;
};

TEST_F(ExampleVoyage, EveryListLoadsAndEveryFigureIsANumber) {
  EXPECT_EQ(std::tuple(doc->Voyage().GetCount(), doc->Fixes().GetCount(), doc->ReportingPoints().GetCount(),
                       doc->Warnings().GetCount(), doc->Meteo().GetCount(), doc->Storms().GetCount(),
                       doc->Ports().GetCount(), doc->Publications().GetCount()),
            std::tuple(9, 4, 2, 2, 9, 1, 2, 6));  // meteo: eight records and the first day's fixes

  const CVessel2& v = doc->Vessel();
  EXPECT_EQ(v.name, "mv Marigold Trader");
  EXPECT_EQ(v.GetHydroCount(), 3);
  ExpectFinite("vessel", {v.steeredCourse,
                          v.depthMoulded,
                          v.lengthPP,
                          v.breadth,
                          v.logSpeed,
                          v.draftForward,
                          v.draftAft,
                          v.airResistanceFactor,
                          v.hullResistanceFactor,
                          v.minutesPerRpm,
                          v.fuelAtMcr,
                          v.reservedB,
                          v.voyageDisplacement,
                          v.propellerDiameter,
                          v.propellerPitch,
                          v.mastHeightFromKeel,
                          v.eyeHeightFromKeel,
                          v.engineSetting,
                          v.maxDraft,
                          v.maxDisplacement,
                          v.hydroDisplacement,
                          v.hydroDraft,
                          v.hydroETM,
                          v.hydroLCB,
                          v.hydroLCF,
                          v.hydroMK,
                          v.hydroWetSurface});
  for (const CHydrostaticEntry& e : v.HydroTable())
    ExpectFinite("hydrostatics", {e.draft, e.displacement, e.mk, e.lcb, e.lcf, e.etm, e.wetSurface});

  // The route after the schedule the document ran on loading.
  for (const auto& record : doc->Voyage()) {
    const auto& w = static_cast<const CWaypoint&>(*record);
    ExpectFinite(w.GetName(), w);
    ExpectFinite(w.GetName(), w.weather);
    ExpectFinite(w.GetName() + " leg",
                 {w.legRevolutions, w.legWeatherLogDistance, w.legDistance, w.groundCourse, w.gyroCourse, w.logDistance,
                  w.resistanceIndex, w.engineRpm, w.passWithinDistance, w.keptGroundspeed});
  }
  for (const auto& record : doc->Fixes()) {
    const auto& f = static_cast<const CFixRecord&>(*record);
    ExpectFinite(f.GetName(), f);
    ExpectFinite(f.GetName(), f.weather);
    ExpectFinite(f.GetName() + " own",
                 {f.draft, f.engineRpm, f.logSpeed, f.gyroCourse, f.logReading, f.groundCourse, f.groundspeed});
  }
  for (const auto& record : doc->ReportingPoints()) {
    const auto& p = static_cast<const CReportingPoint&>(*record);
    ExpectFinite(p.GetName(), p);
    ExpectFinite(p.GetName() + " own", {p.distanceBefore});
  }
  for (const auto& record : doc->Warnings()) {
    const auto& w = static_cast<const CNavWarning&>(*record);
    ExpectFinite(w.GetName(), w);
    ExpectFinite(w.GetName() + " own", {w.passingDistance, w.validFrom, w.validTill});
    for (int i = 0; i < w.GetAreaPointCount(); ++i) ExpectFinite(w.GetName() + " area", *w.GetAreaPoint(i));
  }
  for (const auto& record : doc->Meteo()) {
    const auto& m = static_cast<const CMeteoRecord&>(*record);
    ExpectFinite("meteo", m);
    for (const CWeatherData* season : {&m.winter, &m.spring, &m.summer, &m.autumn, &m.latest})
      ExpectFinite("meteo", *season);
  }
  for (const auto& record : doc->Storms()) {
    const auto& h = static_cast<const CHurricane&>(*record);
    ExpectFinite(h.GetName(), h);
    ExpectFinite(h.GetName() + " own", {h.course, h.speed});
  }
  for (const auto& record : doc->Ports()) {
    const auto& p = static_cast<const CPortInfo&>(*record);
    ExpectFinite(p.GetName(), p);
    ExpectFinite(p.GetName() + " own",
                 {p.maxAirDraft, p.maxDraft, p.salinity, p.tide.meanLevel, p.tide.hmM2, p.tide.gM2, p.tide.hmS2,
                  p.tide.gS2, p.tide.hmK1, p.tide.gK1, p.tide.hmO1, p.tide.gO1});
    for (const CVoyage* traject : {&p.inbound, &p.outbound})
      for (const auto& point : *traject) ExpectFinite(p.GetName() + " traject", *point);
  }
  for (const auto& record : doc->Publications()) {
    const auto& p = static_cast<const CPublication&>(*record);
    ExpectFinite(p.GetName(), p);
    ExpectFinite(p.GetName() + " own", {p.value3, p.value4});
  }
}

// The reporting points stand their distance back along the leg into their
// waypoint (not due south of it), and are passed before it.
TEST_F(ExampleVoyage, ReportingPointsStandBackAlongTheirLegs) {
  const CNavigation nav;
  for (const auto& record : doc->ReportingPoints()) {
    const auto& p = static_cast<const CReportingPoint&>(*record);
    const CWaypoint& w = *doc->Voyage().GetAt(p.waypointIndex);
    SCOPED_TRACE(p.GetName());
    EXPECT_NEAR(nav.Distance(p, w, false), p.distanceBefore, 1e-6);
    EXPECT_NEAR(nav.Course(p, w, false), w.groundCourse, 0.5);
    EXPECT_LT(p.GetTimeA(), w.GetTimeA());
  }
}

// Every fix after the first has the current since the one before it: each
// fix has the gyro course that was steered from it.
TEST_F(ExampleVoyage, EveryFixAfterTheFirstHasItsCurrent) {
  for (int i = 1; i < doc->Fixes().GetCount(); ++i) {
    const CFixRecord& f = *doc->Fixes().GetAt(i);
    SCOPED_TRACE(f.GetName());
    EXPECT_GT(f.gyroCourse, 180.0);
    EXPECT_GT(f.weather.currentRate, 0.0);
    EXPECT_LT(f.weather.currentRate, 3.0);
  }
}

// The warning south of the Nantucket scheme is passed on the leg west of
// Nantucket, some 40-45 nM off, on 10 or 11 December; the wreck in the
// Channel, north of the track from the latest fix, on the first day.
TEST_F(ExampleVoyage, WarningsArePassedWhereTheRouteRuns) {
  const auto rows = WarningRows(doc->Warnings(), doc->Voyage(), *doc->LatestFix());
  ASSERT_EQ(rows.size(), 2u);
  for (const CWarningRow& row : rows) {
    SCOPED_TRACE(row[0]);
    const double distance = std::atof(row[3].c_str());
    if (row[0] == "NAVAREA IV 1033/26") {
      EXPECT_GE(distance, 40.0);
      EXPECT_LE(distance, 45.0);
      EXPECT_TRUE(row[4].starts_with("10 Dec") || row[4].starts_with("11 Dec")) << row[4];
    } else {  // 24' north of the track down the Channel from the latest fix
      EXPECT_GE(distance, 20.0);
      EXPECT_LE(distance, 26.0);
      EXPECT_TRUE(row[4].starts_with("01 Dec")) << row[4];
    }
  }
}

// The list view schedules from the departure and the status dialog from the
// latest fix, in any order and as often as the officer looks: the figures
// of a start never depend on what was computed before.
TEST_F(ExampleVoyage, TheScheduleFromAStartDoesNotDependOnEarlierRuns) {
  const auto remaining = [this] {
    CVoyageStatus status(doc->Voyage(), doc->Vessel(), doc->Fixes(), doc->ReportingPoints(), clock);
    EXPECT_TRUE(status.Open(prompter));
    const CRemainingVoyage& r = status.View().remaining;
    return std::vector<std::string>{r.distanceToGo, r.hoursToGo, r.fuel, r.legGroundspeed, r.requiredRevs};
  };
  const auto first = remaining();
  for (int i = 0; i < 2; ++i) {
    Calculate(doc->Voyage(), doc->Vessel(), doc->Departure());
    EXPECT_EQ(remaining(), first) << "after " << i + 1 << " runs from the departure";
  }
}

}  // namespace
}  // namespace marigold
