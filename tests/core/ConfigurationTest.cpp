// The values of the "Configuration" dialog and the settings behind them.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/Configuration.h"
#include "core/Settings.h"
#include "fakes/Fakes.h"

namespace marigold {
namespace {

TEST(Configuration, FirstStartUsesTheDefaults) {
  const CMemorySettingsStore empty;
  const CConfigurationFields c = ReadConfiguration(empty);
  const std::array<std::string, 6> expected = {"vessel.dat",  "voyage.dat", "port.dat",
                                               "warning.dat", "meteo.dat",  "hurricane.dat"};
  EXPECT_EQ(c.paths, expected);
  EXPECT_EQ(c.PathOf(EDataFile::Meteo), "meteo.dat");
  EXPECT_EQ(c.daysOldFix, 7);
  EXPECT_EQ(c.daysOldHurri, 7);
  EXPECT_EQ(c.separator, ",");
  EXPECT_TRUE(c.askLoadOld);
  EXPECT_FALSE(Validate(c));
}

TEST(Configuration, RefusalsNameTheFieldInTheOrderOfTheDialog) {
  struct CCase {
    int daysOldFix;
    int daysOldHurri;
    const char* separator;
    const char* field;  // nullptr: accepted
    const char* message;
  };
  const char* const kFixRange = "Please enter an integer between 3 and 30.";
  const char* const kHurriRange = "Please enter an integer between 6 and 30.";
  const char* const kOneCharacter = "Please enter one separation character.";
  const CCase cases[] = {
      {2, 7, ",", "DaysOldFix", kFixRange},
      {31, 7, ",", "DaysOldFix", kFixRange},
      {-1, 5, "", "DaysOldFix", kFixRange},
      {3, 7, ",", nullptr, nullptr},
      {30, 5, "", "DaysOldHurri", kHurriRange},
      {30, 31, ",", "DaysOldHurri", kHurriRange},
      {30, 6, ",", nullptr, nullptr},
      {7, 7, "", "ConvChar", kOneCharacter},
      {7, 7, ";;", "ConvChar", kOneCharacter},
      {7, 7, ", ", "ConvChar", kOneCharacter},
      {7, 7, ";", nullptr, nullptr},
      {7, 7, "\\", nullptr, nullptr},
      {7, 7, "\t", nullptr, nullptr},
      {7, 7, "§", nullptr, nullptr},
  };
  for (const CCase& test : cases) {
    CConfigurationFields c;
    c.daysOldFix = test.daysOldFix;
    c.daysOldHurri = test.daysOldHurri;
    c.separator = test.separator;
    const auto refusal = Validate(c);
    const std::string label = std::to_string(test.daysOldFix) + "/" + std::to_string(test.daysOldHurri) + "/\"" +
                              test.separator + '"';
    if (!test.field) {
      EXPECT_FALSE(refusal) << label;
      continue;
    }
    ASSERT_TRUE(refusal) << label;
    EXPECT_EQ(refusal->field, test.field) << label;
    EXPECT_EQ(refusal->message, test.message) << label;
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
  EXPECT_EQ(back.daysOldFix, 12);
  EXPECT_EQ(back.daysOldHurri, 20);
  EXPECT_EQ(back.separator, ";");
  EXPECT_FALSE(back.askLoadOld);
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
