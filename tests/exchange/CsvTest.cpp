// Comma-separated exchange: the line form of every record written out by
// hand, splitting, quoting, the file operations; item files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "core/LocalClock.h"
#include "core/TextFormat.h"
#include "core/Voyage.h"
#include "exchange/CsvFile.h"
#include "exchange/ItemFile.h"
#include "fakes/RecordBytes.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "lists/WarningList.h"

namespace marigold {
namespace {

template <class T>
std::string LineOf(const T& record, const std::string& separator = ";") {
  CCsvRow row(separator);
  WriteCsv(record, row);
  return row.Line();
}

// A record read back from a line written with ";".
template <class T>
T ReadBack(const std::string& line) {
  T r;
  ReadCsv(r, CCsvFields(std::string_view(line).substr(0, line.size() - 2), ";"));
  return r;
}

std::vector<std::string> Texts(const CCsvFields& fields) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < fields.Count(); ++i) texts.push_back(fields.Text(i));
  return texts;
}

TEST(CsvLine, WaypointLineForm) {
  CWaypoint w;
  w.SetName("Bishop Rock");
  w.SetLatitude(49.871666);
  w.SetLongitude(-6.445);
  w.SetUtcDifference(1);
  w.SetTime(1097.5);
  w.SetTimeB(1098.25);
  w.SetTimeA(1098.125);
  w.keepGroundspeed = true;
  w.greatCircle = true;
  w.resistanceIndex = 0.5;
  w.keptGroundspeed = 14.5;
  w.groundCourse = 258.8;
  w.legDistance = 120.25;
  w.gyroCourse = 260;
  w.logDistance = 121;
  w.passWithinDistance = 2;
  w.engineRpm = 92;
  EXPECT_EQ(LineOf(w, ","),
            "Bishop Rock,49.8717,-6.4450,0.041667,1097.500000,1098.250000,1098.125000,"
            "TRUE,FALSE,FALSE,TRUE,0.5000,14.500,258.800,120.250,260.000,121.000,2.00,92.0\r\n");
}

TEST(CsvLine, FixLineForm) {
  CFixRecord f;
  f.SetName("PositionFix 05 Dec 12:30 LT");
  f.draft = 12.8;
  f.engineRpm = 92;
  f.groundCourse = 45.5;
  f.groundspeed = 12.25;
  f.gyroCourse = 47;
  f.logSpeed = 13;
  f.logReading = 95.5;
  f.weather.currentSet = 90;
  f.weather.currentRate = 0.5;
  EXPECT_EQ(LineOf(f),
            "PositionFix 05 Dec 12:30 LT;45.0000;5.0000;0.000000;0.000000;0.000000;0.000000;"
            "12.8;92.0;45.50;12.25;47.0;13.0;95.5;90.0;0.5;0.0;0.0;1000.0;18.0;18.0\r\n");
}

TEST(CsvLine, SplitsAtEverySeparator) {
  EXPECT_EQ(Texts(CCsvFields("a;;b;", ";")), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(CCsvFields("", ",").Count(), 0u);
}

TEST(CsvLine, TextsWithTheSeparatorOrQuotesAreQuotedAndReadBackWhole) {
  CCsvRow row(",");
  row.Text("Rotterdam, Maasvlakte");
  row.Text("the \"Noord\" buoy");
  row.Text("plain");
  const std::string line = row.Line();
  EXPECT_EQ(line, "\"Rotterdam, Maasvlakte\",\"the \"\"Noord\"\" buoy\",plain\r\n");
  EXPECT_EQ(Texts(CCsvFields(std::string_view(line).substr(0, line.size() - 2), ",")),
            (std::vector<std::string>{"Rotterdam, Maasvlakte", "the \"Noord\" buoy", "plain"}));
  // A quote that does not close the column is an ordinary character, as
  // older files wrote it.
  EXPECT_EQ(Texts(CCsvFields("\"Big\" Bay,2", ",")), (std::vector<std::string>{"\"Big\" Bay", "2"}));
}

TEST(CsvLine, NumbersReadAsAtofAndFlagsOnlyAsTRUE) {
  const CCsvFields fields("12.5kn,abc,True,TRUE,7x", ",");
  double number = -1, text = -1;
  bool lower = true, upper = false;
  int integer = 0, missing = 42;
  fields.Read(0, number);
  fields.Read(1, text);
  fields.ReadFlag(2, lower);
  fields.ReadFlag(3, upper);
  fields.Read(4, integer);
  fields.Read(9, missing);
  EXPECT_EQ(std::tie(number, text, lower, upper, integer, missing), std::make_tuple(12.5, 0.0, false, true, 7, 42));
}

// A figure that could not be computed is an empty column, never "nan", and
// an empty column (or an earlier version's "nan") reads back as the field's
// default.
TEST(CsvLine, FiguresWithoutAValueAreEmptyColumnsAndReadBackAsDefaults) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  CWaypoint w;
  w.SetName("Late");
  w.SetTimeA(nan);
  w.keptGroundspeed = nan;
  w.engineRpm = std::numeric_limits<double>::infinity();
  const std::string line = LineOf(w);
  EXPECT_EQ(line,
            "Late;45.0000;5.0000;0.000000;0.000000;0.000000;;FALSE;FALSE;FALSE;FALSE;0.0000;;0.000; 0.000;"
            "0.000; 0.000;1.00;\r\n");
  const CWaypoint back = ReadBack<CWaypoint>(line);
  EXPECT_EQ(std::tuple(back.GetTimeA(), back.keptGroundspeed, back.engineRpm), std::tuple(0.0, 12.0, 0.0));

  CWaypoint old;
  ReadCsv(old, CCsvFields("Old,1,2,0,0,0,nan,FALSE,FALSE,FALSE,FALSE,0,-nan,0,0,0,0,1,inf", ","));
  EXPECT_EQ(std::tuple(old.GetTimeA(), old.keptGroundspeed, old.engineRpm, old.GetLatitude()),
            std::tuple(0.0, 12.0, 0.0, 1.0));
  int count = 5;
  CCsvFields(";7", ";").Read(0, count);
  EXPECT_EQ(count, 5);
}

