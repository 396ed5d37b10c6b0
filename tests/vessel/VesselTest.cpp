// The ship. vessel.dat: the record's fields in file order against bytes written out by hand; loading and
// saving it through the settings (locating a missing file once, keeping a damaged one aside, writing nothing
// half-way). The default ship (247 m × 32.26 m, drafts 12.75 / 12.85 m, 7.9 m pitch, 63 / 106 rpm): its
// geometry, hydrostatic table and performance model, and the tools and sheets that work on it.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "vessel/PerformanceSheet.h"
#include "vessel/SlipCalibration.h"
#include "vessel/SpeedFuelTool.h"
#include "vessel/SquatTool.h"
#include "vessel/Vessel2.h"
#include "vessel/WheelOverTool.h"

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
const std::string kName = "0E 6D76204D61726C696E7370696B65 ";              // "mv Marlinspike"
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
const CBytes kRecord = Hex("0000000000805640 04000000 " + kAfterTiers + kName + kAfterName + kDefaultTail + "00000000");

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
  EXPECT_TRUE(prompter_.messages.empty() && prompter_.fileChoices.empty());
  EXPECT_EQ(std::tie(v.steeredCourse, v.windageTiers, v.callSign, v.imoNumber),
            std::make_tuple(90.0, 4, "PDXY", "9123456"));
}

TEST_F(VesselLoad, MissingFileIsLocatedOnceAndThePathKept) {
  PutFile(PathOf("found.dat"), kRecord);
  store_.WriteString("Path", "vesseldata", PathOf("gone.dat"));
  prompter_.files = {PathOf("found.dat")};
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_));
  EXPECT_EQ(std::pair(v.steeredCourse, Setting()), std::pair(90.0, PathOf("found.dat")));
  EXPECT_EQ(MessageTexts(prompter_), std::vector<std::string>{kUnable});
  EXPECT_EQ(MessageIcons(prompter_), std::vector<EMessageIcon>{EMessageIcon::Exclamation});
  ASSERT_EQ(prompter_.fileChoices.size(), 1u);
  const CFileChoice& choice = prompter_.fileChoices[0];
  EXPECT_EQ(std::tie(choice.defaultName, choice.defaultExtension, choice.filter),
            std::make_tuple("vessel", "dat", "Data File (*.dat)|*.dat|All Files (*.*)|*.*||"));
}

TEST_F(VesselLoad, CancelledLocateKeepsThePathAndTheDefaultsAndTheNextSaveWritesThere) {
  store_.WriteString("Path", "vesseldata", PathOf("gone.dat"));
  prompter_.files = {std::nullopt};
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_));
  EXPECT_EQ(Setting(), PathOf("gone.dat"));
  // No word of corrupt data: the officer chose not to look for the file.
  EXPECT_EQ(MessageTexts(prompter_), std::vector<std::string>{kUnable});
  EXPECT_EQ(std::tie(v.name, v.steeredCourse), std::make_tuple("mv Marlinspike", 0.0));

  EXPECT_TRUE(v.Save(store_).ok);
  EXPECT_TRUE(fs::exists(PathOf("gone.dat")));
}

TEST_F(VesselLoad, AFileNotMadeYetStartsEmptyWithoutAQuestionOnlyWhenAsked) {
  store_.WriteString("Path", "vesseldata", PathOf("new.dat"));
  CVessel2 v;
  EXPECT_TRUE(v.Load(store_, prompter_, nullptr, EMissingFile::StartEmpty));
  EXPECT_TRUE(prompter_.messages.empty() && prompter_.fileChoices.empty());
  // A damaged file is still reported, first start or not.
  UseFile("bad.dat", Hex("0000"));
  EXPECT_FALSE(v.Load(store_, prompter_, nullptr, EMissingFile::StartEmpty));
  EXPECT_EQ(
      MessageTexts(prompter_),
      (std::vector<std::string>{PathOf("bad.dat") + " is damaged: unexpected end of file at byte 0\nIt was moved to " +
                                    PathOf("bad.dat") + ".damaged",
                                kCorrupt}));
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
  // The message names the file and where it went.
  EXPECT_EQ(
      MessageTexts(prompter_),
      (std::vector<std::string>{
          path + " is damaged: unexpected end of file at byte 199\nIt was moved to " + path + ".damaged", kCorrupt}));
  EXPECT_TRUE(prompter_.fileChoices.empty());
  EXPECT_EQ(std::tie(v.name, v.steeredCourse), std::make_tuple("Keep", 0.0));
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(FileBytes(path + ".damaged"), shortRecord);

  PutFile(path, wrongCount);
  EXPECT_FALSE(v.Load(store_, prompter_));
  EXPECT_EQ(v.windageTiers, 3);
  EXPECT_EQ(std::pair(FileBytes(path + ".damaged"), FileBytes(path + ".damaged2")), std::pair(shortRecord, wrongCount));

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
  EXPECT_EQ(std::pair(store_.GetString("Vessel", "CallSign", ""), store_.GetString("Vessel", "IMONumber", "")),
            std::pair(std::string("PDXY"), std::string("9123456")));
}

