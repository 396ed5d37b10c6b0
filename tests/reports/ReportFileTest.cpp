#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "ReportSamples.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "reports/ReportFile.h"

using namespace marigold;
namespace fs = std::filesystem;

namespace {

constexpr const char* kNoWaypoints = "No waypoints defined\nPlease add waypoints first";

void ExpectOnlyMessage(const CScriptedPrompter& prompter, const std::string& text, EMessageIcon icon) {
  EXPECT_EQ(MessageTexts(prompter), std::vector<std::string>{text});
  if (!prompter.messages.empty()) {
    EXPECT_EQ(prompter.messages[0].icon, icon);
  }
}

class ReportFile : public samples::ReportSample {
 protected:
  bool Write(EReportKind kind, const CFixRecord* withFix) {
    return WriteReport(kind, route, vessel, withFix, prompter);
  }
  std::string PathOf(std::string_view name) const { return folder.File(name); }

  CTempFolder folder{"reports"};
  CScriptedPrompter prompter;
};

}  // namespace

TEST_F(ReportFile, WritesTheChosenFileAndSaysSo) {
  const std::string path = PathOf("arrival.txt");
  PutFile(path, "an older report that is much longer than the new one");
  prompter.files.push_back(path);
  EXPECT_TRUE(Write(EReportKind::AmverArrival, nullptr));
  EXPECT_EQ(FileText(path),
            "AMVER/FR//\r\nA/MARLINSPIKE/PDXY//\r\nK/NEW YORK/4028N/07349W/170805Z//\r\nZ/EOR//\r\n");
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
  EXPECT_EQ(command->commandId, 32892);
  EXPECT_TRUE(Write(command->kind, nullptr));
  EXPECT_EQ(FileText(PathOf("AUSREP.txt")).substr(0, 13), "AUSREP/FR//\r\n");
  ASSERT_EQ(prompter.fileChoices.size(), 2u);
  EXPECT_EQ(prompter.fileChoices[0].defaultName, "ShipRep");
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"Position Report created succesfully", "Final report created succesfully"}));
  for (const auto& shown : prompter.messages) EXPECT_EQ(shown.icon, EMessageIcon::None);
}

TEST_F(ReportFile, EveryCommandRefusesARouteOfOneWaypointBeforeAskingForAFile) {
  CVoyage one;
  samples::AddWaypoint(one, "ROTTERDAM", 51.9, 4.05, 1.0);
  for (const CReportCommand& command : ReportCommands()) {
    CScriptedPrompter asked;
    SCOPED_TRACE(command.name);
    EXPECT_FALSE(WriteReport(command.kind, one, vessel, &fix, asked));
    ExpectOnlyMessage(asked, kNoWaypoints, EMessageIcon::Stop);
    EXPECT_TRUE(asked.fileChoices.empty());
  }
}

TEST_F(ReportFile, ReportsFromTheFixRefuseAnEmptyHistory) {
  const std::set<std::string> fromFix = {"amver-pr", "sistram-2", "ausrep-pr", "chilrep-pr",
                                         "ecuador-pr", "peru-pr", "jasrep-pr", "jasrep-fr"};
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
  for (const EReportKind kind : {EReportKind::AmverSailingPlan, EReportKind::EcuadorPosition, EReportKind::Sistram1,
                                 EReportKind::JasrepFinal})
    EXPECT_FALSE(Write(kind, &fix));
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"No file open for writing", "No file to write to\nReport failed"}));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(std::pair(prompter.messages[0].icon, prompter.messages[1].icon),
            std::pair(EMessageIcon::Stop, EMessageIcon::None));
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
  EXPECT_EQ(names.size(), 19u);
  EXPECT_EQ(ids.size(), 19u);
  EXPECT_EQ(kinds.size(), 18u);
  EXPECT_EQ(FindReportCommand("jasrep-fr")->kind, EReportKind::JasrepFinal);
  EXPECT_EQ(FindReportCommand("peru-pr")->kind, EReportKind::PeruPosition);
  EXPECT_EQ(FindReportCommand("peru-sp"), nullptr);
  EXPECT_EQ(FindReportCommand(32901), nullptr);
}
