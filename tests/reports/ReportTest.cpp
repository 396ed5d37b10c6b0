// Ship report messages on a sample voyage from Rotterdam to New York with a
// fix in the Channel, the fields they are made of, and writing them to files.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>
#include <set>
#include <string>
#include <tuple>

#include "core/CivilTime.h"
#include "core/CommandIds.h"
#include "core/FixRecord.h"
#include "core/Voyage.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "reports/AmverReport.h"
#include "reports/AusrepReport.h"
#include "reports/ChilrepReport.h"
#include "reports/EcuadorReport.h"
#include "reports/JasrepReport.h"
#include "reports/ReportFields.h"
#include "reports/ReportFile.h"
#include "reports/SistramReport.h"
#include "vessel/Vessel2.h"

using namespace marigold;
namespace fs = std::filesystem;

namespace {

double Day(int day, int hour, int minute) { return DayNumberOf({2003, 1, day, hour, minute, 0}); }

CWaypoint& AddWaypoint(CVoyage& route, const char* name, double latitude, double longitude, double timeA) {
  CWaypoint& w = *route.AddNew();
  w.SetName(name);
  w.SetLatitude(latitude);
  w.SetLongitude(longitude);
  w.SetTimeA(timeA);
  return w;
}

// ROTTERDAM 51°54.5'N 004°03.2'E, HOEK VAN HOLLAND 52°00'N 003°30'E
// (rhumb line, 315.7°, 12.56 kn), NEW YORK 40°28.7'N 073°49.9'W (great
// circle, 262.3°, 8.0 kn).
void FillRoute(CVoyage& route, bool withNewYork = true) {
  CWaypoint& departure = AddWaypoint(route, "ROTTERDAM", 51 + 54.5 / 60, 4 + 3.2 / 60, Day(15, 12, 0));
  departure.SetTime(Day(15, 6, 30));
  CWaypoint& hoek = AddWaypoint(route, "HOEK VAN HOLLAND", 52.0, 3.5, Day(15, 14, 30));
  hoek.groundCourse = 315.7;
  hoek.keptGroundspeed = 12.56;
  if (!withNewYork) return;
  CWaypoint& newYork = AddWaypoint(route, "NEW YORK", 40 + 28.7 / 60, -(73 + 49.9 / 60), Day(17, 8, 5));
  newYork.groundCourse = 262.3;
  newYork.keptGroundspeed = 8.0;
  newYork.greatCircle = true;
}

// The route, the same route ending at HOEK VAN HOLLAND, the fix at 50°10'N
// 001°05.5'W at 16 Jan 03:07 UTC making good 250.9° at 14.35 kn, and the ship.
class ReportSample : public ::testing::Test {
 protected:
  void SetUp() override {
    FillRoute(route);
    FillRoute(shortRoute, false);
    fix.SetLatitude(50 + 10.0 / 60);
    fix.SetLongitude(-(1 + 5.5 / 60));
    fix.SetTime(Day(16, 3, 7));
    fix.groundCourse = 250.9;
    fix.groundspeed = 14.35;
    vessel.name = "MARLINSPIKE";
    vessel.callSign = "PDXY";
    vessel.imoNumber = "9123456";
  }

  CVoyage route;
  CVoyage shortRoute;
  CFixRecord fix;
  CVessel2 vessel;
};

using ReportText = ReportSample;

// Lines that recur: the ship, the fix's time, position, course and speed,
// the departure and the destination.
const std::string kShip = "A/MARLINSPIKE/PDXY//\r\n";
const std::string kFix = "B/160307Z//\r\nC/5010N/00105W//\r\nE/250//\r\nF/143//\r\n";
const std::string kFrom = "G/ROTTERDAM/5154N/00403E//\r\n";
const std::string kTo = "I/NEW YORK/4028N/07349W//\r\n";

constexpr const char* kNoWaypoints = "No waypoints defined\nPlease add waypoints first";

void ExpectOnlyMessage(const CScriptedPrompter& prompter, const std::string& text, EMessageIcon icon) {
  EXPECT_EQ(MessageTexts(prompter), std::vector<std::string>{text});
  EXPECT_EQ(MessageIcons(prompter), std::vector<EMessageIcon>{icon});
}

class ReportFile : public ReportSample {
 protected:
  bool Write(EReportKind kind, const CFixRecord* withFix) {
    return WriteReport(kind, route, vessel, withFix, prompter);
  }
  std::string PathOf(std::string_view name) const { return folder.File(name); }