TEST_F(VesselLoad, SaveToAPlaceThatTakesNoFileFailsAndLeavesNothing) {
  CVessel2 v;
  store_.WriteString("Path", "vesseldata", PathOf("no-such-folder/vessel.dat"));
  const CFileResult missingFolder = v.Save(store_);
  EXPECT_EQ(std::pair(missingFolder.ok, missingFolder.error.empty()), std::pair(false, false));
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
  EXPECT_EQ(std::pair(saved, loaded), std::pair(true, true));
  EXPECT_EQ(FileBytes(PathOf("vessel.dat")), kRecord);
  EXPECT_EQ(back.windageTiers, 4);
  EXPECT_FALSE(store_.Has("Path", "vesseldata"));
}

constexpr double kTolerance = 1e-9;

TEST(VesselGeometry, HeightsAndWindageOfTheDefaultShip) {
  const CVessel2 v;
  ExpectNear({v.MeanDraft(), v.Freeboard(), v.EyeHeight(), v.MastHeight(), v.WindageHeight()},
             {12.8, 11.35, 32.2, 47.2, 18.55}, kTolerance);
  EXPECT_NEAR(v.WindageArea(), 4854.85, 1e-6);
}

TEST(VesselGeometry, DisplacementIsTheStoredSetWhateverTheDrafts) {
  CVessel2 v;
  v.draftForward = 4.0;
  v.draftAft = 6.0;
  v.voyageDisplacement = 30000.0;
  EXPECT_EQ(v.Displacement(), 73272.0);
  v.hydroDisplacement = 50000.0;
  EXPECT_EQ(v.Displacement(), 50000.0);
}

TEST(VesselHydrostaticTable, AddGetUpdateAndRemoveOnYesOnly) {
  CVessel2 v;
  CScriptedPrompter prompter;
  v.AddHydroEntry(kFirst);
  v.AddHydroEntry(kSecond);
  CHydrostaticEntry got;
  ASSERT_TRUE(v.GetHydroEntry(1, got));
  EXPECT_EQ(got, kSecond);
  for (const int past : {2, -1}) EXPECT_FALSE(v.GetHydroEntry(past, got)) << past;

  CHydrostaticEntry changed = kFirst;
  changed.draft = 8.25;
  EXPECT_TRUE(v.UpdateHydroEntry(0, changed));
  EXPECT_FALSE(v.UpdateHydroEntry(2, changed));
  ASSERT_TRUE(v.GetHydroEntry(0, got));
  EXPECT_EQ(got, changed);

  // Past the end: no question at all.
  EXPECT_FALSE(v.RemoveHydroEntry(2, prompter));
  EXPECT_TRUE(prompter.questions.empty());

  prompter.answers = {false, true};
  EXPECT_FALSE(v.RemoveHydroEntry(0, prompter));
  EXPECT_EQ(v.GetHydroCount(), 2);
  EXPECT_TRUE(v.RemoveHydroEntry(0, prompter));
  ASSERT_EQ(prompter.questions.size(), 2u);
  EXPECT_EQ(prompter.questions[0], "Remove entry for  8.250000  mtr?");
  EXPECT_EQ(v.HydroTable(), std::vector<CHydrostaticEntry>{kSecond});
}