const std::string kPosition = "Spot;50.5000;-1.2500;0.041667;1097.500000;1098.000000;1097.750000";

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

// The line of a record after the position columns, and the same line again
// from the record read back.
template <class T>
void ExpectLine(const T& record, const std::string& columns) {
  const std::string line = LineOf(record);
  EXPECT_EQ(line, kPosition + columns + "\r\n");
  EXPECT_EQ(LineOf(ReadBack<T>(line)), line);
}

TEST(CsvForms, WarningReportingPointAndHurricane) {
  auto w = Placed<CNavWarning>();
  w.number = "NW 123";
  w.passingDistance = 2;
  w.validFrom = 1097.5;
  w.validTill = 1100.0;
  ExpectLine(w, ";NW 123;2.0;1097.5000;1100.0000");

  auto p = Placed<CReportingPoint>();
  p.requiredAction = "Report to Dover Coastguard";
  p.notes = "VHF 11";
  ExpectLine(p, ";Report to Dover Coastguard;VHF 11");

  auto h = Placed<CHurricane>();
  h.course = 290;
  h.speed = 12.5;
  h.maxWind = 95;
  h.eyePressure = 955;
  h.windRange = 60;
  ExpectLine(h, ";290.00;12.50;95;955;60");
}

TEST(CsvForms, MeteoSeasonsInCalendarOrder) {
  auto m = Placed<CMeteoRecord>();
  m.winter.airPressure = 1010;
  m.winter.count = 3;
  m.spring.windSpeed = 12.5;
  m.summer.currentSet = 45;
  m.autumn.count = 7;
  ExpectLine(m,
             ";1010.0;18.0;18.0;0.0;0.0;0.0;0.0;3;1000.0;18.0;18.0;0.0;0.0;0.0;12.5;0"
             ";1000.0;18.0;18.0;45.0;0.0;0.0;0.0;0;1000.0;18.0;18.0;0.0;0.0;0.0;0.0;7");
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
  ExpectLine(p,
             ";TRUE;FALSE;FALSE;FALSE;FALSE;FALSE;TRUE;55.0;14.5;1.025000;NL;ops@agent.nl;Agent;Maasvlakte, ECT;;"
             "+31 10 000");

  auto b = Placed<CPublication>();
  b.chart = false;
  b.edition = "2026";
  b.number = "NP 28";
  const std::string date = FormatTime("%a %d %b %H:%M %YY", LocalFieldsOf(0));  // "Thu 01 Jan 00:00 1970Y" on UTC
  ExpectLine(b, ";FALSE;100000.00000000;0.000;2026;;;;NP 28;;" + date + ";" + date);
}

// A folder of its own, settings with the default separator "," and a clock.
class CsvFile : public ::testing::Test {
 protected:
  std::string Path(std::string_view name) const { return folder.File(name); }

  CTempFolder folder{"csv"};
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
};