  CTempFolder folder{"reports"};
  CScriptedPrompter prompter;
};

}  // namespace

TEST_F(ReportText, Amver) {
  EXPECT_EQ(AmverSailingPlan(route, vessel),
            "AMVER/SP//\r\n" + kShip + "B/151200Z//\r\nE/315//\r\nF/125//\r\n" + kFrom + kTo +
                "L/RL/125/5200N/00330E/HOEK VAN HOLLAND/151430Z//\r\nL/GC/080/4028N/07349W/NEW YORK/170805Z//\r\n"
                "Z/EOR//\r\n");
  EXPECT_EQ(AmverPositionReport(route, vessel, fix), "AMVER/PR//\r\n" + kShip + kFix + kTo + "Z/EOR//\r\n");
  EXPECT_EQ(AmverArrivalReport(route, vessel),
            "AMVER/FR//\r\n" + kShip + "K/NEW YORK/4028N/07349W/170805Z//\r\nZ/EOR//\r\n");
}

TEST_F(ReportText, Sistram) {
  const std::string ship = "A/PDXY/MARLINSPIKE/NL/CTR//\r\n";
  EXPECT_EQ(Sistram1(route, vessel),
            "SISTRAM/1/150630ZJan03//\r\n" + ship + "B/151200Z//\r\n" + kFrom + kTo +
                "L/125/5200N/00330E/151430Z//\r\nL/080/4028N/07349W/170805Z//\r\nV/NONE//\r\nM/INMARSAT//\r\n"
                "X/NONE//\r\nY/NONE//\r\n");
  EXPECT_EQ(Sistram2(vessel, fix),
            "SISTRAM/2/160307ZJan03//\r\n" + ship + kFix + "M/INMARSAT//\r\nX/NONE//\r\nY/NONE//\r\n");
  EXPECT_EQ(Sistram4(route, vessel),
            "SISTRAM/4/170805ZJan03//\r\n" + ship + "K/NEW YORK/4028N/07349W/170805Z//\r\nX/NONE//\r\nY/NONE//\r\n");
}

TEST_F(ReportText, Ausrep) {
  const std::string ship = "A/MARLINSPIKE/PDXY/9123456//\r\n";
  EXPECT_EQ(AusrepPositionReport(vessel, fix),
            "AUSREP/PR//\r\n" + ship + kFix + "N/{PLEASE STATE DATE TIME NEXT REPORT HERE}//\r\n");
  EXPECT_EQ(AusrepFinalReport(route, vessel),
            "AUSREP/FR//\r\n" + ship + "K/170805Z/4028N/07349W/170805Z//\r\nX/NONE//\r\n");
}

TEST_F(ReportText, Chilrep) {
  EXPECT_EQ(ChilrepSailingPlan(route, vessel),
            "CHILREP/SP//\r\n" + kShip + "F/125//\r\n" + kFrom +
                "H/151200ZJan03/5154N/00403E//\r\nI/NEW YORK/4028N/07349W/170805ZJan03//\r\n"
                "J/{PLEASE STATE WHETHER PILOT IS CARRIED ONBOARD}//\r\nK/170805Z/4028N/07349W//\r\n"
                "L/RL/5200N/00330E//\r\nL/RL/4028N/07349W//\r\nM/INMARSAT//\r\n"
                "N/{PLEASE STATE DAILY REPORTING TIME}//\r\nV/NONE//\r\nX/NONE//\r\n");
  EXPECT_EQ(ChilrepPositionReport(vessel, fix), "CHILREP/PR//\r\n" + kShip + kFix + "X/NONE//\r\n");
  EXPECT_EQ(ChilrepFinalReport(route, vessel),
            "CHILREP/FR//\r\n" + kShip + "K/170805Z//4028N/07349W//\r\nX/Final Report//\r\n");
}