TEST(VesselPerformance, PropellerSpeedAndItsInverse) {
  const CVessel2 v;
  ExpectNear({v.TheoreticalSpeed(106), v.TheoreticalSpeed(63)}, {27.1296, 16.1242}, 1e-4);
  EXPECT_NEAR(v.RpmForTheoreticalSpeed(v.TheoreticalSpeed(63)), 63.0, kTolerance);

  EXPECT_EQ(v.SpeedThroughWater(80, 0), v.TheoreticalSpeed(80));
  EXPECT_NEAR(v.SpeedThroughWater(80, 10), v.TheoreticalSpeed(80) / 2, kTolerance);

  // The hull resistance factor scales the wanted speed: 8 knots at 0.3 is
  // the theoretical speed of 26.67 knots.
  EXPECT_NEAR(v.RpmForSpeed(8.0, 0), 104.1913, 1e-4);
  EXPECT_NEAR(v.RpmForSpeed(8.0, 10), 2 * v.RpmForSpeed(8.0, 0), kTolerance);
  EXPECT_NEAR(v.RevolutionsForDistance(v.TheoreticalSpeed(60), 0), 3600.0, 1e-6);
}

TEST(VesselPerformance, FuelFollowsTheCubeOfTheRpm) {
  const CVessel2 v;
  ExpectNear({v.FuelConsumption(106, 24.0), v.FuelConsumption(53, 24.0), v.FuelConsumption(106, 12.0)},
             {150.0, 150.0 / 8, 75.0}, kTolerance);
  // 150 mT a day over 24 h at 27.13 knots, with a knot of current astern.
  EXPECT_NEAR(v.FuelPerMile(106, 0, 1.0), 150.0 / 24 * 1000 / (v.TheoreticalSpeed(106) + 1.0), 1e-6);
}

TEST(VesselPerformance, StoppingFigures) {
  const CVessel2 v;
  EXPECT_EQ(std::pair(v.StopTime(63), v.StopTime(106)), std::pair(45.0, 131.0));
  ExpectNear({v.StopDistance(63, 0), v.StopDistance(106, 0), v.StopDistanceOverGround(63, 0, 2.0)},
             {11.0621, 42.0606, 11.0621 + 1.5}, 1e-4);
}

TEST(VesselPerformance, CalibrationSetsTheHullFactorOnlyFromAPositiveLogSpeed) {
  // Speed and log speed in turn, whether taken, and the factor after.
  const std::tuple<double, double, bool, double> calibrations[] = {
      {14.2, 14.2, true, 1.0},   {16.0, 12.0, true, 0.75},          {14.0, 0.0, false, 0.75},
      {14.0, -3.0, false, 0.75}, {14.0, std::nan(""), false, 0.75}, {0.0, 12.0, false, 0.75}};
  CVessel2 v;
  for (const auto& [speed, log, taken, factor] : calibrations) {
    EXPECT_EQ(v.Calibrate(speed, log), taken) << speed << " / " << log;
    EXPECT_EQ(v.hullResistanceFactor, factor);
  }
}

TEST(VesselPerformance, SquatSinksBothDraftsAndDoublesInShallowWater) {
  CVessel2 v;
  double aft = 0, forward = 0;
  // Squats from the vessel's drafts, leaving the running drafts in aft and forward.
  const auto squat = [&](bool ocean, double speed) {
    aft = v.draftAft, forward = v.draftForward;
    return v.Squat(ocean, speed, aft, forward);
  };
  ExpectNear({squat(true, 10.0), aft, forward}, {0.190127, 12.85 + 0.190127, 12.75 + 0.190127}, 1e-6);
  EXPECT_NEAR(squat(false, 10.0), 0.380254, 1e-6);
  EXPECT_EQ((std::pair{squat(false, 0.0), aft}), std::pair(0.0, 12.85));

  // The trim is 0 with one stored set, even when its ETM is 0.
  v.hydroETM = 0;
  EXPECT_NEAR(squat(true, 10.0), 0.190127, 1e-6);
  EXPECT_NEAR(aft - forward, 0.1, kTolerance);
}

