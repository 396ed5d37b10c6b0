// Loading and saving vessel.dat through the settings: locating a missing
// file once, keeping a damaged one aside, writing nothing half-way.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "vessel/Vessel2.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUnable = "Unable to load vessel data\nPlease locate data file";
constexpr const char* kCorrupt = "Failed to open file\ndata might be corrupt\nCreating new empty datafile";

// A record that differs from the defaults in its first two fields; its
// bytes are pinned by the archive tests.
CVessel2 Changed() {
  CVessel2 v;
  v.steeredCourse = 90.0;
  v.windageTiers = 4;
  return v;
}
const CBytes kRecord = Store(Changed());

class VesselLoad : public ::testing::Test {
 protected:
  std::string PathOf(std::string_view name) const { return folder_.File(name); }
  std::string Setting() const { return store_.GetString("Path", "vesseldata", "(none)"); }
  // Points the settings at a file of these bytes.
  void UseFile(std::string_view name, const CBytes& bytes) {
    PutFile(PathOf(name), bytes);
    store_.WriteString("Path", "vesseldata", PathOf(name));
  }

  CTempFolder folder_{"vessel"};
  CMemorySettingsStore store_;
  CScriptedPrompter prompter_;
};

TEST_F(VesselLoad, PresentFileLoadsQuietlyWithTheIdentityFromTheSettings) {
  UseFile("ship.dat", kRecord);
  store_.WriteString("Vessel", "CallSign", "PDXY");
  store_.WriteString("Vessel", "IMONumber", "9123456");
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_));
  EXPECT_TRUE(prompter_.messages.empty());
  EXPECT_TRUE(prompter_.fileChoices.empty());
  EXPECT_EQ(std::tie(v.steeredCourse, v.windageTiers, v.callSign, v.imoNumber),
            std::make_tuple(90.0, 4, "PDXY", "9123456"));
}

TEST_F(VesselLoad, MissingFileIsLocatedOnceAndThePathKept) {
  PutFile(PathOf("found.dat"), kRecord);
  store_.WriteString("Path", "vesseldata", PathOf("gone.dat"));
  prompter_.files = {PathOf("found.dat")};
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_));
  EXPECT_EQ(v.steeredCourse, 90.0);
  EXPECT_EQ(Setting(), PathOf("found.dat"));
  EXPECT_EQ(MessageTexts(prompter_), std::vector<std::string>{kUnable});
  EXPECT_EQ(prompter_.messages.at(0).icon, EMessageIcon::Exclamation);
  ASSERT_EQ(prompter_.fileChoices.size(), 1u);
  const CFileChoice& choice = prompter_.fileChoices[0];
  EXPECT_EQ(std::tie(choice.defaultName, choice.defaultExtension, choice.filter),
            std::make_tuple("vessel", "dat", "Data File (*.dat)|*.dat|All Files (*.*)|*.*||"));
}

TEST_F(VesselLoad, CancelledLocateStoresAnEmptyPathAndKeepsTheDefaults) {
  store_.WriteString("Path", "vesseldata", PathOf("gone.dat"));
  prompter_.files = {std::nullopt};
  CVessel2 v;
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(Setting(), "");
  EXPECT_EQ(MessageTexts(prompter_), (std::vector<std::string>{kUnable, kCorrupt}));
  EXPECT_EQ(prompter_.messages.at(1).icon, EMessageIcon::Exclamation);
  EXPECT_EQ(std::tie(v.name, v.steeredCourse), std::make_tuple("mv Marlinspike", 0.0));

  // Until a path is set again, saving fails and creates nothing.
  EXPECT_FALSE(v.Save(store_).ok);
  EXPECT_TRUE(fs::is_empty(folder_.Path()));

  // The empty path is missing too: the next load asks again.
  prompter_.files = {PathOf("gone.dat")};
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(prompter_.fileChoices.size(), 2u);
}

TEST_F(VesselLoad, DamagedFilesAreMovedAsideWithoutOverwritingEachOther) {
  const std::string path = PathOf("vessel.dat");
  const CBytes shortRecord(kRecord.begin(), kRecord.begin() + 200);
  CBytes wrongCount = kRecord;
  wrongCount[wrongCount.size() - 4] = 0x01;  // one table entry that is not there

  UseFile("vessel.dat", shortRecord);
  CVessel2 v;
  v.name = "Keep";
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(MessageTexts(prompter_), std::vector<std::string>{kCorrupt});
  EXPECT_TRUE(prompter_.fileChoices.empty());
  EXPECT_EQ(std::tie(v.name, v.steeredCourse), std::make_tuple("Keep", 0.0));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(FileBytes(path + ".damaged"), shortRecord);

  PutFile(path, wrongCount);
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(v.windageTiers, 3);
  EXPECT_EQ(FileBytes(path + ".damaged"), shortRecord);
  EXPECT_EQ(FileBytes(path + ".damaged2"), wrongCount);

  // The next save writes a fresh file in its place.
  EXPECT_TRUE(v.Save(store_).ok);
  CVessel2 back;
  EXPECT_TRUE(back.Load(store_, prompter_));
  EXPECT_EQ(back.name, "Keep");
}

TEST_F(VesselLoad, SaveWritesIdentityAndTheRecord) {
  store_.WriteString("Path", "vesseldata", PathOf("vessel.dat"));
  CVessel2 v = Changed();
  v.callSign = "PDXY";
  v.imoNumber = "9123456";
  const CFileResult result = v.Save(store_);
  EXPECT_TRUE(result.ok) << result.error;
  EXPECT_EQ(FileBytes(PathOf("vessel.dat")), kRecord);
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
  EXPECT_TRUE(fs::is_empty(folder_.Path()));
}

TEST_F(VesselLoad, PathWithoutAFolderIsTheCurrentFolder) {
  const fs::path before = fs::current_path();
  fs::current_path(folder_.Path());
  const bool saved = Changed().Save(store_).ok;  // the default "vessel.dat"
  CVessel2 back;
  const bool loaded = back.Load(store_, prompter_);
  fs::current_path(before);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(FileBytes(PathOf("vessel.dat")), kRecord);
  EXPECT_EQ(back.windageTiers, 4);
  EXPECT_FALSE(store_.Has("Path", "vesseldata"));
}

}  // namespace
}  // namespace marigold
