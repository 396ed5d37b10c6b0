// Loading and saving a list data file: the messages of each kind of file,
// the empty list, and a count that cannot be right.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/DataFile.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

class DataFile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "marigold-datafile-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    history_.AddNew()->SetName("Keep");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  static void Put(const std::string& path, const CBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
  }
  static CBytes Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  bool LoadHistory() {
    return LoadDataFile(EDataFile::History, store_, prompter_, [this](CArchive& ar) { history_.Serialize(ar); });
  }

  fs::path dir_;
  CMemorySettingsStore store_;
  CScriptedPrompter prompter_;
  CRecordList<CFixRecord> history_;
};

TEST_F(DataFile, CountZeroLoadsAnEmptyListAndAnEmptyListSavesAsOneWord) {
  Put(PathOf("voyage.dat"), Hex("00000000"));
  store_.WriteString("Path", "Routedat", PathOf("voyage.dat"));
  EXPECT_TRUE(LoadHistory());
  EXPECT_TRUE(history_.IsEmpty());
  EXPECT_TRUE(prompter_.messages.empty());

  store_.WriteString("Path", "Routedat", PathOf("saved.dat"));
  EXPECT_TRUE(SaveDataFile(EDataFile::History, store_, [this](CArchive& ar) { history_.Serialize(ar); }).ok);
  EXPECT_EQ(Contents(PathOf("saved.dat")), Hex("00000000"));
}

TEST_F(DataFile, ACountTheFileCannotHoldLeavesTheListAndKeepsTheFile) {
  const CBytes bytes = Hex("02000000 0000000000002E40 0000000000804640");
  Put(PathOf("voyage.dat"), bytes);
  store_.WriteString("Path", "Routedat", PathOf("voyage.dat"));
  EXPECT_FALSE(LoadHistory());
  ASSERT_EQ(history_.GetCount(), 1);
  EXPECT_EQ(history_.GetHead()->GetName(), "Keep");
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, kCorruptDataFile);
  EXPECT_EQ(Contents(PathOf("voyage.dat.damaged")), bytes);
  EXPECT_FALSE(fs::exists(PathOf("voyage.dat")));
}

TEST_F(DataFile, EachKindOfFileHasItsOwnMessageAndProposedName) {
  CRecordList<CFixRecord> warnings;
  store_.WriteString("Path", "Warningdat", PathOf("gone.dat"));
  EXPECT_FALSE(
      LoadDataFile(EDataFile::Warnings, store_, prompter_, [&warnings](CArchive& ar) { warnings.Serialize(ar); }));
  ASSERT_EQ(prompter_.messages.size(), 2u);
  EXPECT_EQ(prompter_.messages[0].text, "Unable to load nav warning data\nPlease locate data file");
  EXPECT_EQ(prompter_.messages[1].text, kCorruptDataFile);
  ASSERT_EQ(prompter_.fileChoices.size(), 1u);
  EXPECT_EQ(prompter_.fileChoices[0].defaultName, "warning");
  EXPECT_EQ(store_.GetString("Path", "Warningdat", "(none)"), "");
  EXPECT_FALSE(store_.Has("Path", "Routedat"));
}

}  // namespace
}  // namespace marigold