TEST(VesselPerformance, HullTermIsTakenAtTheEngineSettingNotAtTheRpm) {
  CVessel2 v;
  const double s = v.WettedSurface(12.85, 12.75);
  EXPECT_NEAR(s, 10582.0932, 1e-4);
  // 10 × 0.3 × S / (0.5 × 1025 × 1.57 × 8²), whatever the rpm.
  EXPECT_NEAR(v.HullTerm(s, 63), 0.616480, 1e-6);
  EXPECT_NEAR(v.HullTerm(s, 106), v.HullTerm(s, 20), 1e-12);

  // r acts only through the squat of the running drafts.
  EXPECT_NEAR(v.HullResistance(0), v.HullTerm(s, 63), 1e-12);
  EXPECT_GT(v.HullResistance(106), v.HullResistance(63));
  v.engineSetting = 90;
  EXPECT_NEAR(v.HullResistance(0), v.HullTerm(s, 63), 1e-12);
  v.engineSetting = 0;
  EXPECT_TRUE(std::isnan(v.HullResistance(63)));
  EXPECT_TRUE(std::isnan(v.HullResistance()));
}

TEST(VesselPerformance, WindFromAbeamOrAftOfItCountsAsAstern) {
  const CVessel2 v;
  const double calm = v.WindResistance(63, 0, 0, 0);
  // Head wind, wind from astern, calm.
  ExpectNear({v.WindResistance(63, 0, 0, 20), v.WindResistance(63, 0, 180, 20), calm}, {0.318042, 0.000393, 0.028283},
             1e-6);
  // The degree factor is 1/57.3, so cos(90°) is not quite 0 and the side
  // the boundary falls on shows.
  for (const double delta : {90.0, -90.0, 270.0, -270.0})
    EXPECT_LT(v.WindResistance(63, 100 + delta, 100, 20), calm) << delta;
  for (const double delta : {89.9, -89.9, 270.1, -270.1})
    EXPECT_GT(v.WindResistance(63, 100 + delta, 100, 20), calm) << delta;
  EXPECT_EQ(v.WindAtReference(0, 20), v.WindResistance(63, 0, 0, 20));
}

TEST(VesselPerformance, ZeroDivisorsGiveNotANumberNeverInfinity) {
  CVessel2 pitch, diameter, mcr, hull;
  pitch.propellerPitch = 0;
  diameter.propellerDiameter = 0;
  mcr.mcrRpm = 0;
  hull.hullResistanceFactor = 0;
  const CVessel2 v;  // stopped: it burns nothing and has no figure per mile
  const double figures[] = {
      pitch.RpmForTheoreticalSpeed(12), pitch.RpmForSpeed(12, 0),    pitch.RevolutionsForDistance(100, 0),
      pitch.FuelConsumption(80, 24),    pitch.HullResistance(80),    pitch.WindResistance(80, 0, 0, 20),
      diameter.FuelConsumption(80, 24), diameter.HullResistance(80), diameter.WindResistance(80, 0, 0, 20),
      mcr.FuelPerMile(80, 0, 0),        hull.RpmForSpeed(12, 0),     v.FuelPerMile(0, 0, 0)};
  for (const double& figure : figures) EXPECT_TRUE(std::isnan(figure)) << "figure " << &figure - figures;
  EXPECT_EQ(hull.HullResistance(80), 0.0);
  EXPECT_EQ(v.FuelConsumption(0, 24), 0.0);
}

// A bar's text, position and maximum.
std::tuple<std::string, int, int> Bar(const CBarFigure& f) { return {f.text, f.position, f.maximum}; }

TEST(SpeedFuelTool, OpensOnTheDefaultVesselAt63Rpm) {
  const CSpeedFuelView v = CSpeedFuelTool(CVessel2{}).View();
  EXPECT_EQ(std::tie(v.engine.minimum, v.engine.position, v.rpm), std::make_tuple(-106, -63, " 63"));
  EXPECT_EQ(v.fuelPerDay, "31.5");  // 150 × (63/106)³
  // Maxima from MCR: 43 × 2 + 45 minutes; trunc(27.13) + 6 knots; 55.2 nM
  // with 6 knots astern; 517.1 kg/nM at index 5 against 6 knots.
  EXPECT_EQ(Bar(v.stopTime), std::make_tuple("0 : 45", 45, 131));
  EXPECT_EQ(Bar(v.groundSpeed), std::make_tuple("15.1", 15, 33));
  EXPECT_EQ(Bar(v.stopDistance), std::make_tuple("10.6", 1000, 5500));
  EXPECT_EQ(Bar(v.fuelPerMile), std::make_tuple("86.7", 8600, 51700));
}

