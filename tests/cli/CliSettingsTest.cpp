// The settings the command line works with (CommandLineSettings): with
// --data DIR its settings.ini when it exists, else the user's store, which
// the command line never writes; the data files are always DIR's.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "cli/CliContext.h"
#include "core/MemorySettingsStore.h"
#include "core/Settings.h"
#include "fakes/TempFolder.h"
#include "fakes/TestSupport.h"
#include "qtplatform/QtSettingsStore.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

// The user's store lives in a configuration folder of the test's own, set
// before the first QSettings of the process is made.
class UserStore : public ::testing::Environment {
 public:
  void SetUp() override { ::setenv("XDG_CONFIG_HOME", Folder().Path().c_str(), 1); }
  static const CTempFolder& Folder() {
    static const CTempFolder folder("config");
    return folder;
  }
  static std::string File() { return (Folder().Path() / "Lanternfish Works" / "Marigold Route.conf").string(); }
};

[[maybe_unused]] const auto* const kUserStore = ::testing::AddGlobalTestEnvironment(new UserStore);

class CommandLineSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CQtSettingsStore user;
    WriteSetting(user, settings::kConvChar, "|");
    WriteSetting(user, settings::kCallSign, "USER");
    WriteSetting(user, settings::kDaysOldFix, 12);
    WriteSetting(user, settings::kVesselData, "/ship/vessel.dat");
    ASSERT_TRUE(user.Sync());
    userBytes = FileText(UserStore::File());
  }
  void TearDown() override { EXPECT_EQ(FileText(UserStore::File()), userBytes) << "the user's store was written"; }

  std::string Ini() const { return data.File(kDataFolderSettings); }

  CTempFolder data{"data"};
  std::string userBytes;
};

TEST_F(CommandLineSettingsTest, WithoutADataFolderTheUsersStoreIsReadAndNeverWritten) {
  const auto settings = CommandLineSettings(std::nullopt);
  EXPECT_EQ(std::tuple(ReadSetting(*settings, settings::kConvChar), ReadSetting(*settings, settings::kCallSign),
                       ReadSetting(*settings, settings::kVesselData)),
            std::tuple("|", "USER", "/ship/vessel.dat"));
  WriteSetting(*settings, settings::kCallSign, "CHANGED");
  EXPECT_EQ(ReadSetting(*settings, settings::kCallSign), "CHANGED");  // for the rest of the command only
}

TEST_F(CommandLineSettingsTest, ADataFoldersSettingsIniIsReadWhenItExists) {
  {
    CQtSettingsStore ini(Ini());
    WriteSetting(ini, settings::kConvChar, ";");
    WriteSetting(ini, settings::kCallSign, "PDMT");
    WriteSetting(ini, settings::kImoNumber, "9876543");
    ASSERT_TRUE(ini.Sync());
  }
  const auto settings = CommandLineSettings(data.Path().string());
  EXPECT_EQ(std::tuple(ReadSetting(*settings, settings::kConvChar), ReadSetting(*settings, settings::kCallSign),
                       ReadSetting(*settings, settings::kImoNumber), ReadSetting(*settings, settings::kDaysOldFix)),
            std::tuple(";", "PDMT", "9876543", 7));  // DaysOldFix: not in settings.ini, its default
  EXPECT_EQ(ReadSetting(*settings, settings::kVesselData), data.File("vessel.dat"));

  // A changed setting goes to settings.ini; a data file that could not be
  // located is not remembered there.
  WriteSetting(*settings, settings::kDaysOldFix, 0);
  WriteSetting(*settings, settings::kVesselData, "");
  EXPECT_EQ(std::pair(ReadSetting(*settings, settings::kDaysOldFix), ReadSetting(*settings, settings::kVesselData)),
            std::pair(0, std::string()));
  const CQtSettingsStore back(Ini());
  EXPECT_EQ(std::tuple(ReadSetting(back, settings::kDaysOldFix), ReadSetting(back, settings::kCallSign),
                       back.GetString("Path", "vesseldata", "absent")),
            std::tuple(0, "PDMT", "absent"));
}

TEST_F(CommandLineSettingsTest, WithoutSettingsIniTheUsersStoreIsReadAndAChangeMakesSettingsIni) {
  const auto settings = CommandLineSettings(data.Path().string());
  EXPECT_EQ(std::tuple(ReadSetting(*settings, settings::kConvChar), ReadSetting(*settings, settings::kCallSign),
                       ReadSetting(*settings, settings::kVesselData)),
            std::tuple("|", "USER", data.File("vessel.dat")));
  EXPECT_FALSE(fs::exists(Ini()));  // reading makes nothing

  WriteSetting(*settings, settings::kCallSign, "PDMT");
  ASSERT_TRUE(fs::exists(Ini()));
  // Made from the settings read, so that the next command reads them all.
  const CQtSettingsStore back(Ini());
  EXPECT_EQ(std::tuple(ReadSetting(back, settings::kCallSign), ReadSetting(back, settings::kConvChar),
                       ReadSetting(back, settings::kDaysOldFix)),
            std::tuple("PDMT", "|", 12));
  const auto next = CommandLineSettings(data.Path().string());
  EXPECT_EQ(std::pair(ReadSetting(*next, settings::kCallSign), ReadSetting(*next, settings::kVesselData)),
            std::pair(std::string("PDMT"), data.File("vessel.dat")));
}

// The desktop program with --data DIR reads DIR/settings.ini too, into
// memory, and leaves the file as it was.
TEST(DataFolderSettings, AreReadAndTheFileLeftAlone) {
  const CTempFolder data("data");
  const std::string ini = data.File(kDataFolderSettings);
  const std::string text = "[Vessel]\nCallSign=PBXQ\n\n[Path]\nConvChar=,\nDaysOldFix=12\n";
  PutFile(ini, text);
  CMemorySettingsStore store;
  ReadDataFolderSettings(data.Path().string(), store);
  EXPECT_EQ(std::tuple(ReadSetting(store, settings::kCallSign), ReadSetting(store, settings::kConvChar),
                       ReadSetting(store, settings::kDaysOldFix)),
            std::tuple("PBXQ", ",", 12));
  WriteSetting(store, settings::kCallSign, "CHANGED");
  EXPECT_EQ(FileText(ini), text);
  // A folder without the file gives the defaults.
  CMemorySettingsStore none;
  ReadDataFolderSettings(data.File("elsewhere"), none);
  EXPECT_EQ(ReadSetting(none, settings::kCallSign), "XXXX");
}

}  // namespace
}  // namespace marigold