// The position reports carry the fix's own time: its estimate (timeA) is
// never set on an entered fix and stays at the day-number origin.
TEST_F(ReportText, EcuadorAndPeruAreSingleLinesWithoutBreak) {
  EXPECT_EQ(EcuadorSailingPlan(route, vessel),
            "SP/MARLINSPIKE/NL/PDXY/151200Z/NEW YORK/5154N/00403E/315/13/ROTTERDAM/170805Z/");
  EXPECT_EQ(EcuadorPositionReport(vessel, fix), "PR/MARLINSPIKE/NL/PDXY/160307Z/5010N/00105W/250/14/");
  EXPECT_EQ(EcuadorFinalReport(route, vessel), "FR/MARLINSPIKE/NL/PDXY/170805Z/ROTTERDAM/262/ 8/NEW YORK/170805Z/");
  EXPECT_EQ(PeruPositionReport(route, vessel, fix),
            "PR/MARLINSPIKE/PDXY/NL/160307Z/5010N/00105W/250/14/NEW YORK/170805Z/");
}

TEST_F(ReportText, Jasrep) {
  EXPECT_EQ(JasrepSailingPlan(route, vessel),
            "JASREP/SP//\r\n" + kShip + "B/151200Z//\r\nE/315//\r\nF/125//\r\n" + kFrom + kTo +
                "L/RL/125/5200N/00330E/151430Z/HOEK VAN HOLLAND//\r\nL/GC/080/4028N/07349W/170805Z/NEW YORK//\r\n"
                "M/315/262//\r\nV/NONE//\r\nX/NONE//\r\nY/AMVER//\r\n");
  // The fix lies nearest HOEK VAN HOLLAND, but that bears 050 from a ship
  // making good 251: it is behind, and the ship steers for NEW YORK.
  EXPECT_EQ(JasrepPositionReport(route, vessel, fix),
            "JASREP/PR//\r\n" + kShip + kFix + "M/262/262//\r\nX/NONE//\r\nY/AMVER//\r\n");
  EXPECT_EQ(route.nextWaypointIndex, 2);
  EXPECT_EQ(JasrepFinalReport(vessel, fix),
            "JASREP/FR//\r\n" + kShip + "B/160307Z//\r\nC/5010N/00105W//\r\nX/FINAL REPORT//\r\nY/AMVER//\r\n");
}

TEST_F(ReportText, JasrepPositionReportSteeringForTheLastWaypointRepeatsTheLastCourse) {
  fix.SetLatitude(41.0);
  fix.SetLongitude(-70.0);
  const std::string text = JasrepPositionReport(route, vessel, fix);
  EXPECT_EQ(route.nextWaypointIndex, 2);
  EXPECT_NE(text.find("\r\nM/262/262//\r\n"), std::string::npos) << text;
}

TEST_F(ReportText, TwoWaypointRoutesGiveOneRouteLine) {
  EXPECT_EQ(AmverSailingPlan(shortRoute, vessel),
            "AMVER/SP//\r\n" + kShip + "B/151200Z//\r\nE/315//\r\nF/125//\r\n" + kFrom +
                "I/HOEK VAN HOLLAND/5200N/00330E//\r\nL/RL/125/5200N/00330E/HOEK VAN HOLLAND/151430Z//\r\nZ/EOR//\r\n");
  // The second course of a two-waypoint route is that of its only leg.
  const std::pair<std::string, const char*> parts[] = {
      {Sistram1(shortRoute, vessel), "\r\nL/125/5200N/00330E/151430Z//\r\nV/NONE//"},
      {ChilrepSailingPlan(shortRoute, vessel), "\r\nL/RL/5200N/00330E//\r\nM/INMARSAT//"},
      {JasrepSailingPlan(shortRoute, vessel),
       "\r\nL/RL/125/5200N/00330E/151430Z/HOEK VAN HOLLAND//\r\nM/315/315//\r\n"}};
  for (const auto& [text, part] : parts) EXPECT_NE(text.find(part), std::string::npos) << text;
}

TEST(ReportFields, CoursesAndSpeedsAreTruncated) {
  for (const auto& [course, text] : {std::pair{7.9, "007/"}, {45.99, "045/"}, {359.9, "359/"}})
    EXPECT_EQ(ReportCourse(course), text);
  for (const auto& [speed, text] : {std::pair{12.5, "125/"}, {8.0, "080/"}, {0.5, "05/"}, {9.96, "099/"}, {0.0, "00/"}})
    EXPECT_EQ(ReportSpeedTenths(speed), text);
  // Whole knots are printf's, rounded.
  for (const auto& [speed, text] : {std::pair{9.96, "10/"}, {8.0, " 8/"}, {14.35, "14/"}})
    EXPECT_EQ(ReportSpeedKnots(speed), text);
}