TEST(SpeedFuelTool, LowRpmClampsTheStopTimeTextAndWarnsBelowHalfFa) {
  CSpeedFuelTool tool{CVessel2{}};
  CScriptedPrompter prompter;
  tool.OnEngineSliderReleased(-50, prompter);
  // The bar stands at (50 − 63) × 2 + 45, unclamped.
  EXPECT_EQ(std::make_tuple(tool.View().stopTime.text, tool.View().stopTime.position), std::make_tuple("0 :  0", 19));

  tool.OnEngineSliderReleased(-32, prompter);  // not below 31.5
  EXPECT_TRUE(prompter.messages.empty());
  tool.OnEngineSliderReleased(-31, prompter);
  EXPECT_EQ(MessageTexts(prompter),
            std::vector<std::string>{"Warning:\nLow rpm settings might result in inaccurate data\n on speed, fuel "
                                     "consumption, and stopping distance"});
  EXPECT_EQ(MessageIcons(prompter), std::vector<EMessageIcon>{EMessageIcon::Exclamation});
  EXPECT_EQ(tool.View().groundSpeed.text, "7.5");  // still computed
  EXPECT_EQ(tool.View().stopTime.position, 0);     // a negative time sits at the bottom

  tool.OnEngineSliderReleased(-106, prompter);
  EXPECT_EQ(tool.View().stopTime.text, "2 : 11");

  const std::string loaded = tool.View().groundSpeed.text;
  tool.OnDraftForwardChanged(10.0);  // less wetted surface, less resistance
  EXPECT_DOUBLE_EQ(tool.Vessel().draftForward, 10.0);
  EXPECT_GT(std::stod(tool.View().groundSpeed.text), std::stod(loaded));
}

// Below FA there is no reduction to make: the stopping figures are those of
// the manoeuvre from FA, 30 minutes at 15.1 knots and 3 nM, never negative.
// A ship that makes no way over the ground has no fuel figure per mile.
// Fuel at 50 rpm: 150 / 24 × (50/106)³ = 0.656 mT an hour.
TEST(SpeedFuelTool, BelowFaTheStopStartsAtFaAndNoHeadwayHasNoFuelPerMile) {
  CScriptedPrompter prompter;
  const std::tuple<int, int, const char*, const char*, const char*> cases[] = {
      // rpm, current on the head (1/100 kts), stop dist, grnd speed, fuel cons
      {-63, 0, "10.6", "15.1", "86.7"},
      {-50, 0, "10.6", "12.0", "54.6"},   // not 10.6 − 13 × 2 minutes' worth
      {-50, 100, "9.8", "11.0", "59.6"},  // 45 minutes against 1 knot
      {-20, 600, "6.1", "-1.2", "NA"},    // 4.8 knots through the water against 6
  };
  for (const auto& [rpm, current, stop, speed, fuel] : cases) {
    CSpeedFuelTool tool{CVessel2{}};
    tool.OnEngineSliderReleased(rpm, prompter);
    tool.OnCurrentSliderReleased(-current);
    const CSpeedFuelView v = tool.View();
    EXPECT_EQ(std::tie(v.stopDistance.text, v.groundSpeed.text, v.fuelPerMile.text), std::tuple(stop, speed, fuel))
        << rpm << " rpm";
    EXPECT_GE(v.stopDistance.position, 0);
  }
}

TEST(SpeedFuelTool, RadioButtonsResignCurrentAndWind) {
  CSpeedFuelTool tool{CVessel2{}};
  tool.OnCurrentSliderReleased(-200);  // 15.1 knots against 2 knots
  EXPECT_EQ(std::make_tuple(tool.View().currentRate, tool.View().groundSpeed.text), std::make_tuple("2.0", "13.1"));
  tool.OnCurrentRadio(true);
  EXPECT_EQ(std::make_tuple(tool.View().current.position, tool.View().groundSpeed.text), std::make_tuple(-200, "17.1"));

  // From astern the wind lowers the apparent wind; on the head it slows the ship.
  tool.OnWindSliderReleased(-30);
  EXPECT_EQ(tool.View().groundSpeed.text, "17.1");
  tool.OnWindRadio(false);
  EXPECT_EQ(std::make_tuple(tool.View().windSpeed, tool.View().groundSpeed.text), std::make_tuple(" 30", "16.3"));
}

