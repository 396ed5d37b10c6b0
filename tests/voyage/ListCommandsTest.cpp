// The commands on whole lists and on the rows of the list view, as the
// desktop program and the command line both run them: comma-separated
// export and import, Delete, the insert and edit dispatch and the checks
// made before a command runs.
#include <gtest/gtest.h>

#include "core/CommandIds.h"
#include "core/FileIo.h"
#include "exchange/CsvFile.h"
#include "fakes/DocumentFixture.h"
#include "fakes/Records.h"
#include "voyage/CommandChecks.h"
#include "voyage/FixHistory.h"
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
  EXPECT_EQ(ChooseCsvFile(Doc(), ERecordList::Ports, false), File("x.csv"));
  const CFileChoice& choice = prompter.fileChoices.back();
  EXPECT_EQ(std::tuple(choice.defaultName, choice.defaultExtension, choice.filter, choice.appends),
            std::tuple("portname", "csv", kCsvFilter, false));
  EXPECT_FALSE(ChooseCsvFile(Doc(), ERecordList::Fixes, true));  // cancelled
  // An export may name a new file and adds to one that exists.
  EXPECT_EQ(std::tuple(prompter.fileChoices.back().defaultName, prompter.fileChoices.back().appends),
            std::tuple("history", true));
  EXPECT_EQ(prompter.saveDialogs, (std::vector<bool>{false, true}));
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

// Each insert makes its record where it belongs, under the caption of its
// sheet; Cancel takes it away again and leaves the list's bytes as they were.
TEST_F(ListCommands, InsertPlacesTheRecordAndCancelTakesItBack) {
  AddWaypoints(Doc().Voyage(), 3);
  for (int i = 0; i < 2; ++i) Placed(Doc().ReportingPoints().AddNew(), 50, i, "RP" + std::to_string(i));
  Doc().Publications().Add(std::make_unique<CPublication>(0));
  Doc().Storms().AddNew();
  const struct {
    int command;
    const CPosition2* selected;
    const char* caption;
    int index;  // of the new record in its list
  } kCases[] = {
      {command::kInsertWaypoint, Doc().Voyage().GetHead(), "New Waypoint", 1},
      {command::kInsertWaypoint, nullptr, "New Waypoint", 3},
      {command::kInsertPositionFix, nullptr, "Position Fix", 1},
      {command::kInsertReportingPoint, Doc().ReportingPoints().GetHead(), "Reporting Point", 1},
      {command::kInsertReportingPoint, Doc().Voyage().GetHead(), "Reporting Point", 2},  // not a point: at the end
      {command::kInsertWarning, nullptr, "Warning", 0},
      {command::kInsertHurricane, nullptr, "Hurricane", 1},
      {command::kInsertPublication, Doc().Publications().GetHead(), "Nautical Publication", 1},
      {command::kInsertPort, nullptr, "New Port", 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.command);
    const std::optional<ESheetKind> sheet = InsertSheetOf(c.command);
    ASSERT_TRUE(sheet);
    Doc().openedFromFile = false;
    const ERecordList list = RecordListOf(*sheet);
    const CBytes before = Store(Doc().List(list));
    const CRecordEdit edit = BeginInsert(Doc(), *sheet, c.selected);
    EXPECT_EQ(std::tuple(edit.caption, Doc().List(list).IndexOf(edit.record), edit.inserting),
              std::tuple(c.caption, c.index, true));
    EndEdit(Doc(), edit, false, false);
    EXPECT_TRUE(Store(Doc().List(list)) == before);
    // Placing a waypoint shows the whole route, also after Cancel.
    EXPECT_EQ(Doc().openedFromFile, c.command == command::kInsertWaypoint);
  }
  EXPECT_EQ(std::tuple(InsertSheetOf(0), InsertSheetOf(command::kEditItem), Doc().modified),
            std::tuple(std::nullopt, std::nullopt, false));
}