TEST(ReportFields, FiguresThatAreNotNumbersGiveZeroRatherThanGarbage) {
  EXPECT_EQ(ReportCourse(std::numeric_limits<double>::quiet_NaN()), "000/");
  EXPECT_EQ(ReportSpeedTenths(std::numeric_limits<double>::infinity()), "00/");
}

TEST_F(ReportFile, WritesTheChosenFileAndSaysSo) {
  const std::string path = PathOf("arrival.txt");
  PutFile(path, "an older report that is much longer than the new one");
  prompter.files.push_back(path);
  EXPECT_TRUE(Write(EReportKind::AmverArrival, nullptr));
  EXPECT_EQ(FileText(path), "AMVER/FR//\r\nA/MARLINSPIKE/PDXY//\r\nK/NEW YORK/4028N/07349W/170805Z//\r\nZ/EOR//\r\n");
  ExpectOnlyMessage(prompter, "Arrival report created succesfully", EMessageIcon::None);
  ASSERT_EQ(prompter.fileChoices.size(), 1u);
  const CFileChoice& choice = prompter.fileChoices[0];
  EXPECT_EQ(std::tie(choice.defaultName, choice.defaultExtension, choice.filter),
            std::make_tuple("AMVER", "txt", "Text File (*.txt)|*.txt|All Files (*.*)|*.*||"));
}

TEST_F(ReportFile, PeruFileHasNoLineBreakAndAusrepSailingPlanWritesTheFinalReport) {
  prompter.files = {PathOf("ShipRep.txt"), PathOf("AUSREP.txt")};
  EXPECT_TRUE(Write(EReportKind::PeruPosition, &fix));
  EXPECT_EQ(FileText(PathOf("ShipRep.txt")), "PR/MARLINSPIKE/PDXY/NL/160307Z/5010N/00105W/250/14/NEW YORK/170805Z/");
  const CReportCommand* command = FindReportCommand("ausrep-sp");
  ASSERT_NE(command, nullptr);
  EXPECT_EQ(command->commandId, command::kAusrepSailingPlan);
  EXPECT_TRUE(Write(command->kind, nullptr));
  EXPECT_EQ(FileText(PathOf("AUSREP.txt")).substr(0, 13), "AUSREP/FR//\r\n");
  ASSERT_EQ(prompter.fileChoices.size(), 2u);
  EXPECT_EQ(prompter.fileChoices[0].defaultName, "ShipRep");
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"Position Report created succesfully", "Final report created succesfully"}));
  EXPECT_EQ(MessageIcons(prompter), std::vector<EMessageIcon>(2, EMessageIcon::None));
}

TEST_F(ReportFile, EveryCommandRefusesARouteOfOneWaypointBeforeAskingForAFile) {
  CVoyage one;
  AddWaypoint(one, "ROTTERDAM", 51.9, 4.05, 1.0);
  for (const CReportCommand& command : ReportCommands()) {
    CScriptedPrompter asked;
    SCOPED_TRACE(command.name);
    EXPECT_FALSE(WriteReport(command.kind, one, vessel, &fix, asked));
    ExpectOnlyMessage(asked, kNoWaypoints, EMessageIcon::Stop);
    EXPECT_TRUE(asked.fileChoices.empty());
  }
}

TEST_F(ReportFile, ReportsFromTheFixRefuseAnEmptyHistory) {
  const std::set<std::string> fromFix = {"amver-pr",   "sistram-2", "ausrep-pr", "chilrep-pr",
                                         "ecuador-pr", "peru-pr",   "jasrep-pr", "jasrep-fr"};
  for (const CReportCommand& command : ReportCommands()) {
    CScriptedPrompter asked;  // answers Cancel
    SCOPED_TRACE(command.name);
    EXPECT_FALSE(WriteReport(command.kind, route, vessel, nullptr, asked));
    const bool refused = fromFix.contains(command.name);
    if (refused) ExpectOnlyMessage(asked, kNoFixMessage, EMessageIcon::Stop);
    EXPECT_EQ(asked.fileChoices.size(), refused ? 0u : 1u);
  }
  EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(ReportFile, CancellingTellsOnlyWhereTheWriterDoes) {
  for (const EReportKind kind :
       {EReportKind::AmverSailingPlan, EReportKind::EcuadorPosition, EReportKind::Sistram1, EReportKind::JasrepFinal})
    EXPECT_FALSE(Write(kind, &fix));
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"No file open for writing", "No file to write to\nReport failed"}));
  EXPECT_EQ(MessageIcons(prompter), (std::vector<EMessageIcon>{EMessageIcon::Stop, EMessageIcon::None}));
}

