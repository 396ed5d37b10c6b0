// The document: its data files at construction and at the end, route
// documents of both file types, and item files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "core/FileIo.h"
#include "core/LocalClock.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "voyage/MarigoldRouteDoc.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

constexpr const char* kEmptyVersion4 = "04000000 00 01000000 00000000 00 00000000 00000000";
constexpr const char* kEmptyVersion3 = "00 01000000 00000000 00000000 00000000";
// A default waypoint: the position's eight items, the weather, then keep
// groundspeed, great circle, 12.0 kn, 1.0 nM, pass within, average weather.
constexpr const char* kDefaultWaypoint =
    "0000000000002E40 0000000000804640 0000000000001440 0C 4E657720506F736974696F6E"
    "0000000000000000 0000000000000000 0000000000000000 0000000000000000"
    "0000000000408F40 0000000000003240 0000000000000000 0000000000000000"
    "666666666666F03F 0000000000003240 0000000000000000 0000000000000000 00000000"
    "00000000 00000000 0000000000002840 000000000000F03F 00000000 01000000";

class Document : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("marigold-doc-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    UseDataFolder(store, dir_.string());
    store.WriteInt("Path", "AskLoadOld", 0);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  void WriteDataFiles() { ASSERT_TRUE(WriteFreshDataFiles(store)); }

  fs::path dir_;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};  // 2023-11-14 22:13:20 UTC
};

TEST_F(Document, MissingDataFilesAreReportedEachAndTheDocumentGoesOn) {
  {
    CMarigoldRouteDoc doc(store, prompter, clock);
    EXPECT_EQ(doc.Fixes().GetCount(), 1);  // the present position
    EXPECT_EQ(doc.Meteo().GetCount(), 1);  // the default record
    EXPECT_EQ(doc.fixesAtLoad, 1);
    EXPECT_FALSE(doc.askFileVersion);
  }
  // Per file: where is it, the locate dialog cancelled, then the document's own word.
  ASSERT_EQ(prompter.messages.size(), 18u);
  EXPECT_EQ(prompter.messages[0].text, "Unable to load vessel data\nPlease locate data file");
  EXPECT_EQ(prompter.messages[1].text, "Failed to open file\ndata might be corrupt\nCreating new empty datafile");
  EXPECT_EQ(prompter.messages[2].text, "Failed to load vessel data");
  EXPECT_EQ(prompter.messages[2].icon, EMessageIcon::None);
  EXPECT_EQ(prompter.messages[11].text, "Failed to load navwarnings");
  EXPECT_EQ(prompter.messages[17].text, "Failed to load hurricane data");
  EXPECT_EQ(store.GetString("Path", "Routedat", "?"), "");
}

TEST_F(Document, EmptyRouteDocumentsOfBothTypes) {
  WriteDataFiles();
  CMarigoldRouteDoc doc(store, prompter, clock);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(doc.StoreRouteDocument(4), Hex(kEmptyVersion4));
  EXPECT_EQ(doc.StoreRouteDocument(3), Hex(kEmptyVersion3));

  // Two waypoints, voyage number "V1", notes "N": version, number, keep-rpm
  // flag, count, the waypoints, notes, then the two empty lists.
  doc.Voyage().AddNew();
  doc.Voyage().AddNew();
  doc.Voyage().voyageNumber = "V1";
  doc.Voyage().notes = "N";
  const CBytes twoWaypoints = Hex(std::string("04000000 02 5631 01000000 02000000") + kDefaultWaypoint +
                                  kDefaultWaypoint + "01 4E 00000000 00000000");
  EXPECT_EQ(doc.StoreRouteDocument(4), twoWaypoints);
  doc.New();
  doc.LoadRouteDocument(twoWaypoints, 4);
  EXPECT_EQ(doc.Voyage().GetCount(), 2);
  EXPECT_EQ(doc.Voyage().notes, "N");
}