TEST_F(CsvFile, ExportAppendsAndRoundTripsEveryColumn) {
  CVoyage route;
  CWaypoint* w = route.AddNew();
  w->SetName("Ambrose; pilot");
  w->SetLatitude(40.458333);
  w->SetLongitude(-73.831667);
  w->keepGroundspeed = true;
  w->engineRpm = 88.5;
  store.WriteString("Path", "ConvChar", ";");
  const std::string path = Path("route.csv");
  ASSERT_TRUE(ExportCsv(route, path, store, prompter, kCsvVoyageEmpty));
  ASSERT_TRUE(ExportCsv(route, path, store, prompter, kCsvVoyageEmpty));
  const std::string line = LineOf(*w);
  EXPECT_EQ(FileText(path), line + line);

  CVoyage back;
  ASSERT_TRUE(ImportCsv(back, path, store));
  ASSERT_EQ(NamesOf(back), (std::vector<std::string>{"Ambrose; pilot", "Ambrose; pilot"}));
  EXPECT_EQ(LineOf(*back.GetHead()), line);
  EXPECT_TRUE(prompter.messages.empty());
}

// The notes pages are multi-line: a port and a reporting point whose texts
// hold line breaks (LF and CR LF), quotes and the separator come back as one
// record each, every field and the last column included.
TEST_F(CsvFile, QuotedLineBreaksStayInTheirField) {
  CPortList ports;
  CPortInfo* port = ports.AddNew();
  port->SetName("Rotterdam");
  port->notes = "Pilot boards 4 nM W of Maas Center\nAnchorage: \"Maas\", north of the fairway\r\nVTS sector 1";
  port->berth = "ECT Delta,\nberth 3";
  port->agentTelephone = "+31 10 000 0000";
  ports.AddNew()->SetName("New York");
  CReportingPointList points;
  CReportingPoint* point = points.AddNew();
  point->requiredAction = "Report:\nname, position\n";
  point->notes = "\n";
  for (const char* separator : {",", ";"}) {
    SCOPED_TRACE(separator);
    store.WriteString("Path", "ConvChar", separator);
    const std::string portPath = Path(std::string("ports") + separator + ".csv");
    const std::string pointPath = Path(std::string("points") + separator + ".csv");
    ASSERT_TRUE(ExportCsv(ports, portPath, store, prompter));
    ASSERT_TRUE(ExportCsv(points, pointPath, store, prompter));

    CPortList portsBack;
    ASSERT_TRUE(ImportCsv(portsBack, portPath, store));
    ASSERT_EQ(NamesOf(portsBack), (std::vector<std::string>{"Rotterdam", "New York"}));
    const CPortInfo& back = *portsBack.GetHead();
    EXPECT_EQ(std::tuple(back.notes, back.berth, back.agentTelephone),
              std::tuple(port->notes, port->berth, port->agentTelephone));
    EXPECT_EQ(LineOf(back, separator), LineOf(*port, separator));

    CReportingPointList pointsBack;
    ASSERT_TRUE(ImportCsv(pointsBack, pointPath, store));
    ASSERT_EQ(pointsBack.GetCount(), 1);
    EXPECT_EQ(std::pair(pointsBack.GetHead()->requiredAction, pointsBack.GetHead()->notes),
              std::pair(point->requiredAction, point->notes));
  }
}

// A quote that opens a column but never closes it is an ordinary character
// of its line, as older files hold it: the lines after it stay records.
TEST_F(CsvFile, AQuoteThatNeverClosesKeepsTheLinesApart) {
  PutFile(Path("old.csv"), "\"Big Bay,1,2\nSmall Bay,3,4\r\n\"Cove\" East,5,6\n");
  CVoyage route;
  ASSERT_TRUE(ImportCsv(route, Path("old.csv"), store));
  EXPECT_EQ(NamesOf(route), (std::vector<std::string>{"\"Big Bay", "Small Bay", "\"Cove\" East"}));
  EXPECT_EQ(route.GetAt(1)->GetLongitude(), 4.0);
}

// Export writes CR LF, as the programs on Windows the files are exchanged
// with; import reads LF and CR LF alike.
TEST_F(CsvFile, ExportWritesCrLfAndImportReadsBothLineEnds) {
  CWarningList warnings;
  warnings.AddNew()->number = "NW 1";
  warnings.AddNew()->number = "NW 2";
  ASSERT_TRUE(ExportCsv(warnings, Path("w.csv"), store, prompter));
  const std::string text = FileText(Path("w.csv"));
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
  EXPECT_EQ(text.find("\r\n"), text.find('\n') - 1);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");

  std::string lf = text;
  for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) lf.erase(at, 1);
  PutFile(Path("lf.csv"), lf);
  CWarningList fromCrLf, fromLf;
  ASSERT_TRUE(ImportCsv(fromCrLf, Path("w.csv"), store));
  ASSERT_TRUE(ImportCsv(fromLf, Path("lf.csv"), store));
  ASSERT_EQ(std::pair(fromCrLf.GetCount(), fromLf.GetCount()), std::pair(2, 2));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(fromCrLf.GetAt(i)->number, fromLf.GetAt(i)->number);
    EXPECT_EQ(LineOf(*fromCrLf.GetAt(i), ","), LineOf(*warnings.GetAt(i), ","));
  }
}

