// vessel.dat: the record's fields in file order against bytes written out by hand; loading and saving it
// through the settings (locating a missing file once, keeping a damaged one aside, writing nothing half-way).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "vessel/Vessel2.h"

namespace marigold {
namespace {

// After steeredCourse and windageTiers: depth 24.15, length 247, breadth
// 32.26, logSpeed 21, drafts 12.75 / 12.85, air 0.03, hull 0.3, timeAtFa 30,
// timeFaToStop 15, distanceFaToStop 3, 2 min per rpm, fuel 150, reservedB
// 65880, voyage displacement 73272, diameter 8, pitch 7.9, FA 63, MCR 106,
// then the name.
const std::string kAfterTiers =
    "6666666666263840 0000000000E06E40 E17A14AE47214040 "
    "0000000000003540 0000000000802940 3333333333B32940 B81E85EB51B89E3F 333333333333D33F "
    "1E000000 0F000000 03000000 0000000000000040 0000000000C06240 000000008015F040 "
    "0000000080E3F140 0000000000002040 9A99999999991F40 3F000000 6A000000 ";
const std::string kUpToName = "0000000000000000 03000000 " + kAfterTiers;  // course 0, three tiers
const std::string kName = "0E 6D76204D61726C696E7370696B65 ";  // "mv Marlinspike"
// mast 60, eye 45, engine 63, max draft 14, max displacement 80950,
// hydro displacement 73272, hydro draft 8, ETM 200.
const std::string kAfterName =
    "0000000000004E40 0000000000804640 0000000000804F40 0000000000002C40 0000000060C3F340 "
    "0000000080E3F140 0000000000002040 0000000000006940 ";
// LCB 1, LCF 1, MK 10, wet surface 1000.
const std::string kDefaultTail = "000000000000F03F 000000000000F03F 0000000000002440 0000000000408F40 ";

const std::string kUpToTable = kUpToName + kName + kAfterName;
const std::string kDefaultRecord = kUpToTable + kDefaultTail + "00000000";

// Table entries: draft, displacement, MK, LCB, LCF, ETM, wet surface.
const std::string kFirstEntry =
    "0000000000002040 00000000004CED40 0000000000002340 000000000000F43F 00000000000004C0 "
    "0000000000806640 000000000094C140 ";
const std::string kSecondEntry =
    "0000000000002440 00000000804FF240 0000000000002540 000000000000E03F 00000000000008C0 "
    "0000000000406A40 000000000088C340 ";
// LCB 1.5, LCF -0.5, MK 9.75, wet surface 1000, then two entries.
const std::string kTableRecord = kUpToTable +
                                 "000000000000F83F 000000000000E0BF 0000000000802340 0000000000408F40 02000000 " +
                                 kFirstEntry + kSecondEntry;

const CHydrostaticEntry kFirst{8.0, 60000.0, 9.5, 1.25, -2.5, 180.0, 9000.0};
const CHydrostaticEntry kSecond{10.0, 75000.0, 10.5, 0.5, -3.0, 210.0, 10000.0};

TEST(VesselArchive, DefaultRecordMatchesHandWrittenBytes) {
  const CBytes expected = Hex(kDefaultRecord);
  ASSERT_EQ(expected.size(), 244u + 15u);
  EXPECT_EQ(Store(CVessel2{}), expected);

  CVessel2 v;
  v.name = "other";
  v.steeredCourse = 123;
  v.mcrRpm = 1;
  v.hydroWetSurface = 1;
  v.AddHydroEntry(kFirst);
  Load(v, expected);
  EXPECT_EQ(std::tie(v.name, v.steeredCourse, v.mcrRpm, v.hydroWetSurface),
            std::make_tuple("mv Marlinspike", 0.0, 106, 1000.0));
  EXPECT_EQ(v.GetHydroCount(), 0);  // reading empties the table first
}

TEST(VesselArchive, HydrostaticTableReadsInFileOrderAndWritesBack) {
  const CBytes bytes = Hex(kTableRecord);
  ASSERT_EQ(bytes.size(), 244u + 15u + 2u * 56u);
  CVessel2 v;
  Load(v, bytes);
  EXPECT_EQ(std::tie(v.hydroLCB, v.hydroLCF, v.hydroMK), std::make_tuple(1.5, -0.5, 9.75));
  EXPECT_EQ(v.HydroTable(), (std::vector<CHydrostaticEntry>{kFirst, kSecond}));
  v.callSign = "PDXY";  // kept in the settings, not in the file
  EXPECT_EQ(Store(v), bytes);
}

TEST(VesselArchive, NegativeTableCountReadsNoEntries) {
  CVessel2 v;
  v.AddHydroEntry(kFirst);
  Load(v, Hex(kUpToTable + kDefaultTail + "FFFFFFFF"));
  EXPECT_EQ(v.GetHydroCount(), 0);
}

TEST(VesselArchive, DamagedBytesThrowAndLeaveTheRecordAsItWas) {
  const CBytes good = Hex(kTableRecord);
  const CBytes damaged[] = {CBytes(good.begin(), good.end() - 1), CBytes(good.begin(), good.begin() + 100),
                            Hex(kUpToTable + kDefaultTail + "03000000" + kFirstEntry + kFirstEntry),  // count too high
                            Hex(kUpToTable + kDefaultTail + "FFFFFF7F"), CBytes{}};
  for (const CBytes& bytes : damaged) {
    CVessel2 v;
    v.name = "Keep";
    v.lengthPP = 180.0;
    v.AddHydroEntry(kSecond);
    ExpectLoadFails(v, bytes);
    EXPECT_EQ(std::tie(v.name, v.lengthPP), std::make_tuple("Keep", 180.0));
    EXPECT_EQ(v.HydroTable(), std::vector<CHydrostaticEntry>{kSecond});
  }
}

namespace fs = std::filesystem;

constexpr const char* kUnable = "Unable to load vessel data\nPlease locate data file";
constexpr const char* kCorrupt = "Failed to open file\ndata might be corrupt\nCreating new empty datafile";

// A record that differs from the defaults in its first two fields: course
// 90, four tiers.
CVessel2 Changed() {
  CVessel2 v;
  v.steeredCourse = 90.0;
  v.windageTiers = 4;
  return v;
}
const CBytes kRecord =
    Hex("0000000000805640 04000000 " + kAfterTiers + kName + kAfterName + kDefaultTail + "00000000");

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
  EXPECT_EQ(MessageIcons(prompter_), std::vector<EMessageIcon>{EMessageIcon::Exclamation});
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
  EXPECT_EQ(MessageIcons(prompter_), std::vector<EMessageIcon>(2, EMessageIcon::Exclamation));
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
