// The line form of every list, written out by hand, and the round trip of
// each through a file; item files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "exchange/CsvFile.h"
#include "exchange/ItemFile.h"
#include "lists/WarningList.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPosition = "Spot;50.5000;-1.2500;0.041667;1097.500000;1098.000000;1097.750000";

template <class T>
T Placed() {
  T r;
  r.SetName("Spot");
  r.SetLatitude(50.5);
  r.SetLongitude(-1.25);
  r.SetUtcDifference(1);
  r.SetTime(1097.5);
  r.SetTimeB(1098.0);
  r.SetTimeA(1097.75);
  return r;
}

template <class T>
std::string LineOf(const T& record) {
  CCsvRow row(";");
  WriteCsv(record, row);
  return row.Line();
}

template <class T>
T ReadBack(const std::string& line) {
  T r;
  ReadCsv(r, CCsvFields(std::string_view(line).substr(0, line.size() - 1), ";"));
  return r;
}

TEST(CsvForms, Warning) {
  auto w = Placed<CNavWarning>();
  w.number = "NW 123";
  w.passingDistance = 2;
  w.validFrom = 1097.5;
  w.validTill = 1100.0;
  const std::string line = LineOf(w);
  EXPECT_EQ(line, std::string(kPosition) + ";NW 123;2.0;1097.5000;1100.0000\n");
  const auto back = ReadBack<CNavWarning>(line);
  EXPECT_EQ(back.number, "NW 123");
  EXPECT_EQ(back.validTill, 1100.0);
  EXPECT_EQ(LineOf(back), line);
}

TEST(CsvForms, ReportingPointAndHurricane) {
  auto p = Placed<CReportingPoint>();
  p.requiredAction = "Report to Dover Coastguard";
  p.notes = "VHF 11";
  EXPECT_EQ(LineOf(p), std::string(kPosition) + ";Report to Dover Coastguard;VHF 11\n");
  EXPECT_EQ(ReadBack<CReportingPoint>(LineOf(p)).notes, "VHF 11");

  auto h = Placed<CHurricane>();
  h.course = 290;
  h.speed = 12.5;
  h.maxWind = 95;
  h.eyePressure = 955;
  h.windRange = 60;
  EXPECT_EQ(LineOf(h), std::string(kPosition) + ";290.00;12.50;95;955;60\n");
  EXPECT_EQ(ReadBack<CHurricane>(LineOf(h)).windRange, 60);
}

TEST(CsvForms, MeteoSeasonsInCalendarOrder) {
  auto m = Placed<CMeteoRecord>();
  m.winter.airPressure = 1010;
  m.winter.count = 3;
  m.spring.windSpeed = 12.5;
  m.summer.currentSet = 45;
  m.autumn.count = 7;
  const std::string season = "1000.0;18.0;18.0;0.0;0.0;0.0;0.0;0";
  EXPECT_EQ(LineOf(m), std::string(kPosition) + ";1010.0;18.0;18.0;0.0;0.0;0.0;0.0;3" +
                           ";1000.0;18.0;18.0;0.0;0.0;0.0;12.5;0" + ";1000.0;18.0;18.0;45.0;0.0;0.0;0.0;0" +
                           ";1000.0;18.0;18.0;0.0;0.0;0.0;0.0;7\n");
  const auto back = ReadBack<CMeteoRecord>(LineOf(m));
  EXPECT_EQ(back.autumn.count, 7);
  EXPECT_EQ(back.spring.windSpeed, 12.5);
}

TEST(CsvForms, PortAndPublication) {
  auto p = Placed<CPortInfo>();
  p.bunkers = p.victuals = true;
  p.maxAirDraft = 55;
  p.maxDraft = 14.5;
  p.country = "NL";
  p.agentEmail = "ops@agent.nl";
  p.agentName = "Agent";
  p.berth = "Maasvlakte, ECT";
  p.notes = "";
  p.agentTelephone = "+31 10 000";
  const std::string line = LineOf(p);
  EXPECT_EQ(line, std::string(kPosition) + ";TRUE;FALSE;FALSE;FALSE;FALSE;FALSE;TRUE;55.0;14.5;1.025000;NL;" +
                      "ops@agent.nl;Agent;Maasvlakte, ECT;;+31 10 000\n");
  const auto back = ReadBack<CPortInfo>(line);
  EXPECT_TRUE(back.victuals);
  EXPECT_EQ(back.agentTelephone, "+31 10 000");

  auto b = Placed<CPublication>();
  b.chart = false;
  b.edition = "2026";
  b.number = "NP 28";
  const std::string text = LineOf(b);
  const std::string date = FormatTime("%a %d %b %H:%M %YY", LocalFieldsOf(0));  // "Thu 01 Jan 00:00 1970Y" on UTC
  EXPECT_EQ(text, std::string(kPosition) + ";FALSE;100000.00000000;0.000;2026;;;;NP 28;;" + date + ";" + date + "\n");
  const auto bookBack = ReadBack<CPublication>(text);
  EXPECT_FALSE(bookBack.chart);
  EXPECT_EQ(bookBack.number, "NP 28");
}

