// The document: its data files at construction and at the end, route
// documents of both file types, and item files.
#include <gtest/gtest.h>

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
  // Per file: where is it, the locate dialog cancelled, then the document's own word.
  ASSERT_EQ(prompter.messages.size(), 18u);
  const std::vector<std::string> said = MessageTexts(prompter);
  EXPECT_EQ(said[0] + "|" + said[1],
            "Unable to load vessel data\nPlease locate data file|"
            "Failed to open file\ndata might be corrupt\nCreating new empty datafile");
  EXPECT_EQ(Said(prompter)[2], "Failed to load vessel data");  // without an icon
  EXPECT_EQ(said[11] + "|" + said[17], "Failed to load navwarnings|Failed to load hurricane data");
  EXPECT_EQ(store.GetString("Path", "Routedat", "?"), "");
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