TEST_F(Document, SaveWritesTheRouteThenEveryDataFileAndOpenReadsItBack) {
  WriteDataFiles();
  CMarigoldRouteDoc doc(store, prompter, clock);
  CWaypoint* a = doc.Voyage().AddNew();
  a->SetName("Maas Center");
  a->SetLatitude(52.0);
  a->SetLongitude(3.8);
  CWaypoint* b = doc.Voyage().AddNew();
  b->SetName("Sandettie");
  b->SetLatitude(51.16);
  b->SetLongitude(1.785);
  b->SetTimeB(ToDayNumber(clock.Now()) + 1);
  doc.Voyage().voyageNumber = "V 042";
  doc.Voyage().notes = "Pilot on VHF 14";
  doc.Storms().AddNew()->SetName("Ana");
  doc.modified = true;
  const auto saved = doc.Save(Path("route.rtp"));
  ASSERT_TRUE(saved.route);
  EXPECT_TRUE(saved.failedDataFiles.empty());
  EXPECT_FALSE(doc.modified);
  EXPECT_EQ(ReadFileBytes(Path("hurricane.dat"))->size() > 4, true);

  doc.New();
  EXPECT_EQ(doc.Voyage().GetCount(), 0);
  EXPECT_EQ(doc.Storms().GetCount(), 1);  // the data-file lists live on
  ASSERT_TRUE(doc.Open(Path("route.rtp")));
  EXPECT_TRUE(doc.openedFromFile);
  ASSERT_EQ(doc.Voyage().GetCount(), 2);
  EXPECT_EQ(doc.Voyage().GetTail()->GetName(), "Sandettie");
  EXPECT_EQ(doc.Voyage().voyageNumber, "V 042");
  EXPECT_EQ(doc.Voyage().notes, "Pilot on VHF 14");
}

TEST_F(Document, TheWrongFileTypeFailsCleanlyAndKeepsTheDocument) {
  WriteDataFiles();
  CMarigoldRouteDoc doc(store, prompter, clock);
  doc.Voyage().AddNew()->SetName("Kept");
  ASSERT_TRUE(WriteFileAtomic(Path("old.rtp"), Hex("03 563132 01000000 00000000 00000000 00000000")));
  EXPECT_FALSE(doc.Open(Path("old.rtp")));
  ASSERT_EQ(doc.Voyage().GetCount(), 1);
  EXPECT_EQ(doc.Voyage().GetHead()->GetName(), "Kept");
  ASSERT_FALSE(prompter.messages.empty());
  const CScriptedPrompter::CShown& shown = prompter.messages.back();
  EXPECT_EQ(shown.icon, EMessageIcon::Stop);
  EXPECT_NE(shown.text.find(Path("old.rtp")), std::string::npos);
  EXPECT_NE(shown.text.find("Version 2.9 or older"), std::string::npos);

  // Chosen as the old type it opens.
  doc.askFileVersion = true;
  prompter.choices = {0};
  ASSERT_TRUE(doc.Open(Path("old.rtp")));
  EXPECT_EQ(doc.Voyage().voyageNumber, "V12");
  EXPECT_EQ(prompter.choicePrompts.back(), "Please select file type:");
}

TEST_F(Document, ItemFilesGoIntoTheListOfTheirKind) {
  WriteDataFiles();
  CMarigoldRouteDoc doc(store, prompter, clock);
  doc.ExportItem(nullptr);
  EXPECT_EQ(prompter.messages.back().text, "No item selected for export");

  CHurricane* storm = doc.Storms().AddNew();
  storm->SetName("Ana");
  doc.selectedList = EListKind::Storms;
  prompter.files = {Path("ana.dat")};
  doc.ExportItem(storm);
  EXPECT_EQ(prompter.messages.back().text, "Export succesfull");
  EXPECT_EQ(prompter.fileChoices.back().defaultName, "Ana");

  doc.selectedList = EListKind::Schedule;
  prompter.files = {Path("ana.dat")};
  doc.ImportItem(storm);
  EXPECT_EQ(prompter.messages.back().text, "Import succesfull");
  EXPECT_EQ(doc.selectedList, EListKind::Storms);
  ASSERT_EQ(doc.Storms().GetCount(), 2);
  EXPECT_EQ(doc.Storms().GetTail()->GetName(), "Ana");
  EXPECT_TRUE(doc.modified);

  ASSERT_TRUE(WriteFileAtomic(Path("bad.dat"), Hex("0B000000")));
  prompter.files = {Path("bad.dat")};
  doc.ImportItem(nullptr);
  EXPECT_EQ(prompter.messages.back().text, "Import failed");
  EXPECT_EQ(doc.Storms().GetCount(), 2);
}

TEST_F(Document, SelectedListCounts) {
  WriteDataFiles();
  CMarigoldRouteDoc doc(store, prompter, clock);
  doc.Voyage().AddNew();
  doc.Voyage().AddNew();
  doc.Publications().AddNew();
  doc.selectedList = EListKind::Schedule;
  EXPECT_EQ(doc.SelectedListCount(), 0);
  doc.selectedList = EListKind::Meteo;
  EXPECT_EQ(doc.SelectedListCount(), 2);
  doc.selectedList = EListKind::Books;
  EXPECT_EQ(doc.SelectedListCount(), 1);
  doc.selectedList = EListKind::PositionFixes;
  EXPECT_EQ(doc.SelectedListCount(), 1);
}

}  // namespace
}  // namespace marigold