TEST(SpeedFuelTool, FiguresThatCannotBeComputedShowNa) {
  CVessel2 noPitch;
  noPitch.propellerPitch = 0;
  CSpeedFuelView v = CSpeedFuelTool(noPitch).View();
  for (const CBarFigure* f : {&v.groundSpeed, &v.stopDistance})
    EXPECT_EQ(std::tie(f->text, f->position), std::make_tuple("NA", 0));
  EXPECT_EQ(Bar(v.fuelPerMile), std::make_tuple("NA", 0, 0));
  EXPECT_EQ(v.fuelPerDay, "NA");

  CSpeedFuelTool stopped{CVessel2{}};  // 0 rpm: no propeller power to divide by
  CScriptedPrompter prompter;
  stopped.OnEngineSliderReleased(0, prompter);
  EXPECT_EQ(std::make_tuple(stopped.View().groundSpeed.text, stopped.View().fuelPerDay), std::make_tuple("NA", " 0.0"));
}

TEST(SquatTool, AtRestTheDraftsAreTheDepartureDrafts) {
  CSquatTool tool{CVessel2{}};
  tool.OnDraftForwardChanged(11.0);
  tool.OnDraftAftChanged(12.0);
  const CSquatView v = tool.View();
  EXPECT_EQ(std::tie(v.speedSlider.minimum, v.ocean, v.speed), std::make_tuple(-30, true, "0.0"));
  EXPECT_EQ(Bar(v.forward), std::make_tuple("11.0", 11, 17));
  EXPECT_EQ(Bar(v.aft), std::make_tuple("12.0", 12, 17));  // trunc(14.0) + 3
  EXPECT_DOUBLE_EQ(tool.Vessel().draftForward, 11.0);
}

TEST(SquatTool, ShallowWaterDoublesTheSquat) {
  // 12.75 / 12.85 m sink 0.190 m in the ocean at 10 knots, 0.380 m in shallow water.
  CSquatTool tool{CVessel2{}};
  tool.OnSpeedSliderReleased(-10);
  const CSquatView ocean = tool.View();
  EXPECT_EQ(std::tie(ocean.speed, ocean.aft.text, ocean.forward.text), std::make_tuple("10.0", "13.0", "12.9"));
  tool.OnWaterChosen(false);
  const CSquatView v = tool.View();
  EXPECT_EQ(std::tie(v.aft.text, v.forward.text, v.forward.position), std::make_tuple("13.2", "13.1", 13));
  EXPECT_DOUBLE_EQ(v.departureDraftAft, 12.85);

  CVessel2 noBeam;
  noBeam.breadth = 0;
  EXPECT_EQ(Bar(CSquatTool(noBeam).View().aft), std::make_tuple("NA", 0, 17));
}

TEST(WheelOver, CourseChangeAcrossNorthIsTheSmallAngle) {
  const CWheelOverFigures f = ComputeWheelOver({350, 12, 10, 0, 0}, 20);
  // No current: steered courses are the ground courses, log speeds the ground speed.
  ExpectNear({f.originalSteered, f.finalSteered, f.originalLogSpeed, f.finalLogSpeed, f.courseChange, f.duration},
             {350, 10, 12, 12, 20, 1.0}, 1e-6);
  const double half = 10 * 0.017452006980802792;
  const double distance = std::tan(half) * 0.95 * 12 / 20, radius = distance * std::tan(half);
  ExpectNear({f.wheelOverDistance, f.radius, f.crossTrackError}, {distance, radius, distance / std::cos(half) - radius},
             1e-9);

  // A current setting north: steer south of east, straight against it after the turn.
  const CWheelOverFigures g = ComputeWheelOver({90, 12, 180, 0, 2}, 20);
  EXPECT_GT(g.originalSteered, 90);
  EXPECT_NEAR(g.finalLogSpeed, 14, 1e-6);
}