TEST_F(ReportFile, AFailedWriteIsAFailureAndLeavesTheOldFile) {
  // A folder of that name: the text is written but cannot replace it.
  const std::string taken = PathOf("AMVER.txt");
  fs::create_directory(taken);
  prompter.files.push_back(taken);
  EXPECT_FALSE(Write(EReportKind::AmverPosition, &fix));
  ExpectOnlyMessage(prompter, "Error opening file for writing", EMessageIcon::None);
  EXPECT_TRUE(fs::is_directory(taken));

  prompter.messages.clear();
  prompter.files.push_back(PathOf("missing/AMVER.txt"));
  EXPECT_FALSE(Write(EReportKind::AmverSailingPlan, &fix));
  ExpectOnlyMessage(prompter, "Error opening file for writing", EMessageIcon::Stop);
}

// Reporting centres take plain 8-bit text: a name that fits Windows-1252 is
// written in it, one byte a character, as every other file of the program.
TEST_F(ReportFile, NamesAreWrittenInWindows1252) {
  route.GetAt(1)->SetName("\xC3\x85lesund");  // "Ålesund"
  vessel.name =
      "M\xC3\xBC"
      "nster";  // "Münster"
  prompter.files.push_back(PathOf("AMVER.txt"));
  EXPECT_TRUE(Write(EReportKind::AmverSailingPlan, nullptr));
  const std::string text = FileText(PathOf("AMVER.txt"));
  EXPECT_NE(text.find("A/M\xFCnster/PDXY//\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("/5200N/00330E/\xC5lesund/151430Z//\r\n"), std::string::npos) << text;
  ExpectOnlyMessage(prompter, "Sailing plan created succesfully", EMessageIcon::None);
}

// What Windows-1252 cannot carry is replaced, and the officer is told which
// characters before the file is written.
TEST_F(ReportFile, CharactersWithoutAByteAreReplacedAndTheOfficerToldFirst) {
  vessel.name =
      "Gda\xC5\x84sk \xC5\x81\xC3\xB3"
      "d\xC5\xBA";                                           // "Gdańsk Łódź"
  route.GetTail()->SetName("\xC5\x9Awinouj\xC5\x9B\x63ie");  // "Świnoujście"
  prompter.files.push_back(PathOf("AMVER.txt"));
  EXPECT_TRUE(Write(EReportKind::AmverArrival, nullptr));
  EXPECT_EQ(FileText(PathOf("AMVER.txt")),
            "AMVER/FR//\r\nA/Gda?sk ?\xF3"
            "d?/PDXY//\r\nK/?winouj?cie/4028N/07349W/170805Z//\r\nZ/EOR//\r\n");
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"The report holds characters that plain text for the reporting centre cannot "
                                      "carry:\n\xC5\x84 \xC5\x81 \xC5\xBA \xC5\x9A \xC5\x9B\nEach is written as "
                                      "\"?\": check the names in the report",
                                      "Arrival report created succesfully"}));
  EXPECT_EQ(MessageIcons(prompter), (std::vector<EMessageIcon>{EMessageIcon::Exclamation, EMessageIcon::None}));
}