// OK keeps a new record even when nothing was typed: a new fix is processed
// as entered, a record of the route document marks it modified.
TEST_F(ListCommands, ConfirmingAnInsertKeepsIt) {
  const CRecordEdit waypoint = BeginInsert(Doc(), ESheetKind::Waypoint, nullptr);
  EndEdit(Doc(), waypoint, true, false);
  EXPECT_EQ(std::tuple(Doc().Voyage().GetCount(), Doc().modified), std::tuple(1, true));

  Doc().modified = false;
  Doc().openedFromFile = true;
  const CRecordEdit fix = BeginInsert(Doc(), ESheetKind::PositionFix, nullptr);
  EndEdit(Doc(), fix, true, false);
  const auto& latest = static_cast<const CFixRecord&>(*fix.record);
  EXPECT_EQ(std::tuple(Doc().Fixes().GetCount(), latest.weather.count, latest.GetName().rfind("PositionFix ", 0),
                       Doc().openedFromFile, Doc().modified),
            std::tuple(2, 1, 0u, false, false));

  // A publication entered in the books list is a book.
  Doc().selectedList = EListKind::Books;
  const CRecordEdit book = BeginInsert(Doc(), ESheetKind::Publication, nullptr);
  EndEdit(Doc(), book, true, true);
  EXPECT_EQ(std::tuple(static_cast<const CPublication&>(*book.record).chart, Doc().modified), std::tuple(false, true));
}

TEST_F(ListCommands, EditTakesTheFirstSelectedRow) {
  AddWaypoints(Doc().Voyage(), 3);
  Doc().Ports().AddNew()->SetName("Newark");
  Doc().openedFromFile = true;  // the whole route, from the departure
  const struct {
    EListKind list;
    std::optional<int> row;
    std::optional<ESheetKind> sheet;  // none: refused
    const char* caption;
  } kCases[] = {
      {EListKind::Waypoints, std::nullopt, std::nullopt, ""},
      {EListKind::Schedule, 0, ESheetKind::PositionFix, kNewFixName},  // the present position
      {EListKind::Waypoints, 0, ESheetKind::PositionFix, kNewFixName},
      {EListKind::Waypoints, 2, ESheetKind::Waypoint, "WP1"},
      {EListKind::Waypoints, 9, std::nullopt, ""},
      {EListKind::Meteo, 0, ESheetKind::Meteo, "WP0"},
      {EListKind::PositionFixes, 0, ESheetKind::PositionFix, kNewFixName},
      {EListKind::Ports, 0, ESheetKind::Port, "Newark"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(ListKindInfo(c.list).name);
    Doc().selectedList = c.list;
    prompter.messages.clear();
    const std::optional<CRecordEdit> edit = BeginEdit(Doc(), FillList(Doc()), c.row);
    EXPECT_EQ(edit.has_value(), c.sheet.has_value());
    if (!edit) {
      EXPECT_EQ(Said(prompter), std::vector<std::string>{"Stop: No item to edit selected in list"});
      continue;
    }
    EXPECT_EQ(std::tuple(edit->sheet, edit->caption, edit->inserting), std::tuple(*c.sheet, c.caption, false));
  }
  EXPECT_EQ(std::tuple(EditSheetOf(EListKind::Books), EditSheetOf(EListKind::Storms)),
            std::tuple(ESheetKind::Publication, ESheetKind::Hurricane));
}

// An edit changes the document only when the sheet wrote something: a fix
// is then processed again, a route record marks the document modified.
TEST_F(ListCommands, EndingAnEditAppliesOnlyWhatWasWritten) {
  AddWaypoints(Doc().Voyage(), 2);
  Doc().selectedList = EListKind::PositionFixes;
  const CRecordEdit fix = *BeginEdit(Doc(), FillList(Doc()), 0);
  EndEdit(Doc(), fix, true, false);
  EXPECT_EQ(fix.record->GetName(), kNewFixName);
  EndEdit(Doc(), fix, true, true);
  EXPECT_EQ(std::tuple(fix.record->GetName().rfind("PositionFix ", 0), Doc().Fixes().GetCount(), Doc().modified),
            std::tuple(0u, 1, false));

  Doc().selectedList = EListKind::Waypoints;
  const CRecordEdit waypoint = *BeginEdit(Doc(), FillList(Doc()), 1);
  EndEdit(Doc(), waypoint, false, false);
  EndEdit(Doc(), waypoint, true, false);
  EXPECT_EQ(std::tuple(Doc().modified, Doc().Voyage().GetCount()), std::tuple(false, 2));
  EndEdit(Doc(), waypoint, true, true);
  EXPECT_TRUE(Doc().modified);
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
