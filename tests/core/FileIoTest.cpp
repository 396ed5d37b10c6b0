// Writing files whole or not at all and reading them back; loading and saving list data files; the
// "Configuration" dialog's values and the settings behind them.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "core/Configuration.h"
#include "core/DataFile.h"
#include "core/FileIo.h"
#include "core/FixRecord.h"
#include "core/PositionList.h"
#include "core/Settings.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> AsBytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

class FileIo : public ::testing::Test {
 protected:
  std::string PathOf(std::string_view name) const { return folder_.File(name); }
  std::set<std::string> Listing() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.Path())) names.insert(entry.path().filename().string());
    return names;
  }

  CTempFolder folder_{"fileio"};
};

TEST_F(FileIo, WritesNewAndReplacesOldFilesLeavingNothingElse) {
  const std::string path = PathOf("voyage.dat");
  const CBytes bytes = {0x00, 0xFF, 0x0D, 0x0A, 0x1A, 0x00};
  const CFileResult first = WriteFileAtomic(path, bytes);
  EXPECT_EQ(std::pair(first.ok, first.error), std::pair(true, std::string()));
  EXPECT_EQ(FileText(path), std::string("\0\xFF\r\n\x1A\0", 6));

  // A shorter file must not keep the tail of the longer one.
  EXPECT_TRUE(WriteFileAtomic(path, std::string_view("new")));
  EXPECT_EQ(FileText(path), "new");
  EXPECT_TRUE(WriteFileAtomic(path, std::string_view()));
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), 0u);

  EXPECT_EQ(Listing(), std::set<std::string>{"voyage.dat"});
}

TEST_F(FileIo, ReplacingKeepsTheFilesPermissions) {
  const std::string path = PathOf("port.dat");
  PutFile(path, "old");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomic(path, std::string_view("new")));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(FileIo, MissingFolderIsReportedWithoutCreatingAnything) {
  const std::string path = PathOf("no-such-folder/meteo.dat");
  const CFileResult result = WriteFileAtomic(path, std::string_view("data"));
  EXPECT_EQ(std::pair(result.ok, result.error.empty()), std::pair(false, false));  // failed, and says why
  EXPECT_TRUE(Listing().empty());
}

TEST_F(FileIo, FolderThatTakesNoNewFileLeavesTheOldFileUntouched) {
  // No one, root included, can create a file in /proc; folder permissions
  // would not stop a test run as root.
  const std::string path = "/proc/version";
  const std::optional<CBytes> before = ReadFileBytes(path);
  ASSERT_TRUE(before.has_value());
  const CFileResult result = WriteFileAtomic(path, std::string_view("new"));
  EXPECT_FALSE(result);
  EXPECT_NE(result.error.find(path), std::string::npos);
  EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(FileIo, FailedRenameRemovesTheTemporaryFile) {
  // A folder in the target's place lets the write succeed and the rename fail.
  const std::string path = PathOf("warning.dat");
  fs::create_directory(path);
  PutFile(PathOf("warning.dat/keep"), "x");
  const CFileResult result = WriteFileAtomic(path, std::string_view("data"));
  EXPECT_EQ(std::pair(result.ok, result.error.empty()), std::pair(false, false));
  EXPECT_EQ(Listing(), std::set<std::string>{"warning.dat"});
  EXPECT_EQ(FileText(PathOf("warning.dat/keep")), "x");
}

TEST_F(FileIo, NamesUpToTheLimitSaveThroughAShortTemporaryName) {
  for (const std::size_t length : {std::size_t{248}, std::size_t{255}}) {
    const std::string path = PathOf(std::string(length - 4, 'r') + ".rtp");
    EXPECT_TRUE(WriteFileAtomic(path, std::string_view("v1")));
    EXPECT_TRUE(WriteFileAtomic(path, std::string_view("v2")));
    EXPECT_EQ(FileText(path), "v2");
    fs::remove(path);
  }
  EXPECT_TRUE(Listing().empty());
}

TEST_F(FileIo, ASymbolicLinkIsWrittenThroughToItsTarget) {
  fs::create_directory(PathOf("real"));
  PutFile(PathOf("real/voyage.dat"), "old");
  fs::create_symlink("real/voyage.dat", PathOf("voyage.dat"));  // relative, as people make them
  fs::create_symlink(PathOf("voyage.dat"), PathOf("link-to-link.dat"));
  ASSERT_TRUE(WriteFileAtomic(PathOf("voyage.dat"), std::string_view("new")));
  ASSERT_TRUE(WriteFileAtomic(PathOf("link-to-link.dat"), std::string_view("newer")));
  EXPECT_TRUE(fs::is_symlink(PathOf("voyage.dat")));
  EXPECT_TRUE(fs::is_symlink(PathOf("link-to-link.dat")));
  EXPECT_EQ(FileText(PathOf("real/voyage.dat")), "newer");
  EXPECT_EQ(Listing(), (std::set<std::string>{"real", "voyage.dat", "link-to-link.dat"}));
}

TEST_F(FileIo, StaleTemporariesOfKilledSavesGoAtTheNextSaveOthersStay) {
  PutFile(PathOf(".marigold-a1B2c3"), std::string(1000, 'x'));  // left by a killed save
  PutFile(PathOf(".marigold-notours"), "x");                    // not of our naming
  PutFile(PathOf(".other-a1B2c3"), "x");
  // A save in progress holds its temporary file locked.
  const std::string busy = PathOf(".marigold-Busy01");
  PutFile(busy, "x");
  const int fd = ::open(busy.c_str(), O_RDONLY);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX), 0);
  EXPECT_TRUE(WriteFileAtomic(PathOf("meteo.dat"), std::string_view("m")));
  ::close(fd);
  EXPECT_EQ(Listing(), (std::set<std::string>{".marigold-notours", ".other-a1B2c3", ".marigold-Busy01", "meteo.dat"}));
}