TEST(WheelOver, OpensAtTheNextWaypoint) {
  CVoyage voyage;
  for (int i = 0; i < 3; ++i) {
    CWaypoint* w = voyage.AddNew();
    w->SetName("WP" + std::to_string(i + 1));
    w->groundCourse = 45.0 + 80 * i;
    w->keptGroundspeed = 10.0 + i;
    w->weather.currentSet = 90.0 * i;
    w->weather.currentRate = 0.5 * i;
  }
  voyage.nextWaypointIndex = 1;
  CWheelOverTool tool(voyage);
  CWheelOverView v = tool.View();
  EXPECT_EQ(v.waypointNames, (std::vector<std::string>{"WP1", "WP2", "WP3"}));
  EXPECT_EQ(std::tie(v.selectedWaypoint, v.atWaypoint, v.rateOfTurn), std::make_tuple(1, true, "20.0"));
  ExpectNear({v.fields.originalCourse, v.fields.originalSpeed, v.fields.currentDirection, v.fields.currentSpeed,
              v.fields.intendedCourse},
             {125, 11, 90, 0.5, 205}, 1e-12);
  EXPECT_NE(v.duration, "NA");

  tool.OnWaypointSelected(2);  // the last: no leg after it
  EXPECT_DOUBLE_EQ(tool.View().fields.intendedCourse, 0);

  // Typed values survive the radio buttons and a new selection in manual mode.
  tool.OnModeChosen(false);
  tool.OnFieldsEdited({350, 12, 10, 0, 0});
  tool.OnWaypointSelected(0);
  tool.OnModeChosen(true);
  v = tool.View();
  EXPECT_EQ(std::tie(v.originalSteered, v.finalLogSpeed, v.duration),
            std::make_tuple("350.0 deg", "12.0 kts", " 1.0 min"));

  tool.OnRateSliderReleased(40);  // rate 0
  v = tool.View();
  EXPECT_EQ(v.rateOfTurn, "0.0");
  for (const std::string* s : {&v.duration, &v.wheelOverDistance, &v.radius, &v.crossTrackError}) EXPECT_EQ(*s, "NA");
  EXPECT_EQ(v.originalSteered, "350.0 deg");
}

TEST(WheelOver, FewerThanTwoWaypointsOpensManually) {
  CVoyage voyage;
  voyage.AddNew()->SetName("Only");
  const CWheelOverView v = CWheelOverTool(voyage).View();
  EXPECT_EQ(std::tie(v.atWaypoint, v.selectedWaypoint, v.waypointNames),
            std::make_tuple(false, -1, std::vector<std::string>{"Only"}));
}

TEST(SlipCalibration, FiguresOfTheDefaultVessel) {
  CVessel2 vessel;
  const CSlipCalibrationView f = CSlipCalibration(vessel, {63, 14.0, 0, 20}).View();
  // True slip 1 − 14.0 / 16.12; the air factor of 20 knots from dead ahead.
  EXPECT_EQ(std::tie(f.theoreticalSpeed, f.engineSetting, f.windSpeed, f.trueSlip, f.hullFactor, f.airFactor,
                     f.estimatedLogSpeed, f.calculatedSlip),
            std::make_tuple("16.1 kts", "63.0 rpm", "20.0 kts", "13.2 %", "0.628", "0.318", "14.7 kts", "8.6 %"));
}

TEST(SlipCalibration, CalibrateSetsTheFactorFromLogOverEstimate) {
  CVessel2 vessel;
  const CSlipReading reading = CSlipReading::FromVessel(vessel);
  const double estimate = vessel.SpeedThroughWater(63, vessel.HullResistance(63) + vessel.WindAtReference(0, 0));
  CSlipCalibration calibration(vessel, reading);
  CScriptedPrompter prompter;
  EXPECT_TRUE(calibration.OnCalibrate(prompter));
  EXPECT_DOUBLE_EQ(vessel.hullResistanceFactor, reading.logSpeed / estimate);
  EXPECT_EQ(calibration.View().hullFactor, "2.230");  // repainted from the changed vessel

  CVessel2 other;
  EXPECT_TRUE(CSlipCalibration(other, {63, estimate, 0, 0}).OnCalibrate(prompter));
  EXPECT_DOUBLE_EQ(other.hullResistanceFactor, 1.0);
  EXPECT_TRUE(prompter.messages.empty());
  // A fix without a log speed changes nothing, and says so.
  EXPECT_FALSE(CSlipCalibration(other, {63, 0, 0, 0}).OnCalibrate(prompter));
  EXPECT_DOUBLE_EQ(other.hullResistanceFactor, 1.0);
  EXPECT_EQ(MessageTexts(prompter),
            std::vector<std::string>{"No log speed in the latest positionfix\nHull resistance factor not changed"});
}

