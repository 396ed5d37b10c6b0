// The marigold command fed files and numbers it must refuse: every command
// says what is wrong, exits 1 (a file) or 2 (the command line), and leaves
// every file of the data folder exactly as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/DataFile.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "qtplatform/DataFolderLock.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class CliBadInput : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(std::system((Quoted(MARIGOLD_MAKE_EXAMPLE) + " " + Quoted(Data()) + " >/dev/null").c_str()), 0);
  }

  std::string Data() const { return work.File("data"); }
  std::string Route() const { return work.File("data/rotterdam-newyork.rtp"); }

  // Every entry of the data folder: the bytes of a file, the kind of anything else.
  std::map<std::string, std::string> Snapshot() const {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::directory_iterator(Data()))
      entries[entry.path().filename().string()] =
          entry.is_regular_file() ? FileText(entry.path().string()) : std::string("(not a file)");
    return entries;
  }

  struct CRun {
    int exit;
    std::string said;  // standard error
  };
  CRun Run(const std::vector<std::string>& words) const {
    std::string command = "XDG_CONFIG_HOME=" + Quoted(work.File("config")) + " " + Quoted(MARIGOLD_COMMAND);
    for (const std::string& word : words) command += " " + Quoted(word);
    command += " >/dev/null 2>" + Quoted(work.File("said")) + " </dev/null";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(work.File("said"))};
  }

  CTempFolder work{"cli-bad"};
};

// Files of every kind of wrongness, at F.
void MakeBadFile(const std::string& kind, const std::string& path, const std::string& example) {
  if (kind == "truncated") {
    const std::string whole = FileText(example);
    PutFile(path, whole.substr(0, whole.size() / 2));
  } else if (kind == "empty") {
    PutFile(path, "");
  } else if (kind == "garbage") {
    std::string bytes(4096, '\0');
    unsigned state = 17;
    for (char& c : bytes) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 16);
    PutFile(path, bytes);
  } else if (kind == "huge count") {
    PutFile(path, Hex("FFFFFF7F 00 FFFF FFFF FFFFFFFF"));
  } else if (kind == "pipe") {
    ::mkfifo(path.c_str(), 0644);
  } else if (kind == "device") {
    fs::create_symlink("/dev/zero", path);
  } else if (kind == "folder") {
    fs::create_directory(path);
  }
}

TEST_F(CliBadInput, BadFilesAreRefusedAndNothingChanges) {
  const std::string kinds[] = {"truncated", "empty", "garbage", "huge count", "pipe", "device", "folder"};
  // {words with F for the bad file, the example file it is cut from}
  const std::vector<std::pair<std::vector<std::string>, std::string>> commands = {
      {{"dump", "F", "--as", "history"}, "voyage.dat"},
      {{"dump", "F", "--as", "ports"}, "port.dat"},
      {{"dump", "F", "--as", "vessel"}, "vessel.dat"},
      {{"import", "warnings", "F"}, "warning.dat"},
      {{"import", "meteo", "F"}, "meteo.dat"},
      {{"status", "F"}, "rotterdam-newyork.rtp"},
      {{"schedule", "F", "--json"}, "rotterdam-newyork.rtp"},
      {{"import", "rtz", "ROUTE", "F"}, "rotterdam-newyork.rtp"},
      {{"import", "gpx", "F", "--as", "history"}, "rotterdam-newyork.rtp"},
  };
  const auto before = Snapshot();
  for (const std::string& kind : kinds) {
    for (const auto& [words, example] : commands) {
      // An empty comma-separated file is an empty list, rightly imported.
      if (kind == "empty" && (words[1] == "warnings" || words[1] == "meteo")) continue;
      const std::string bad = work.File("bad");
      fs::remove_all(bad);
      MakeBadFile(kind, bad, work.File("data/" + example));
      std::vector<std::string> args = {"--data", Data()};
      for (const std::string& word : words) args.push_back(word == "F" ? bad : word == "ROUTE" ? Route() : word);
      SCOPED_TRACE(kind + ": " + words[0] + " " + words[1]);
      const CRun run = Run(args);
      EXPECT_EQ(run.exit, 1) << run.said;
      // Said in one line or two, naming the file; never a crash.
      EXPECT_NE(run.said.find("bad"), std::string::npos) << run.said;
      EXPECT_EQ(Snapshot(), before);
    }
  }
}