TEST_F(FileIo, ABatchReplacesNoFileWhenOneCannotBeWritten) {
  PutFile(PathOf("voyage.dat"), "old history");
  PutFile(PathOf("meteo.dat"), "old meteo");
  {
    CFileBatch batch;
    EXPECT_TRUE(batch.Stage(PathOf("voyage.dat"), AsBytes("new history")));
    EXPECT_FALSE(batch.Stage(PathOf("no-folder/meteo.dat"), AsBytes("new meteo")));
  }  // given up: the staged history goes with the batch
  EXPECT_EQ(std::pair(FileText(PathOf("voyage.dat")), FileText(PathOf("meteo.dat"))),
            std::pair(std::string("old history"), std::string("old meteo")));
  EXPECT_EQ(Listing(), (std::set<std::string>{"voyage.dat", "meteo.dat"}));

  CFileBatch batch;
  EXPECT_TRUE(batch.Stage(PathOf("voyage.dat"), AsBytes("new history"), true));
  EXPECT_TRUE(batch.Stage(PathOf("meteo.dat"), AsBytes("new meteo"), true));
  EXPECT_EQ(FileText(PathOf("voyage.dat")), "old history");  // nothing renamed before the commit
  EXPECT_TRUE(batch.Commit());
  EXPECT_EQ(
      std::tuple(FileText(PathOf("voyage.dat")), FileText(PathOf("meteo.dat")), FileText(PathOf("meteo.dat.bak"))),
      std::tuple("new history", "new meteo", "old meteo"));
}

TEST_F(FileIo, AWriteThatFailsPartWayKeepsTheOldFileAndSaysSo) {
  const std::string path = PathOf("voyage.dat");
  PutFile(path, "old");
  const std::string big(200000, 'n');
  CFileResult result;
  {
    const CFileSizeLimit full;
    result = WriteFileAtomic(path, std::string_view(big));
  }
  EXPECT_EQ(std::pair(result.ok, result.error), std::pair(false, "cannot write " + path + ": File too large"));
  EXPECT_EQ(FileText(path), "old");
  EXPECT_EQ(Listing(), std::set<std::string>{"voyage.dat"});
}

TEST_F(FileIo, AnAppendIsWholeOrTheFileIsAsItWas) {
  const std::string path = PathOf("meteo.csv");
  const std::string old = std::string(60000, 'o') + "\n";
  PutFile(path, old);
  const std::string lines = std::string(10000, 'n') + "\n";
  CFileResult grown, made;
  {
    const CFileSizeLimit full;
    grown = AppendFileWhole(path, AsBytes(lines));  // would end past the limit
    made = AppendFileWhole(PathOf("new.csv"), AsBytes(std::string(70000, 'x')));
  }
  EXPECT_EQ(grown.error, "cannot write " + path + ": File too large");
  EXPECT_EQ(FileText(path), old);  // no half line at the end
  EXPECT_FALSE(made);
  EXPECT_EQ(Listing(), std::set<std::string>{"meteo.csv"});
  EXPECT_TRUE(AppendFileWhole(path, AsBytes(lines)));
  EXPECT_EQ(FileText(path), old + lines);
}

