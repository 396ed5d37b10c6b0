// The commands on whole lists and on the rows of the list view, as the
// desktop program and the command line both run them: comma-separated
// export and import, Delete, the insert dispatch and the checks made before
// a command runs.
#include <gtest/gtest.h>

#include "core/CommandIds.h"
#include "core/FileIo.h"
#include "exchange/CsvFile.h"
#include "fakes/DocumentFixture.h"
#include "fakes/Records.h"
#include "voyage/CommandChecks.h"
#include "voyage/ListCommands.h"

namespace marigold {
namespace {

class ListCommands : public ::testing::Test, protected CDocumentFixture {
 protected:
  CMarigoldRouteDoc& Doc() { return *doc; }
  const std::string& LastMessage() const { return prompter.messages.back().text; }

  // Counts the commits, which succeed as told.
  bool Import(ERecordList list, const std::string& path) {
    return ImportList(Doc(), list, path, [this] { return ++commits, commitSucceeds; });
  }

  int commits = 0;
  bool commitSucceeds = true;
};

// Every list that is imported comes back from its own export, one record
// per line; the meteo records merge instead (the one exported lies on
// itself), ports and publications are stamped with the present time.
TEST_F(ListCommands, EveryListComesBackFromItsExport) {
  const struct {
    ERecordList list;
    const char* record;  // added before the export; the meteo list has its default record
    int countAfterImport;
  } kCases[] = {
      {ERecordList::Route, "Landfall", 2},
      {ERecordList::ReportingPoints, "Call VTS", 2},
      {ERecordList::Warnings, "NAVAREA 1/23", 2},
      {ERecordList::Meteo, nullptr, 1},
      {ERecordList::Storms, "Ana", 2},
      {ERecordList::Publications, "BA 2675", 2},
      {ERecordList::Ports, "Rotterdam", 2},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(RecordListInfo(c.list).name);
    if (c.record) Doc().List(c.list).InsertAfterChecked(nullptr, MakeRecord(c.list))->SetName(c.record);
    const std::string path = File(std::string(RecordListInfo(c.list).csvName) + ".csv");
    prompter.messages.clear();
    ASSERT_TRUE(ExportList(Doc(), c.list, path));
    EXPECT_EQ(Said(prompter), std::vector<std::string>{"Information: Export succesfull"});

    Doc().modified = false;
    ASSERT_TRUE(Import(c.list, path));
    EXPECT_EQ(std::tuple(LastMessage(), Doc().modified), std::tuple("Import succesfull", true));
    CPositionList& records = Doc().List(c.list);
    ASSERT_EQ(records.GetCount(), c.countAfterImport);
    EXPECT_EQ(records.GetTail()->GetName(), records.GetHead()->GetName());
  }
  EXPECT_EQ(std::tuple(commits, Doc().Ports().GetTail()->tide.angleDate), std::tuple(7, clock.Now()));
}

TEST_F(ListCommands, AFailedExportOrImportSaysSoAndNamesTheFile) {
  const std::pair<ERecordList, const char*> kEmpty[] = {{ERecordList::Route, kCsvVoyageEmpty},
                                                        {ERecordList::ReportingPoints, kCsvReportingListEmpty},
                                                        {ERecordList::Warnings, kCsvListEmpty}};
  const std::string path = File("empty.csv");
  for (const auto& [list, empty] : kEmpty) {
    prompter.messages.clear();
    EXPECT_FALSE(ExportList(Doc(), list, path));
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, empty + path);
    EXPECT_EQ(Said(prompter)[1], "Exclamation: Export failed");
    EXPECT_FALSE(ReadFileBytes(path));
  }

