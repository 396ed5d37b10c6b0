// Loading and saving vessel.dat through the settings: locating a missing
// file once, keeping a damaged one aside, writing nothing half-way.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "fakes/Fakes.h"
#include "vessel/Vessel2.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUnable = "Unable to load vessel data\nPlease locate data file";
constexpr const char* kCorrupt = "Failed to open file\ndata might be corrupt\nCreating new empty datafile";

// A record that differs from the defaults in its first two fields; its
// bytes are pinned by the archive tests.
CBytes Record() {
  CVessel2 v;
  v.steeredCourse = 90.0;
  v.windageTiers = 4;
  CArchive ar = CArchive::ForStoring();
  v.Serialize(ar);
  return ar.TakeBytes();
}
const CBytes kRecord = Record();

class VesselLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "marigold-vessel-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }
  std::string Setting() const { return store_.GetString("Path", "vesseldata", "(none)"); }

  static void Put(const std::string& path, const CBytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
  }
  static CBytes Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
  CMemorySettingsStore store_;
  CScriptedPrompter prompter_;
};

TEST_F(VesselLoad, PresentFileLoadsQuietlyWithTheIdentityFromTheSettings) {
  Put(PathOf("ship.dat"), kRecord);
  store_.WriteString("Path", "vesseldata", PathOf("ship.dat"));
  store_.WriteString("Vessel", "CallSign", "PDXY");
  store_.WriteString("Vessel", "IMONumber", "9123456");
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_));
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(prompter_.fileChoices.empty());
  EXPECT_EQ(v.steeredCourse, 90.0);
  EXPECT_EQ(v.windageTiers, 4);
  EXPECT_EQ(v.callSign, "PDXY");
  EXPECT_EQ(v.imoNumber, "9123456");
}

TEST_F(VesselLoad, MissingFileIsLocatedOnceAndThePathKept) {
  Put(PathOf("found.dat"), kRecord);
  store_.WriteString("Path", "vesseldata", PathOf("gone.dat"));
  prompter_.files = {PathOf("found.dat")};
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_));
  EXPECT_EQ(v.steeredCourse, 90.0);
  EXPECT_EQ(Setting(), PathOf("found.dat"));
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, kUnable);
  EXPECT_EQ(prompter_.messages[0].icon, EMessageIcon::Exclamation);
  ASSERT_EQ(prompter_.fileChoices.size(), 1u);
  EXPECT_EQ(prompter_.fileChoices[0].defaultName, "vessel");
  EXPECT_EQ(prompter_.fileChoices[0].defaultExtension, "dat");
  EXPECT_EQ(prompter_.fileChoices[0].filter, "Data File (*.dat)|*.dat|All Files (*.*)|*.*||");
}

TEST_F(VesselLoad, CancelledLocateStoresAnEmptyPathAndKeepsTheDefaults) {
  store_.WriteString("Path", "vesseldata", PathOf("gone.dat"));
  prompter_.files = {std::nullopt};
  CVessel2 v;
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(Setting(), "");
  ASSERT_EQ(prompter_.messages.size(), 2u);
  EXPECT_EQ(prompter_.messages[0].text, kUnable);
  EXPECT_EQ(prompter_.messages[1].text, kCorrupt);
  EXPECT_EQ(prompter_.messages[1].icon, EMessageIcon::Exclamation);
  EXPECT_EQ(v.name, "mv Marlinspike");
  EXPECT_EQ(v.steeredCourse, 0.0);

  // Until a path is set again, saving fails and creates nothing.
  EXPECT_FALSE(v.Save(store_).ok);
  EXPECT_TRUE(fs::is_empty(dir_));

  // The empty path is missing too: the next load asks again.
  prompter_.files = {PathOf("gone.dat")};
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(prompter_.fileChoices.size(), 2u);
}

TEST_F(VesselLoad, DamagedFilesAreMovedAsideWithoutOverwritingEachOther) {
  const std::string path = PathOf("vessel.dat");
  store_.WriteString("Path", "vesseldata", path);
  const CBytes shortRecord(kRecord.begin(), kRecord.begin() + 200);
  const CBytes wrongCount = [] {
    CBytes b = kRecord;
    b[b.size() - 4] = 0x01;  // one table entry that is not there
    return b;
  }();

  Put(path, shortRecord);
  CVessel2 v;
  v.name = "Keep";
  EXPECT_FALSE(v.Load(store_, prompter_));
  ASSERT_EQ(prompter_.messages.size(), 1u);
  EXPECT_EQ(prompter_.messages[0].text, kCorrupt);
  EXPECT_TRUE(prompter_.fileChoices.empty());
  EXPECT_EQ(v.name, "Keep");
  EXPECT_EQ(v.steeredCourse, 0.0);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(Contents(path + ".damaged"), shortRecord);

  Put(path, wrongCount);
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(v.windageTiers, 3);
  EXPECT_EQ(Contents(path + ".damaged"), shortRecord);
  EXPECT_EQ(Contents(path + ".damaged2"), wrongCount);

  // The next save writes a fresh file in its place.
  EXPECT_TRUE(v.Save(store_).ok);
  CVessel2 back;
  EXPECT_TRUE(back.Load(store_, prompter_));
  EXPECT_EQ(back.name, "Keep");
}

TEST_F(VesselLoad, SaveWritesIdentityAndTheRecord) {
  store_.WriteString("Path", "vesseldata", PathOf("vessel.dat"));
  CVessel2 v;
  v.steeredCourse = 90.0;
  v.windageTiers = 4;
  v.callSign = "PDXY";
  v.imoNumber = "9123456";
  const CFileResult result = v.Save(store_);
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_EQ(Contents(PathOf("vessel.dat")), kRecord);
  EXPECT_EQ(store_.GetString("Vessel", "CallSign", ""), "PDXY");
  EXPECT_EQ(store_.GetString("Vessel", "IMONumber", ""), "9123456");
}

TEST_F(VesselLoad, SaveToAPlaceThatTakesNoFileFailsAndLeavesNothing) {
  CVessel2 v;
  store_.WriteString("Path", "vesseldata", PathOf("no-such-folder/vessel.dat"));
  const CFileResult missingFolder = v.Save(store_);
  EXPECT_FALSE(missingFolder.ok);
  EXPECT_FALSE(missingFolder.error.empty());
  store_.WriteString("Path", "vesseldata", "/proc/vessel.dat");
  EXPECT_FALSE(v.Save(store_).ok);
  EXPECT_FALSE(fs::exists("/proc/vessel.dat"));
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(VesselLoad, PathWithoutAFolderIsTheCurrentFolder) {
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  CVessel2 v;
  v.steeredCourse = 90.0;
  v.windageTiers = 4;
  const bool saved = v.Save(store_).ok;  // the default "vessel.dat"
  CVessel2 back;
  const bool loaded = back.Load(store_, prompter_);
  fs::current_path(before);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(Contents(PathOf("vessel.dat")), kRecord);
  EXPECT_EQ(back.windageTiers, 4);
  EXPECT_FALSE(store_.Has("Path", "vesseldata"));
}

}  // namespace
}  // namespace marigold