TEST_F(FileIo, ReadsWholeFilesAcrossChunkBoundaries) {
  // Sizes around the reader's 64 KiB chunk, built independently of the writer.
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{65535}, std::size_t{65536}, std::size_t{65537},
                           std::size_t{200000}}) {
    SCOPED_TRACE(size);
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(i * 7 + i / 251);
    const std::string path = PathOf("file.bin");
    PutFile(path, text);
    std::string error = "unchanged";
    const auto bytes = ReadFileBytes(path, &error);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), text);
  }
}

TEST_F(FileIo, ReadingWhatIsNotAFileGivesAnError) {
  const std::string missing = PathOf("hurricane.dat");
  std::string error;
  EXPECT_FALSE(ReadFileBytes(missing, &error).has_value());
  EXPECT_NE(error.find("hurricane.dat"), std::string::npos) << error;
  EXPECT_FALSE(ReadFileBytes(missing).has_value());  // no error text wanted

  error.clear();
  EXPECT_FALSE(ReadFileBytes(folder_.Path().string(), &error).has_value());
  EXPECT_FALSE(error.empty());
}

class DataFile : public FileIo {
 protected:
  void SetUp() override { history_.AddNew()->SetName("Keep"); }

  // Loads the fix history from a file of these bytes.
  bool LoadHistory(const CBytes& bytes) {
    PutFile(PathOf("voyage.dat"), bytes);
    store_.WriteString("Path", "Routedat", PathOf("voyage.dat"));
    return LoadHistoryFromSetting();
  }
  bool LoadHistoryFromSetting() {
    return LoadDataFile(
        EDataFile::History, store_, prompter_, [this](CArchive& ar) { history_.Serialize(ar); }, &guard_);
  }
  CFileResult SaveHistory() {
    return SaveDataFile(
        EDataFile::History, store_, [this](CArchive& ar) { history_.Serialize(ar); }, &guard_);
  }

  CMemorySettingsStore store_;
  CScriptedPrompter prompter_;
  CRecordList<CFixRecord> history_;
  CDataFileGuard guard_;
};

TEST_F(DataFile, CountZeroLoadsAnEmptyListAndAnEmptyListSavesAsOneWord) {
  EXPECT_TRUE(LoadHistory(Hex("00000000")));
  EXPECT_EQ(std::pair(history_.IsEmpty(), prompter_.messages.empty()), std::pair(true, true));

  store_.WriteString("Path", "Routedat", PathOf("saved.dat"));
  EXPECT_TRUE(SaveDataFile(EDataFile::History, store_, [this](CArchive& ar) { history_.Serialize(ar); }).ok);
  EXPECT_EQ(FileBytes(PathOf("saved.dat")), Hex("00000000"));
}

TEST_F(DataFile, ACountTheFileCannotHoldLeavesTheListAndKeepsTheFile) {
  const CBytes bytes = Hex("02000000 0000000000002E40 0000000000804640");
  EXPECT_FALSE(LoadHistory(bytes));
  EXPECT_EQ(NamesOf(history_), std::vector<std::string>{"Keep"});
  const std::string path = PathOf("voyage.dat");
  EXPECT_EQ(MessageTexts(prompter_),
            (std::vector<std::string>{
                path + " is damaged: record count 2 at byte 0 exceeds the file\nIt was moved to " + path + ".damaged",
                kCorruptDataFile}));
  EXPECT_EQ(FileBytes(PathOf("voyage.dat.damaged")), bytes);
  EXPECT_FALSE(fs::exists(PathOf("voyage.dat")));
  EXPECT_TRUE(SaveHistory());  // moved aside, so the place is free
}

TEST_F(DataFile, ADamagedFileSeenOnlyToLookIsLeftAndNeverSavedOver) {
  CDataFileGuard lookOnly(CDataFileGuard::EDamaged::LookOnly);
  const CBytes bytes = Hex("02000000 00");
  PutFile(PathOf("voyage.dat"), bytes);
  store_.WriteString("Path", "Routedat", PathOf("voyage.dat"));
  EXPECT_FALSE(LoadDataFile(
      EDataFile::History, store_, prompter_, [this](CArchive& ar) { history_.Serialize(ar); }, &lookOnly));
  EXPECT_EQ(MessageTexts(prompter_),
            std::vector<std::string>{PathOf("voyage.dat") +
                                     " is damaged: record count 2 at byte 0 exceeds the file\nIt is left as it is "
                                     "and will not be saved over"});
  EXPECT_EQ(Listing(), std::set<std::string>{"voyage.dat"});
  const CFileResult saved = SaveDataFile(
      EDataFile::History, store_, [this](CArchive& ar) { history_.Serialize(ar); }, &lookOnly);
  EXPECT_EQ(saved.error, "voyage.dat could not be read and will not be saved over");
  EXPECT_EQ(FileBytes(PathOf("voyage.dat")), bytes);
}

