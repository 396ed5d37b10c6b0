// Where file dialogs open: the folder of the file used last, kept in the
// settings store, unless the caller names one.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/MemorySettingsStore.h"
#include "core/StartFolder.h"
#include "fakes/Fakes.h"
#include "fakes/TempFolder.h"

namespace marigold {
namespace {

TEST(StartFolder, FollowsTheFileUsedLastWhileItsFolderExists) {
  const CTempFolder first("first"), second("second");
  CMemorySettingsStore store;
  CScriptedPrompter dialogs;
  CStartFolderPrompter prompter(dialogs, store);
  const auto startedIn = [&] { return dialogs.fileChoices.back().folder; };

  EXPECT_FALSE(prompter.ChooseOpenFile({"", "csv", ""}));
  EXPECT_EQ(startedIn(), "");  // nothing used yet: the platform's choice
  dialogs.files = {first.File("ports.csv")};
  prompter.ChooseOpenFile({});
  prompter.ChooseSaveFile({});  // cancelled: the folder stays
  EXPECT_EQ(startedIn(), first.Path().string());
  dialogs.files = {second.File("route.rtz")};
  prompter.ChooseSaveFile({});
  prompter.ChooseSaveFile({});
  EXPECT_EQ(startedIn(), second.Path().string());
  // A folder the caller names stands.
  prompter.ChooseOpenFile({"vessel", "dat", "", "/charts"});
  EXPECT_EQ(startedIn(), "/charts");

  // Kept in the store, for the next run; a bare name is no folder.
  RememberFileFolder(store, "Route.rtp");
  EXPECT_EQ(StartFolder(store), second.Path().string());
  RememberFileFolder(store, first.File("voyage.rtp"));
  CStartFolderPrompter nextRun(dialogs, store);
  nextRun.ChooseOpenFile({});
  EXPECT_EQ(startedIn(), first.Path().string());
  std::filesystem::remove_all(first.Path());  // a stick taken out
  nextRun.ChooseOpenFile({});
  EXPECT_EQ(startedIn(), "");
}

}  // namespace
}  // namespace marigold
