// The document: its data files at construction and at the end, route
// documents of both file types, and item files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/FileIo.h"
#include "core/LocalClock.h"
#include "fakes/DocumentFixture.h"
#include "fakes/Records.h"

namespace marigold {
namespace {

constexpr const char* kEmptyVersion4 = "04000000 00 01000000 00000000 00 00000000 00000000";
constexpr const char* kEmptyVersion3 = "00 01000000 00000000 00000000 00000000";

TEST(DocumentWithoutDataFiles, MissingDataFilesAreReportedEachAndTheDocumentGoesOn) {
  const CTempFolder folder("doc");
  CMemorySettingsStore store;
  UseDataFolder(store, folder.Path().string());
  store.WriteInt("Path", "AskLoadOld", 0);
  CScriptedPrompter prompter;
  const CFixedClock clock(1700000000);
  {
    CMarigoldRouteDoc doc(store, prompter, clock);
    // The present position and the default meteo record.
    EXPECT_EQ(std::tuple(doc.Fixes().GetCount(), doc.Meteo().GetCount(), doc.fixesAtLoad, doc.askFileVersion),
              std::tuple(1, 1, 1, false));
  }
  // Per file: where is it; the locate dialog cancelled keeps the path and the empty list.
  EXPECT_EQ(MessageTexts(prompter),
            (std::vector<std::string>{"Unable to load vessel data\nPlease locate data file",
                                      "Unable to load history data\nPlease locate data file",
                                      "Unable to load port data\nPlease locate data file",
                                      "Unable to load nav warning data\nPlease locate data file",
                                      "Unable to load meteo data\nPlease locate data file",
                                      "Unable to load hurricane data\nPlease locate data file"}));
  EXPECT_EQ(store.GetString("Path", "Routedat", "?"), folder.File("voyage.dat"));
  // The end of the run wrote every list where it was configured.
  EXPECT_TRUE(std::filesystem::exists(folder.File("hurricane.dat")));
}

TEST(DocumentAtFirstStart, MakesEveryDataFileWithoutAQuestion) {
  const CTempFolder folder("first");
  CMemorySettingsStore store;
  ASSERT_TRUE(SettleDataPaths(store, folder.Path().string()));
  CScriptedPrompter prompter;
  const CFixedClock clock(1700000000);
  const CMarigoldRouteDoc doc(store, prompter, clock, CMarigoldRouteDoc::EMode::FirstStart);
  EXPECT_TRUE(prompter.messages.empty());
  for (const char* name : {"vessel.dat", "voyage.dat", "port.dat", "warning.dat", "meteo.dat", "hurricane.dat"})
    EXPECT_TRUE(std::filesystem::exists(folder.File(name))) << name;
}

TEST(DocumentWithoutDataFiles, AHistoryThatCannotBeReadOutlivesTheDocument) {
  const CTempFolder folder("doc");
  CMemorySettingsStore store;
  UseDataFolder(store, folder.Path().string());
  store.WriteInt("Path", "AskLoadOld", 0);
  ASSERT_TRUE(WriteFreshDataFiles(store));
  const std::string history = folder.File("voyage.dat");
  std::filesystem::remove(history);
  std::filesystem::create_directory(history);  // exists, cannot be read as a file
  CScriptedPrompter prompter;
  const CFixedClock clock(1700000000);
  {
    CMarigoldRouteDoc doc(store, prompter, clock);
    EXPECT_EQ(doc.Fixes().GetCount(), 1);  // the present position
    EXPECT_EQ(MessageTexts(prompter),
              (std::vector<std::string>{"voyage.dat could not be read and will not be saved over\ncannot read " +
                                            history + ": it is a folder",
                                        "Failed to load history data"}));
    doc.Meteo().AddNew()->SetName("New");
    // The other files are still saved.
    EXPECT_EQ(doc.SaveDataFiles(), std::vector<EDataFile>{EDataFile::History});
  }
  EXPECT_TRUE(std::filesystem::is_directory(history));
  EXPECT_TRUE(std::filesystem::exists(folder.File("meteo.dat.bak")));
}

TEST(DocumentWithoutDataFiles, ASecondCopyReadsTheDataAndNeverWritesThem) {
  CDocumentFixture first;  // writes the fresh files, then holds them
  const auto snapshot = [&] {
    std::vector<CBytes> files;
    for (const char* name : {"voyage.dat", "meteo.dat", "vessel.dat"}) files.push_back(FileBytes(first.File(name)));
    return files;
  };
  const auto before = snapshot();
  {
    CMarigoldRouteDoc second(first.store, first.prompter, first.clock, CMarigoldRouteDoc::EMode::DataLocked);
    EXPECT_TRUE(second.DataLocked());
    second.Fixes().AddNew();
    second.Meteo().AddNew();
    EXPECT_EQ(second.SaveDataFiles().size(), std::size(kDataFiles));
    EXPECT_EQ(second.SaveListFile(ERecordList::Fixes, "").error, kDataFilesInUse);
  }  // and nothing at the end either
  EXPECT_EQ(snapshot(), before);
}

class Document : public ::testing::Test, protected CDocumentFixture {};

TEST_F(Document, EmptyRouteDocumentsOfBothTypes) {
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(doc->StoreRouteDocument(4), Hex(kEmptyVersion4));
  EXPECT_EQ(doc->StoreRouteDocument(3), Hex(kEmptyVersion3));

  // Two waypoints, voyage number "V1", notes "N": version, number, keep-rpm
  // flag, count, the waypoints, notes, then the two empty lists.
  doc->Voyage().AddNew();
  doc->Voyage().AddNew();
  doc->Voyage().voyageNumber = "V1";
  doc->Voyage().notes = "N";
  const CBytes twoWaypoints = Hex("04000000 02 5631 01000000 02000000" + bytes::kDefaultWaypoint +
                                  bytes::kDefaultWaypoint + "01 4E 00000000 00000000");
  EXPECT_EQ(doc->StoreRouteDocument(4), twoWaypoints);
  doc->New();
  doc->LoadRouteDocument(twoWaypoints, 4);
  EXPECT_EQ(std::tuple(doc->Voyage().GetCount(), doc->Voyage().notes), std::tuple(2, "N"));
}

TEST_F(Document, SaveWritesTheRouteThenEveryDataFileAndOpenReadsItBack) {
  Placed(doc->Voyage().AddNew(), 52.0, 3.8, "Maas Center");
  Placed(doc->Voyage().AddNew(), 51.16, 1.785, "Sandettie")->SetTimeB(ToDayNumber(clock.Now()) + 1);
  doc->Voyage().voyageNumber = "V 042";
  doc->Voyage().notes = "Pilot on VHF 14";
  doc->Storms().AddNew()->SetName("Ana");
  doc->modified = true;
  const auto saved = doc->Save(File("route.rtp"));
  ASSERT_TRUE(saved.route);
  EXPECT_TRUE(saved.failedDataFiles.empty() && !doc->modified);
  EXPECT_GT(ReadFileBytes(File("hurricane.dat"))->size(), 4u);

  doc->New();
  // The data-file lists live on.
  EXPECT_EQ(std::tuple(doc->Voyage().GetCount(), doc->Storms().GetCount()), std::tuple(0, 1));
  ASSERT_TRUE(doc->Open(File("route.rtp")));
  EXPECT_TRUE(doc->openedFromFile);
  ASSERT_EQ(doc->Voyage().GetCount(), 2);
  EXPECT_EQ(doc->Voyage().GetTail()->GetName() + "|" + doc->Voyage().voyageNumber + "|" + doc->Voyage().notes,
            "Sandettie|V 042|Pilot on VHF 14");
}

// "DaysOldFix" 0: loading a route document keeps only the latest fix and
// those taken at the same time.
// A fix changes the history, the meteo records and the vessel's engine
// setting and steered course: a vessel file that cannot be written keeps the
// other two as they were.
TEST_F(Document, AFixKeepsAllThreeFilesOrNone) {
  for (int i = 0; i < 2000; ++i) doc->Vessel().AddHydroEntry({});  // a vessel file past the disk's room
  doc->NewFixFromVessel();
  doc->Meteo().AddNew();
  const std::vector<std::string> files = {File("voyage.dat"), File("meteo.dat"), File("vessel.dat")};
  std::vector<std::string> before;
  for (const std::string& file : files) before.push_back(FileText(file));
  CFileResult saved;
  {
    const CFileSizeLimit full;
    saved = doc->SaveListFiles({ERecordList::Fixes, ERecordList::Meteo}, "", true);
  }
  EXPECT_EQ(saved.error, "cannot write " + File("vessel.dat") + ": File too large");
  for (std::size_t i = 0; i < files.size(); ++i) EXPECT_EQ(FileText(files[i]), before[i]) << files[i];
  EXPECT_TRUE(doc->SaveListFiles({ERecordList::Fixes, ERecordList::Meteo}, "", true));
  for (const std::string& file : files) EXPECT_NE(FileText(file), before[&file - files.data()]) << file;
}

TEST_F(Document, DaysOldFixZeroKeepsOnlyTheLatestFixes) {
  const double today = ToDayNumber(clock.Now());
  doc->Fixes().RemoveAll();
  for (const double hours : {-50.0, -2.0, -0.5, 0.0, 0.0}) AddFix(doc->Fixes(), 50, today, hours);
  store.WriteInt("Path", "DaysOldFix", 0);
  ASSERT_TRUE(doc->Save(File("route.rtp")).route);
  ASSERT_TRUE(doc->Open(File("route.rtp")));
  ASSERT_EQ(doc->Fixes().GetCount(), 2);
  EXPECT_EQ(std::pair(doc->Fixes().GetHead()->GetTime(), doc->Fixes().GetTail()->GetTime()), std::pair(today, today));
}

// After a run with no time left the leg figures and times are not numbers
// (shown "NA"), but the route document stores the last values that were:
// other readers of the format take them as times and speeds to use.
TEST_F(Document, ARouteSavedAfterARunWithNoTimeLeftHoldsNoNotANumber) {
  const double today = ToDayNumber(clock.Now());
  CVoyage& route = doc->Voyage();
  CWaypoint* first = Placed(route.AddNew(), 50.0, 0.0, "A");
  first->SetTime(today - 1);
  first->SetTimeA(today - 1);
  Placed(route.AddNew(), 50.0, 1.0, "B");
  Placed(route.AddNew(), 50.0, 2.0, "C")->SetTimeB(today - 0.5);
  doc->Fixes().RemoveAll();
  CFixRecord* late = Placed(doc->Fixes().AddNew(), 50.0, 0.5);  // a day after the departure, half a day late
  late->SetTime(today);
  late->groundCourse = 90;
  doc->Recalculate();
  const CWaypoint& b = *route.GetAt(1);
  ASSERT_TRUE(std::isnan(b.GetTimeB()));  // no schedule to keep: "NA"
  EXPECT_TRUE(std::isfinite(b.keptGroundspeed) && std::isfinite(route.GetTail()->GetTimeA()));

  const CBytes bytes = doc->StoreRouteDocument(4);
  doc->New();
  doc->LoadRouteDocument(bytes, 4);
  ASSERT_EQ(route.GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    const CWaypoint& w = *route.GetAt(i);
    SCOPED_TRACE(i);
    EXPECT_TRUE(std::isfinite(w.GetTime()) && std::isfinite(w.GetTimeA()) && std::isfinite(w.GetTimeB()));
    EXPECT_TRUE(std::isfinite(w.keptGroundspeed) && w.keptGroundspeed > 0);
  }
  // B keeps the scheduled time of the last run that had one, from the departure.
  EXPECT_GT(route.GetAt(1)->GetTimeB(), today - 1);
  EXPECT_LT(route.GetAt(1)->GetTimeB(), today - 0.5);
}

TEST_F(Document, TheWrongFileTypeFailsCleanlyAndKeepsTheDocument) {
  doc->Voyage().AddNew()->SetName("Kept");
  ASSERT_TRUE(WriteFileAtomic(File("old.rtp"), Hex("03 563132 01000000 00000000 00000000 00000000")));
  EXPECT_FALSE(doc->Open(File("old.rtp")));
  ASSERT_EQ(doc->Voyage().GetCount(), 1);
  EXPECT_EQ(doc->Voyage().GetHead()->GetName(), "Kept");
  ASSERT_FALSE(prompter.messages.empty());
  const CScriptedPrompter::CShown& shown = prompter.messages.back();
  EXPECT_EQ(shown.icon, EMessageIcon::Stop);
  EXPECT_NE(shown.text.find(File("old.rtp")), std::string::npos);
  EXPECT_NE(shown.text.find("Version 2.9 or older"), std::string::npos);

  // Chosen as the old type it opens.
  doc->askFileVersion = true;
  prompter.choices = {0};
  ASSERT_TRUE(doc->Open(File("old.rtp")));
  EXPECT_EQ(doc->Voyage().voyageNumber + "|" + prompter.choicePrompts.back(), "V12|Please select file type:");
}

TEST_F(Document, ItemFilesGoIntoTheListOfTheirKind) {
  doc->ExportItem(nullptr);
  EXPECT_EQ(prompter.messages.back().text, "No item selected for export");

  CHurricane* storm = doc->Storms().AddNew();
  storm->SetName("Ana");
  doc->selectedList = EListKind::Storms;
  prompter.files = {File("ana.dat")};
  doc->ExportItem(storm);
  EXPECT_EQ(prompter.messages.back().text + "|" + prompter.fileChoices.back().defaultName, "Export succesfull|Ana");

  doc->selectedList = EListKind::Schedule;
  prompter.files = {File("ana.dat")};
  doc->ImportItem(storm);
  EXPECT_EQ(std::tuple(prompter.messages.back().text, doc->selectedList),
            std::tuple("Import succesfull", EListKind::Storms));
  ASSERT_EQ(doc->Storms().GetCount(), 2);
  EXPECT_EQ(std::tuple(doc->Storms().GetTail()->GetName(), doc->modified), std::tuple("Ana", true));

  ASSERT_TRUE(WriteFileAtomic(File("bad.dat"), Hex("0B000000")));
  prompter.files = {File("bad.dat")};
  doc->ImportItem(nullptr);
  EXPECT_EQ(std::tuple(prompter.messages.back().text, doc->Storms().GetCount()), std::tuple("Import failed", 2));
}

TEST_F(Document, SelectedListCounts) {
  doc->Voyage().AddNew();
  doc->Voyage().AddNew();
  doc->Publications().AddNew();
  const std::pair<EListKind, int> counts[] = {
      {EListKind::Schedule, 0}, {EListKind::Meteo, 2}, {EListKind::Books, 1}, {EListKind::PositionFixes, 1}};
  for (const auto& [list, count] : counts) {
    doc->selectedList = list;
    EXPECT_EQ(doc->SelectedListCount(), count) << static_cast<int>(list);
  }
}

}  // namespace
}  // namespace marigold