// Files that exist but cannot be read: an empty or short list saved over
// them would destroy the records they hold.
TEST_F(DataFile, AFileThatCannotBeReadIsNeverSavedOverUntilItLoads) {
  const std::string path = PathOf("voyage.dat");
  const std::function<void()> kCases[] = {
      [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); },
      [&] { fs::create_symlink("/dev/zero", path); },
      [&] {  // beyond the size limit, sparse so that it takes no disk
        PutFile(path, "");
        fs::resize_file(path, kDataFileLimit + 1);
      },
      [&] {  // permissions stop everyone but root
        PutFile(path, "data");
        fs::permissions(path, fs::perms::none);
      },
  };
  const std::string causes[] = {
      "cannot read " + path + ": it is not a regular file",
      "cannot read " + path + ": it is not a regular file",
      "cannot read " + path + ": larger than 256 MB",
      "Check its permissions",
  };
  for (std::size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(causes[i]);
    fs::remove(path);
    prompter_.messages.clear();
    kCases[i]();
    const auto before = fs::symlink_status(path);
    store_.WriteString("Path", "Routedat", path);
    if (i == 3 && ::geteuid() == 0) continue;  // root reads it anyway
    EXPECT_FALSE(LoadHistoryFromSetting());
    // No locate dialog: the file is there.
    EXPECT_EQ(
        std::pair(MessageTexts(prompter_), prompter_.fileChoices.size()),
        std::pair(std::vector<std::string>{"voyage.dat could not be read and will not be saved over\n" + causes[i]},
                  std::size_t{0}));
    EXPECT_EQ(SaveHistory().error, "voyage.dat could not be read and will not be saved over");
    EXPECT_EQ(std::pair(fs::symlink_status(path).type(), fs::symlink_status(path).permissions()),
              std::pair(before.type(), before.permissions()));
    EXPECT_FALSE(fs::exists(path + ".bak"));
  }
  // Once the file loads, saving is allowed again.
  fs::remove(path);
  PutFile(path, Hex("00000000"));
  EXPECT_TRUE(LoadHistoryFromSetting());
  EXPECT_TRUE(SaveHistory());
}

TEST_F(DataFile, EverySaveKeepsThePreviousVersionAsBak) {
  const std::string path = PathOf("voyage.dat");
  store_.WriteString("Path", "Routedat", path);
  ASSERT_TRUE(SaveHistory());
  const CBytes one = FileBytes(path);
  EXPECT_FALSE(fs::exists(path + ".bak"));  // nothing to keep yet
  history_.AddNew()->SetName("Second");
  ASSERT_TRUE(SaveHistory());
  EXPECT_EQ(FileBytes(path + ".bak"), one);
  // A save of the same content keeps the older generation: the exit after a
  // save must not make the safety copy equal to the file.
  ASSERT_TRUE(SaveHistory());
  EXPECT_EQ(FileBytes(path + ".bak"), one);
  EXPECT_EQ(Listing(), (std::set<std::string>{"voyage.dat", "voyage.dat.bak"}));
}

TEST_F(DataFile, EachKindOfFileHasItsOwnMessageAndProposedName) {
  CRecordList<CFixRecord> warnings;
  store_.WriteString("Path", "Warningdat", PathOf("gone.dat"));
  EXPECT_TRUE(
      LoadDataFile(EDataFile::Warnings, store_, prompter_, [&warnings](CArchive& ar) { warnings.Serialize(ar); }));
  EXPECT_EQ(MessageTexts(prompter_),
            (std::vector<std::string>{"Unable to load nav warning data\nPlease locate data file"}));
  ASSERT_EQ(prompter_.fileChoices.size(), 1u);
  EXPECT_EQ(prompter_.fileChoices[0].defaultName, "warning");
  EXPECT_EQ(store_.GetString("Path", "Warningdat", "(none)"), PathOf("gone.dat"));
  EXPECT_FALSE(store_.Has("Path", "Routedat"));
}

TEST(Configuration, FirstStartUsesTheDefaults) {
  const CMemorySettingsStore empty;
  const CConfigurationFields c = ReadConfiguration(empty);
  const std::array<std::string, 6> expected = {"vessel.dat",  "voyage.dat", "port.dat",
                                               "warning.dat", "meteo.dat",  "hurricane.dat"};
  EXPECT_EQ(c.paths, expected);
  EXPECT_EQ(c.PathOf(EDataFile::Meteo), "meteo.dat");
  EXPECT_EQ(std::tie(c.daysOldFix, c.daysOldHurri, c.separator, c.askLoadOld), std::make_tuple(7, 7, ",", true));
  EXPECT_FALSE(Validate(c));
}