// A time the schedule could not give, or a position that is missing, never
// reaches a report as 1 January 2000: the report is refused before the file
// dialog, with the field and what to do, and nothing is written.
TEST_F(ReportFile, MissingTimesAndPositionsAreRefusedBeforeTheFileDialog) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::string noArrival = "The schedule has no ETA for the last waypoint\nCalculate the schedule first";
  const std::string noHoek = "The schedule has no ETA for the waypoint HOEK VAN HOLLAND\nCalculate the schedule first";
  const std::string noDeparture = "The route has no departure time\nEnter Begin Seavoyage in the voyage properties";
  const std::string noFixTime = "The latest position fix has no time\nEdit the position fix and enter its time";
  const std::string noFixPosition =
      "The latest position fix has no position\nEdit the position fix and enter its latitude and longitude";
  const std::string noNewYork = "The waypoint NEW YORK has no position\nEnter its latitude and longitude";
  struct CCase {
    const char* command;
    std::function<void(CVoyage&, CFixRecord&)> spoil;
    std::string refusal;
  };
  const CCase cases[] = {
      {"amver-sp", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"amver-sp", [&](CVoyage& r, CFixRecord&) { r.GetAt(1)->SetTimeA(nan); }, noHoek},
      {"amver-sp", [&](CVoyage& r, CFixRecord&) { r.GetHead()->SetTimeA(nan); }, noDeparture},
      {"amver-fr", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"amver-fr", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetLongitude(nan); }, noNewYork},
      {"amver-pr", [&](CVoyage&, CFixRecord& f) { f.SetTime(nan); }, noFixTime},
      {"amver-pr", [&](CVoyage&, CFixRecord& f) { f.SetLatitude(nan); }, noFixPosition},
      {"sistram-1", [&](CVoyage& r, CFixRecord&) { r.GetHead()->SetTime(nan); }, noDeparture},
      {"sistram-4", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"ausrep-fr", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"chilrep-sp", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"ecuador-sp", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"ecuador-fr", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"peru-pr", [&](CVoyage& r, CFixRecord&) { r.GetTail()->SetTimeA(nan); }, noArrival},
      {"jasrep-sp", [&](CVoyage& r, CFixRecord&) { r.GetAt(1)->SetTimeA(nan); }, noHoek},
      {"jasrep-fr", [&](CVoyage&, CFixRecord& f) { f.SetTime(nan); }, noFixTime},
  };
  for (const CCase& c : cases) {
    SCOPED_TRACE(c.command);
    CVoyage spoilt;
    FillRoute(spoilt);
    CFixRecord spoiltFix = fix;
    c.spoil(spoilt, spoiltFix);
    CScriptedPrompter asked;
    asked.files.push_back(PathOf("report.txt"));
    EXPECT_FALSE(WriteReport(FindReportCommand(c.command)->kind, spoilt, vessel, &spoiltFix, asked));
    ExpectOnlyMessage(asked, c.refusal, EMessageIcon::Stop);
    EXPECT_TRUE(asked.fileChoices.empty());
  }
  EXPECT_TRUE(fs::is_empty(folder.Path()));
  // A position report does not read the route's estimates.
  route.GetAt(1)->SetTimeA(nan);
  EXPECT_FALSE(ReportRefusal(EReportKind::AmverPosition, route, &fix));
  // The time texts themselves say "NA", never 010000Z.
  EXPECT_EQ(std::pair(route.GetAt(1)->ReportDateTimeGroup(ETimeSlot::TimeA),
                      route.GetAt(1)->ReportDateTimeGroupWithMonth(ETimeSlot::TimeA)),
            std::pair(std::string("NA/"), std::string("NA/")));
}

TEST(ReportCommands, NamesAreUniqueAndCoverEveryWriter) {
  std::set<std::string> names;
  std::set<int> ids;
  std::set<EReportKind> kinds;
  for (const CReportCommand& command : ReportCommands()) {
    names.insert(command.name);
    ids.insert(command.commandId);
    kinds.insert(command.kind);
    EXPECT_EQ(FindReportCommand(command.commandId), &command);
  }
  // Two commands share the AUSREP final report.
  EXPECT_EQ(std::make_tuple(names.size(), ids.size(), kinds.size()), std::make_tuple(19u, 19u, 18u));
  EXPECT_EQ(std::pair(FindReportCommand("jasrep-fr")->kind, FindReportCommand("peru-pr")->kind),
            std::pair(EReportKind::JasrepFinal, EReportKind::PeruPosition));
  EXPECT_EQ(std::make_tuple(FindReportCommand("peru-sp"), FindReportCommand(command::kPeruPositionReport - 1)),
            std::make_tuple(nullptr, nullptr));
}
