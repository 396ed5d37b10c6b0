// Saves killed at random moments: a child process saves the route document,
// the history and the meteo file over and over; it is killed (SIGKILL) again
// and again, and after every kill each file must hold a whole save, old or
// new, that loads cleanly. Every save flushes to the disk, so the normal run
// kills 25 times; MARIGOLD_KILLS=200 (as .ci/run sets it) kills more.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "core/FileIo.h"
#include "fakes/DocumentFixture.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

// The child: loads what is there, as the program does at start, and saves
// one more fix, meteo record and waypoint at a time until it is killed.
// After each save it writes one byte to `saved`.
[[noreturn]] void SaveForever(CSettingsStore& store, const std::string& route, int saved) {
  CScriptedPrompter prompter;
  const CFixedClock clock(1700000000);
  CMarigoldRouteDoc doc(store, prompter, clock);
  if (fs::exists(route) && !doc.Open(route)) ::_exit(3);
  for (int n = 0;; ++n) {
    doc.Fixes().AddNew()->SetName("Fix " + std::to_string(n));
    doc.Meteo().AddNew();
    doc.Voyage().AddNew()->SetName("WP " + std::to_string(n));
    if (!doc.Save(route).route) ::_exit(4);
    if (::write(saved, "s", 1) != 1) ::_exit(5);
  }
}

// A whole list in the file: it loads with no byte left over.
template <class TList>
int LoadsWhole(const std::string& path) {
  const std::optional<CBytes> bytes = ReadFileBytes(path);
  if (!bytes) return -1;
  TList list;
  CArchive ar = CArchive::ForLoading(*bytes);
  list.Serialize(ar);
  if (!ar.AtEnd()) throw CArchiveException("bytes left over");
  return list.GetCount();
}

TEST(CrashSafeSave, EveryKilledSaveLeavesWholeFilesThatLoad) {
  CDocumentFixture fixture;
  fixture.doc.reset();  // the child saves; the fixture only made the files
  const std::string route = fixture.File("voyage.rtp");
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> pause(0, 4000);  // microseconds before the kill
  int lastFixes = 0;
  const char* kills = std::getenv("MARIGOLD_KILLS");
  const int rounds = kills ? std::atoi(kills) : 25;
  for (int kill = 0; kill < rounds; ++kill) {
    int saved[2];
    ASSERT_EQ(::pipe(saved), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever(fixture.store, route, saved[1]);
    ::close(saved[1]);
    // One whole save first, so that every round moves on; then a kill at a
    // random moment of the saves that follow.
    char byte = 0;
    ASSERT_EQ(::read(saved[0], &byte, 1), 1);
    ::usleep(static_cast<useconds_t>(pause(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(saved[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself: " << WEXITSTATUS(status);
    SCOPED_TRACE("kill " + std::to_string(kill));
    int fixes = 0;
    ASSERT_NO_THROW(fixes = LoadsWhole<CRecordList<CFixRecord>>(fixture.File("voyage.dat")));
    ASSERT_NO_THROW((void)LoadsWhole<CMeteoList>(fixture.File("meteo.dat")));
    ASSERT_GT(fixes, lastFixes);  // at least the save the child reported
    lastFixes = fixes;
    if (fs::exists(route)) {
      CMarigoldRouteDoc reader(fixture.store, fixture.prompter, fixture.clock, CMarigoldRouteDoc::EMode::ReadOnly);
      const std::optional<CBytes> bytes = ReadFileBytes(route);
      ASSERT_TRUE(bytes.has_value());
      ASSERT_NO_THROW(reader.LoadRouteDocument(*bytes, 4));
    }
    for (const char* name : {"voyage.dat", "meteo.dat", "voyage.rtp"})
      ASSERT_FALSE(fs::exists(fixture.File(std::string(name) + ".damaged")));
  }
  // The temporary files of the killed saves go at the next save.
  {
    CMarigoldRouteDoc doc(fixture.store, fixture.prompter, fixture.clock);
    doc.Fixes().AddNew();
    ASSERT_TRUE(doc.Save(route).route);
  }
  for (const auto& entry : fs::directory_iterator(fixture.folder.Path()))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".marigold-")) << entry.path();
}

}  // namespace
}  // namespace marigold