TEST(Configuration, RefusalsNameTheFieldInTheOrderOfTheDialog) {
  const std::string fix = "DaysOldFix: Please enter an integer between 3 and 30.";
  const std::string hurri = "DaysOldHurri: Please enter an integer between 6 and 30.";
  const std::string oneCharacter = "ConvChar: Please enter one separation character.";
  const struct {
    int daysOldFix, daysOldHurri;
    const char* separator;
    std::string verdict;
  } cases[] = {
      // Each row is refused for its first wrong field, or accepted.
      {2, 7, ",", fix},           {31, 7, ",", fix},          {-1, 5, "", fix},         {3, 7, ",", "accepted"},
      {30, 5, "", hurri},         {30, 31, ",", hurri},       {30, 6, ",", "accepted"}, {7, 7, "", oneCharacter},
      {7, 7, ";;", oneCharacter}, {7, 7, ", ", oneCharacter}, {7, 7, ";", "accepted"},  {7, 7, "\\", "accepted"},
      {7, 7, "\t", "accepted"},   {7, 7, "§", "accepted"},
  };
  for (const auto& test : cases) {
    CConfigurationFields c;
    c.daysOldFix = test.daysOldFix;
    c.daysOldHurri = test.daysOldHurri;
    c.separator = test.separator;
    EXPECT_EQ(RefusalText(Validate(c)), test.verdict)
        << test.daysOldFix << "/" << test.daysOldHurri << "/\"" << test.separator << '"';
  }
}

TEST(Configuration, ApplyStoresAllTenAndReadsThemBack) {
  CMemorySettingsStore store;
  CConfigurationFields c;
  const std::array<std::string, 6> paths = {"/data/v.dat", "/data/h.dat", "/data/p.dat",
                                            "/data/w.dat", "/data/m.dat", "/data/s.dat"};
  c.paths = paths;
  c.daysOldFix = 12;
  c.daysOldHurri = 20;
  c.separator = ";";
  c.askLoadOld = false;
  ApplyConfiguration(c, store);
  for (const char* key : {"vesseldata", "Routedat", "portinfo", "Meteodat", "Warningdat", "Hurricanedat", "DaysOldFix",
                          "DaysOldHurri", "ConvChar", "AskLoadOld"})
    EXPECT_TRUE(store.Has("Path", key)) << key;

  const CConfigurationFields back = ReadConfiguration(store);
  EXPECT_EQ(back.paths, paths);
  EXPECT_EQ(std::tie(back.daysOldFix, back.daysOldHurri, back.separator, back.askLoadOld),
            std::make_tuple(12, 20, ";", false));
}

TEST(Configuration, StoredValuesOutOfRangeAreBroughtIntoIt) {
  CMemorySettingsStore store;
  store.WriteInt("Path", "DaysOldFix", -1);
  store.WriteInt("Path", "DaysOldHurri", 365);
  store.WriteInt("Path", "AskLoadOld", 7);
  EXPECT_EQ(std::make_tuple(ReadSetting(store, settings::kDaysOldFix), ReadSetting(store, settings::kDaysOldHurri),
                            ReadSetting(store, settings::kAskLoadOld)),
            std::make_tuple(3, 30, 1));
  EXPECT_FALSE(Validate(ReadConfiguration(store)));
  store.WriteInt("Path", "DaysOldHurri", 5);
  store.WriteInt("Path", "AskLoadOld", -1);
  EXPECT_EQ(std::pair(ReadSetting(store, settings::kDaysOldHurri), ReadSetting(store, settings::kAskLoadOld)),
            std::pair(6, 0));
}

// "DaysOldFix" 0 means: keep no fix older than the latest. It is read as it
// stands, and so are 1 and 2, which the dialog does not offer; negative
// values and those beyond 30 are still brought into the range.
TEST(Configuration, DaysOldFixZeroIsReadAsItStands) {
  CMemorySettingsStore store;
  for (const auto& [stored, read] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 3}, {30, 30}, {31, 30}, {-1, 3}}) {
    store.WriteInt("Path", "DaysOldFix", stored);
    EXPECT_EQ(ReadSetting(store, settings::kDaysOldFix), read) << stored;
  }
}

}  // namespace
}  // namespace marigold