  // A missing file and a refused one say why; the history (exported only)
  // and a change that could not be kept fail plainly. Only a whole read file
  // reaches the commit, and a refused one adds nothing.
  ASSERT_TRUE(WriteFileAtomic(File("one.csv"), std::string("Ana\n")));
  ASSERT_TRUE(WriteFileAtomic(File("binary.csv"), std::string("Ana\nB\x01\x02\0x\n")));
  ASSERT_TRUE(WriteFileAtomic(File("pole.csv"), std::string("Ana\nBob,91:00.0N,010:00.0W\n")));
  const auto failed = [&](const std::string& file, const std::string& why) {
    return "Exclamation: Import failed\n" + File(file) + "\n" + why + "\nNothing was changed.";
  };
  // The list, the file, whether the commit succeeds, the commits expected, what is said.
  const std::tuple<ERecordList, std::string, bool, int, std::string> kFailed[] = {
      {ERecordList::Storms, File("missing.csv"), true, 0,
       failed("missing.csv", "cannot read " + File("missing.csv") + ": the file is missing")},
      {ERecordList::Warnings, File("binary.csv"), true, 0,
       failed("binary.csv", "line 2: control characters: not a text file")},
      {ERecordList::Ports, File("pole.csv"), true, 0,
       failed("pole.csv", "line 2: latitude 91.000000 is off the globe")},
      {ERecordList::Fixes, File("one.csv"), true, 0, "Exclamation: Import failed"},
      {ERecordList::Storms, File("one.csv"), false, 1, "Exclamation: Import failed"}};
  for (const auto& [list, file, succeeds, expected, said] : kFailed) {
    commits = 0;
    commitSucceeds = succeeds;
    const int before = Doc().List(list).GetCount();
    EXPECT_FALSE(Import(list, file));
    EXPECT_EQ(std::tuple(Said(prompter).back(), commits), std::tuple(said, expected));
    if (expected == 0) {
      EXPECT_EQ(Doc().List(list).GetCount(), before) << file;
    }
  }
}

TEST_F(ListCommands, ChoosingTheFileOffersTheListsName) {
  prompter.files = {File("x.csv")};
  EXPECT_EQ(ChooseCsvFile(Doc(), ERecordList::Ports), File("x.csv"));
  const CFileChoice& choice = prompter.fileChoices.back();
  EXPECT_EQ(std::tuple(choice.defaultName, choice.defaultExtension, choice.filter),
            std::tuple("portname", "csv", kCsvFilter));
  EXPECT_FALSE(ChooseCsvFile(Doc(), ERecordList::Fixes));  // cancelled
  EXPECT_EQ(prompter.fileChoices.back().defaultName, "history");
}

TEST_F(ListCommands, DeleteSparesTheStartPositionAndMarksOnlyRouteLists) {
  AddWaypoints(Doc().Voyage(), 3);
  Doc().openedFromFile = true;  // the whole route, from the departure
  Doc().selectedList = EListKind::Waypoints;
  int refreshed = 0;
  const auto remove = [&](std::vector<int> rows) {
    DeleteRows(Doc(), FillList(Doc()), std::move(rows), [&] { ++refreshed; });
  };

  prompter.answers = {false};
  remove({1});
  EXPECT_EQ(Doc().Voyage().GetCount(), 3);
  prompter.answers = {true};
  remove({});
  EXPECT_EQ(std::tuple(prompter.questions, prompter.messages.size()),
            std::tuple(std::vector<std::string>(2, "Delete selected items?"), 0u));

  prompter.answers = {true};
  remove({3, 0, 1});
  EXPECT_EQ(Said(prompter), std::vector<std::string>{"Stop: Present Position can not be deleted"});
  EXPECT_EQ(std::tuple(Doc().Voyage().GetCount(), Doc().Voyage().GetHead()->GetName(), Doc().modified, refreshed),
            std::tuple(1, "WP1", true, 2));

  // The Meteo list shows waypoints but deletes from the meteo records: no
  // row of it is ever found there.
  Doc().modified = false;
  Doc().selectedList = EListKind::Meteo;
  prompter.messages.clear();
  prompter.answers = {true};
  remove({0});
  EXPECT_EQ(std::tuple(LastMessage(), Doc().Voyage().GetCount()), std::tuple("Position can not be deleted", 1));

  // Warnings live in their data file, not in the route document.
  Doc().Warnings().AddNew();
  Doc().selectedList = EListKind::Warnings;
  prompter.answers = {true};
  remove({0});
  EXPECT_EQ(std::tuple(Doc().Warnings().IsEmpty(), Doc().modified), std::tuple(true, false));
}

TEST_F(ListCommands, InsertGoesToTheListsOwnCommand) {
  const std::pair<EListKind, int> kCases[] = {{EListKind::Schedule, command::kInsertWaypoint},
                                              {EListKind::PositionFixes, command::kInsertPositionFix},
                                              {EListKind::Meteo, 0},
                                              {EListKind::Books, command::kInsertPublication},
                                              {EListKind::Ports, command::kInsertPort}};
  for (const auto& [kind, id] : kCases) {
    Doc().selectedList = kind;
    EXPECT_EQ(InsertCommandFor(Doc()), id);
  }
  InsertRefused(Doc());
  EXPECT_EQ(Said(prompter).back(), "Meteo positions can not be inserted manually");
}

TEST_F(ListCommands, ChecksSayWhatIsMissing) {
  const std::pair<CCommandCheck, const char*> kChecks[] = {
      {NeedsWaypoint, "Stop: No active voyage\nPlease load or create voyage first!"},
      {NeedsStorm, "Stop: No active storms"},
      {NeedsEtaRoute, "No valid voyage loaded\nCan not calculate ETA"},
      {NeedsStormAndRoute, "Exclamation: No voyage loaded\nor no active storms"},
  };
  for (const auto& [check, said] : kChecks) {
    prompter.messages.clear();
    EXPECT_FALSE(check(Doc()));
    EXPECT_EQ(Said(prompter), std::vector<std::string>{said});
  }
  // The history always holds the present position.
  EXPECT_TRUE(NeedsFix(Doc()));
  AddWaypoints(Doc().Voyage(), 2);
  Doc().Storms().AddNew();
  prompter.messages.clear();
  for (const auto& [check, said] : kChecks) EXPECT_TRUE(check(Doc())) << said;
  EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace marigold
