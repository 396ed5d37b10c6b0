// Loading and saving a list data file: the messages of each kind of file,
// the empty list, and a count that cannot be right.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/DataFile.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

class DataFile : public ::testing::Test {
 protected:
  void SetUp() override { history_.AddNew()->SetName("Keep"); }

  std::string PathOf(std::string_view name) const { return folder_.File(name); }
  // Loads the fix history from a file of these bytes.
  bool LoadHistory(const CBytes& bytes) {
    PutFile(PathOf("voyage.dat"), bytes);
    store_.WriteString("Path", "Routedat", PathOf("voyage.dat"));
    return LoadDataFile(EDataFile::History, store_, prompter_, [this](CArchive& ar) { history_.Serialize(ar); });
  }

  CTempFolder folder_{"datafile"};
  CMemorySettingsStore store_;
  CScriptedPrompter prompter_;
  CRecordList<CFixRecord> history_;
};

TEST_F(DataFile, CountZeroLoadsAnEmptyListAndAnEmptyListSavesAsOneWord) {
  EXPECT_TRUE(LoadHistory(Hex("00000000")));
  EXPECT_TRUE(history_.IsEmpty());
  EXPECT_TRUE(prompter_.messages.empty());

  store_.WriteString("Path", "Routedat", PathOf("saved.dat"));
  EXPECT_TRUE(SaveDataFile(EDataFile::History, store_, [this](CArchive& ar) { history_.Serialize(ar); }).ok);
  EXPECT_EQ(FileBytes(PathOf("saved.dat")), Hex("00000000"));
}

TEST_F(DataFile, ACountTheFileCannotHoldLeavesTheListAndKeepsTheFile) {
  const CBytes bytes = Hex("02000000 0000000000002E40 0000000000804640");
  EXPECT_FALSE(LoadHistory(bytes));
  ASSERT_EQ(history_.GetCount(), 1);
  EXPECT_EQ(history_.GetHead()->GetName(), "Keep");
  EXPECT_EQ(MessageTexts(prompter_), std::vector<std::string>{kCorruptDataFile});
  EXPECT_EQ(FileBytes(PathOf("voyage.dat.damaged")), bytes);
  EXPECT_FALSE(std::filesystem::exists(PathOf("voyage.dat")));
}

TEST_F(DataFile, EachKindOfFileHasItsOwnMessageAndProposedName) {
  CRecordList<CFixRecord> warnings;
  store_.WriteString("Path", "Warningdat", PathOf("gone.dat"));
  EXPECT_FALSE(
      LoadDataFile(EDataFile::Warnings, store_, prompter_, [&warnings](CArchive& ar) { warnings.Serialize(ar); }));
  EXPECT_EQ(MessageTexts(prompter_),
            (std::vector<std::string>{"Unable to load nav warning data\nPlease locate data file", kCorruptDataFile}));
  ASSERT_EQ(prompter_.fileChoices.size(), 1u);
  EXPECT_EQ(prompter_.fileChoices[0].defaultName, "warning");
  EXPECT_EQ(store_.GetString("Path", "Warningdat", "(none)"), "");
  EXPECT_FALSE(store_.Has("Path", "Routedat"));
}

}  // namespace
}  // namespace marigold