// Malformed words and days that do not exist are usage errors (2); numbers
// outside the fix sheet's ranges are refused as the sheet refuses them (1).
TEST_F(CliBadInput, NumbersAndDatesOutOfRangeAreRefused) {
  const std::vector<std::string> fix = {"--data", Data(), "fix", Route(), "--lat", "50", "--lon", "-1"};
  const std::vector<std::string> readings = {"--gyro", "245", "--log", "14", "--rpm", "88"};
  const struct {
    const char* time;
    std::vector<std::string> words;
    int exit;
    const char* said;
  } kCases[] = {
      {"9999-12-31 10:00", {}, 2, "no such day"},
      {"-2000-01-01 10:00", {}, 2, "YYYY-MM-DD"},
      {"2026-02-31 10:00", {}, 2, "no such day"},
      {"1969-12-31 10:00", {}, 2, "outside 1970 to 2099"},
      {"1970-01-01 00:30", {"--utc", "1"}, 2, "outside 1970 to 2099"},  // 1969 in UTC
      {"2026-12-31 10:00", {"--rpm", "nan"}, 2, "not a number"},
      {"2026-12-31 10:00", {"--log-reading", "1e308"}, 2, "--log-reading must lie between 0 and 1e+07"},
      {"2026-12-31 10:00", {"--log", "1e308"}, 1, "--log: Please enter a number between"},
      {"2026-12-31 10:00", {"--gyro", "361"}, 1, "--gyro: Please enter a number between"},
      {"2026-12-31 10:00", {"--pressure", "5000"}, 1, "--pressure: Please enter a number between"},
      {"2026-12-31 10:00", {"--utc", "99"}, 1, "--utc: Please enter a number between"},
  };
  const auto before = Snapshot();
  for (const auto& test : kCases) {
    std::vector<std::string> args = fix;
    args.insert(args.end(), {"--time", test.time});
    args.insert(args.end(), readings.begin(), readings.end());
    args.insert(args.end(), test.words.begin(), test.words.end());  // the last of a repeated option counts
    const CRun run = Run(args);
    SCOPED_TRACE(test.said);
    EXPECT_EQ(run.exit, test.exit) << run.said;
    EXPECT_NE(run.said.find(test.said), std::string::npos) << run.said;
  }
  const CRun noFolder = Run({"--data", work.File("no-such-folder"), "status", Route()});
  EXPECT_EQ(noFolder.exit, 2);
  EXPECT_NE(noFolder.said.find("--data: no such folder: " + work.File("no-such-folder")), std::string::npos);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(CliBadInput, ADamagedDataFileIsReportedAndNeverMovedByLooking) {
  const std::string history = work.File("data/voyage.dat");
  PutFile(history, FileText(history).substr(0, 100));
  const auto before = Snapshot();
  for (const std::vector<std::string>& words :
       std::vector<std::vector<std::string>>{{"status", Route()}, {"list", "fixes", Route()}, {"schedule", Route()}}) {
    std::vector<std::string> args = {"--data", Data()};
    args.insert(args.end(), words.begin(), words.end());
    const CRun run = Run(args);
    EXPECT_EQ(run.exit, 0) << run.said;
    EXPECT_NE(run.said.find(history + " is damaged"), std::string::npos) << run.said;
    EXPECT_EQ(Snapshot(), before);
  }
  // A command that writes refuses to put a short history over it.
  const CRun fix = Run({"--data", Data(), "fix", Route(), "--time", "2026-12-31 10:00", "--lat", "50", "--lon", "-1",
                        "--gyro", "245", "--log", "14", "--rpm", "88"});
  EXPECT_EQ(fix.exit, 1);
  EXPECT_NE(fix.said.find("voyage.dat could not be read and will not be saved over"), std::string::npos) << fix.said;
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(CliBadInput, AWritingCommandRefusesWhileTheDesktopProgramHoldsTheData) {
  const std::vector<std::string> fix = {"--data", Data(), "fix",   Route(), "--time", "2026-12-31 10:00",
                                        "--lat",  "50",   "--lon", "-1",    "--gyro", "245",
                                        "--log",  "14",   "--rpm", "88"};
  {
    const CDataFolderLock desktop({fs::absolute(Data()).lexically_normal().string()});
    ASSERT_TRUE(desktop.Held());
    const auto before = Snapshot();
    const CRun refused = Run(fix);
    EXPECT_EQ(refused.exit, 1);
    EXPECT_NE(refused.said.find("the data files are in use by Marigold Route in " + Data()), std::string::npos)
        << refused.said;
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Run({"--data", Data(), "status", Route()}).exit, 0);  // looking is fine
    // A second lock of the same folder is not had either.
    EXPECT_FALSE(CDataFolderLock({Data()}).Held());
  }
  const CRun written = Run(fix);
  EXPECT_EQ(written.exit, 0) << written.said;
  EXPECT_FALSE(fs::exists(work.File(std::string("data/") + kDataFolderLockName)));  // released at the end
}

}  // namespace
}  // namespace marigold
