// The values of the "Configuration" dialog and the settings behind them.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "core/Configuration.h"
#include "core/Settings.h"
#include "fakes/TestSupport.h"

namespace marigold {
namespace {

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
      {2, 7, ",", fix}, {31, 7, ",", fix}, {-1, 5, "", fix}, {3, 7, ",", "accepted"},
      {30, 5, "", hurri}, {30, 31, ",", hurri}, {30, 6, ",", "accepted"},
      {7, 7, "", oneCharacter}, {7, 7, ";;", oneCharacter}, {7, 7, ", ", oneCharacter},
      {7, 7, ";", "accepted"}, {7, 7, "\\", "accepted"}, {7, 7, "\t", "accepted"}, {7, 7, "§", "accepted"},
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
  for (const char* key : {"vesseldata", "Routedat", "portinfo", "Meteodat", "Warningdat", "Hurricanedat",
                          "DaysOldFix", "DaysOldHurri", "ConvChar", "AskLoadOld"})
    EXPECT_TRUE(store.Has("Path", key)) << key;

  const CConfigurationFields back = ReadConfiguration(store);
  EXPECT_EQ(back.paths, paths);
  EXPECT_EQ(std::tie(back.daysOldFix, back.daysOldHurri, back.separator, back.askLoadOld),
            std::make_tuple(12, 20, ";", false));
}

TEST(Configuration, StoredValuesOutOfRangeAreBroughtIntoIt) {
  CMemorySettingsStore store;
  store.WriteInt("Path", "DaysOldFix", 0);
  store.WriteInt("Path", "DaysOldHurri", 365);
  store.WriteInt("Path", "AskLoadOld", 7);
  EXPECT_EQ(ReadSetting(store, settings::kDaysOldFix), 3);
  EXPECT_EQ(ReadSetting(store, settings::kDaysOldHurri), 30);
  EXPECT_EQ(ReadSetting(store, settings::kAskLoadOld), 1);
  EXPECT_FALSE(Validate(ReadConfiguration(store)));
}

}  // namespace
}  // namespace marigold