class CsvImport : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("marigold-items-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    store.WriteString("Path", "ConvChar", ";");
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
};

TEST_F(CsvImport, EmptyLineAddsAWarningWithAllDefaults) {
  std::ofstream(Path("w.csv")) << "\n";
  CWarningList warnings;
  ASSERT_TRUE(ImportCsv(warnings, Path("w.csv"), store));
  ASSERT_EQ(warnings.GetCount(), 1);
  const CNavWarning fresh;
  EXPECT_EQ(LineOf(*warnings.GetHead()), LineOf(fresh));
}

TEST_F(CsvImport, PortsAreStampedByTheirMaker) {
  std::ofstream(Path("p.csv")) << "Rotterdam;51.9;4.1\n";
  CPortList ports;
  ASSERT_TRUE(ImportCsv(ports, Path("p.csv"), store, [&] { return std::make_unique<CPortInfo>(clock.Now()); }));
  EXPECT_EQ(ports.GetHead()->pilotEta, clock.Now());
  EXPECT_EQ(ports.GetHead()->GetName(), "Rotterdam");
}

TEST_F(CsvImport, MeteoLinesMergeWithin300Miles) {
  CMeteoList meteo;
  CMeteoRecord* existing = meteo.AddNew();
  existing->SetLatitude(50);
  existing->SetLongitude(0);
  std::ofstream(Path("m.csv")) << "Near;51.0;0.0\nFar;10.0;0.0\n";
  ASSERT_TRUE(ImportMeteoCsv(meteo, Path("m.csv"), store, clock));
  EXPECT_EQ(meteo.GetCount(), 2);
  EXPECT_EQ(meteo.GetHead(), existing);
}

TEST_F(CsvImport, ItemFileHoldsTheKindAndTheRecord) {
  CHurricane storm;
  storm.SetName("Ana");
  storm.maxWind = 80;
  ASSERT_TRUE(WriteItemFile(Path("ana.dat"), EListKind::Storms, storm));
  const auto item = ReadItemFile(Path("ana.dat"));
  ASSERT_TRUE(item.has_value());
  EXPECT_EQ(item->kind, EListKind::Storms);
  const auto* back = dynamic_cast<const CHurricane*>(item->record.get());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetName(), "Ana");
  EXPECT_EQ(back->maxWind, 80);

  // Kind 5, then a default waypoint: position, weather, then its settings.
  const CBytes fixture = Hex(
      "05000000"
      "0000000000002E40 0000000000804640 0000000000001440 0C 4E657720506F736974696F6E"
      "0000000000000000 0000000000000000 0000000000000000 0000000000000000"
      "0000000000408F40 0000000000003240 0000000000000000 0000000000000000"
      "666666666666F03F 0000000000003240 0000000000000000 0000000000000000 00000000"
      "00000000 00000000 0000000000002840 000000000000F03F 00000000 01000000");
  CWaypoint fresh;
  EXPECT_EQ(WriteItem(EListKind::Waypoints, fresh), fixture);
  const auto waypoint = ReadItem(fixture);
  ASSERT_TRUE(waypoint.has_value());
  EXPECT_EQ(waypoint->kind, EListKind::Waypoints);
  EXPECT_NE(dynamic_cast<const CWaypoint*>(waypoint->record.get()), nullptr);
}

TEST_F(CsvImport, ItemFilesOfUnknownKindsOrDamagedRecordsAreRefused) {
  CWaypoint w;
  CBytes bytes = WriteItem(EListKind::Waypoints, w);
  ASSERT_TRUE(ReadItem(bytes).has_value());
  bytes[0] = 10;
  EXPECT_FALSE(ReadItem(bytes).has_value());
  bytes[0] = 5;
  bytes.pop_back();
  EXPECT_FALSE(ReadItem(bytes).has_value());
  EXPECT_FALSE(ReadItem(Hex("FFFFFFFF")).has_value());
}

}  // namespace
}  // namespace marigold