TEST_F(CsvFile, EmptyListOrUnopenableFileIsReportedWithThePath) {
  CVoyage route;
  const std::string path = Path("none.csv");
  EXPECT_FALSE(ExportCsv(route, path, store, prompter, kCsvVoyageEmpty));
  route.AddNew();
  EXPECT_FALSE(ExportCsv(route, Path("missing/folder.csv"), store, prompter));
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"Voyage empty or\nUnable to open file \n" + path,
                                      "List empty or\nUnable to open file \n" + Path("missing/folder.csv")}));
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CsvFile, EveryLineAddsARecordAndLongLinesComeInPieces) {
  const std::string path = Path("in.csv");
  PutFile(path, "A,10.5,20.25\r\n\n" + std::string(800, 'x') + "\nG\xF6teborg,1\n");
  CVoyage route;
  ASSERT_TRUE(ImportCsv(route, path, store));
  // The empty line gives a new waypoint; the long line comes in two pieces.
  EXPECT_EQ(NamesOf(route), (std::vector<std::string>{"A", "New Position", std::string(799, 'x'), "x", "Göteborg"}));
  EXPECT_EQ(std::pair(route.GetAt(0)->GetLongitude(), route.GetAt(1)->GetLatitude()), std::pair(20.25, 45.0));
  EXPECT_FALSE(ImportCsv(route, Path("absent.csv"), store));
  EXPECT_EQ(route.GetCount(), 5);
}

TEST_F(CsvFile, EmptyLineAddsAWarningWithAllDefaults) {
  PutFile(Path("w.csv"), "\n");
  CWarningList warnings;
  ASSERT_TRUE(ImportCsv(warnings, Path("w.csv"), store));
  ASSERT_EQ(warnings.GetCount(), 1);
  EXPECT_EQ(LineOf(*warnings.GetHead()), LineOf(CNavWarning{}));
}

TEST_F(CsvFile, PortsAreStampedByTheirMaker) {
  PutFile(Path("p.csv"), "Rotterdam,51.9,4.1\n");
  CPortList ports;
  ASSERT_TRUE(ImportCsv(ports, Path("p.csv"), store, [&] { return std::make_unique<CPortInfo>(clock.Now()); }));
  EXPECT_EQ(std::pair(ports.GetHead()->pilotEta, ports.GetHead()->GetName()),
            std::pair(clock.Now(), std::string("Rotterdam")));
}

TEST_F(CsvFile, MeteoLinesMergeWithin300Miles) {
  CMeteoList meteo;
  CMeteoRecord* existing = meteo.AddNew();
  existing->SetLatitude(50);
  existing->SetLongitude(0);
  PutFile(Path("m.csv"), "Near,51.0,0.0\nFar,10.0,0.0\n");
  ASSERT_TRUE(ImportMeteoCsv(meteo, Path("m.csv"), store, clock));
  EXPECT_EQ(std::pair(meteo.GetCount(), meteo.GetHead()), std::pair(2, existing));
}

TEST_F(CsvFile, ItemFileHoldsTheKindAndTheRecord) {
  CHurricane storm;
  storm.SetName("Ana");
  storm.maxWind = 80;
  ASSERT_TRUE(WriteItemFile(Path("ana.dat"), EListKind::Storms, storm));
  const auto item = ReadItemFile(Path("ana.dat"));
  ASSERT_TRUE(item.has_value());
  EXPECT_EQ(item->kind, EListKind::Storms);
  const auto* back = dynamic_cast<const CHurricane*>(item->record.get());
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(std::pair(back->GetName(), back->maxWind), std::pair(std::string("Ana"), 80));

  // Kind 5, then a default waypoint: position, weather, then its settings.
  const CBytes fixture = Hex("05 00 00 00 " + bytes::kDefaultWaypoint);
  CWaypoint fresh;
  EXPECT_EQ(WriteItem(EListKind::Waypoints, fresh), fixture);
  const auto waypoint = ReadItem(fixture);
  ASSERT_TRUE(waypoint.has_value());
  EXPECT_EQ(waypoint->kind, EListKind::Waypoints);
  EXPECT_NE(dynamic_cast<const CWaypoint*>(waypoint->record.get()), nullptr);
}

TEST_F(CsvFile, ItemFilesOfUnknownKindsOrDamagedRecordsAreRefused) {
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