TEST(SlipCalibration, ReadsTheFixsEngineLogAndWind) {
  CFixRecord fix;
  fix.engineRpm = 70;
  fix.logSpeed = 15.5;
  fix.weather.windDirection = 200;
  fix.weather.windSpeed = 25;
  const CSlipReading r = CSlipReading::FromFix(fix);
  EXPECT_EQ(std::tuple(r.engineRpm, r.logSpeed, r.windDirection, r.windSpeed), std::tuple(70.0, 15.5, 200.0, 25.0));
}

TEST(SlipCalibration, NoTheoreticalSpeedShowsSlipsOfOne) {
  CVessel2 vessel;
  CSlipCalibrationView f = CSlipCalibration(vessel, {0, 5.0, 0, 0}).View();
  EXPECT_EQ(std::tie(f.trueSlip, f.calculatedSlip), std::make_tuple("1.0 %", "1.0 %"));

  vessel.propellerPitch = 0;
  CSlipCalibration noPitch(vessel, {63, 12.0, 0, 0});
  f = noPitch.View();
  EXPECT_EQ(std::tie(f.trueSlip, f.estimatedLogSpeed), std::make_tuple("1.0 %", "NA"));
  CScriptedPrompter prompter;
  EXPECT_FALSE(noPitch.OnCalibrate(prompter));
  EXPECT_DOUBLE_EQ(vessel.hullResistanceFactor, 0.3);
  EXPECT_EQ(MessageTexts(prompter),
            std::vector<std::string>{"No estimated logspeed\nPlease check engine and propellor data"});
}

TEST(PerformanceSheet, PagesWorkOnTheSheetVessel) {
  CPerformanceSheet sheet{CVessel2{}};
  CPerformanceSheetView v = sheet.View();
  // The data page's engine slider stands at 106 − 63; the wind page has 16 knots on the head.
  EXPECT_EQ(std::tie(v.hull.slider.position, v.wind.slider.position, v.data.slider.maximum, v.data.slider.position),
            std::make_tuple(30, 3, 106, 43));
  EXPECT_EQ(std::tie(v.hull.speed, v.wind.logSpeed, v.data.logSpeed, v.data.slip),
            std::make_tuple("15.2", "14.9", "14.9", "7.8"));

  sheet.OnWindSpeedChanged(40);  // the wind page's own wind
  v = sheet.View();
  EXPECT_EQ(std::tie(v.wind.logSpeed, v.data.logSpeed), std::make_tuple("13.6", "14.9"));
  sheet.OnEngineSliderMoved(26);
  EXPECT_DOUBLE_EQ(sheet.View().hull.engineSetting, 80.0);
  sheet.OnEngineSliderMoved(106);  // 0 rpm
  v = sheet.View();
  EXPECT_EQ(std::tie(v.data.logSpeed, v.data.slip), std::make_tuple("NA", "NA"));
}

TEST(PerformanceSheet, OkCopiesOnlyTheTwoFactors) {
  CPerformanceSheet sheet{CVessel2{}};
  sheet.OnHullSliderMoved(80);
  sheet.OnAirSliderMoved(10);
  sheet.OnDraftForwardChanged(9.0);
  sheet.OnEngineSettingChanged(90);
  CVessel2 document;
  sheet.ApplyTo(document);
  ExpectNear({document.hullResistanceFactor, document.airResistanceFactor}, {0.8, 0.1}, 1e-15);
  EXPECT_EQ(std::pair(document.draftForward, document.engineSetting), std::pair(12.75, 63.0));  // untouched
}

}  // namespace
}  // namespace marigold
