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
  const CConfiguration c = CConfiguration::Read(empty);
  const std::array<std::string, 6> expected = {"vessel.dat",  "voyage.dat", "port.dat",
                                               "warning.dat", "meteo.dat",  "hurricane.dat"};
  EXPECT_EQ(c.paths, expected);
  EXPECT_EQ(c.PathOf(EDataFile::Meteo), "meteo.dat");
  EXPECT_EQ(c.daysOldFix, 7);
  EXPECT_EQ(c.daysOldHurri, 7);
  EXPECT_EQ(c.separator, ",");
  EXPECT_TRUE(c.askLoadOld);
  EXPECT_FALSE(c.Validate());
}

TEST(Configuration, RangesAndTheOneSeparatorCharacter) {
  CConfiguration c;
  for (const int days : {2, 31, -1}) {
    c.daysOldFix = days;
    EXPECT_EQ(c.Validate(), "Please enter an integer between 3 and 30.") << days;
  }
  c.daysOldFix = 3;
  EXPECT_FALSE(c.Validate());
  c.daysOldFix = 30;
  c.daysOldHurri = 5;
  EXPECT_EQ(c.Validate(), "Please enter an integer between 6 and 30.");
  c.daysOldHurri = 6;
  EXPECT_FALSE(c.Validate());

  for (const char* refused : {"", ";;", ", "}) {
    c.separator = refused;
    EXPECT_TRUE(c.Validate()) << '"' << refused << '"';
  }
  for (const char* accepted : {";", "\\", "\t", "§"}) {
    c.separator = accepted;
    EXPECT_FALSE(c.Validate()) << accepted;
  }
}

TEST(Configuration, WriteStoresAllTenAndReadsThemBack) {
  CMemorySettingsStore store;
  CConfiguration c;
  const std::array<std::string, 6> paths = {"/data/v.dat", "/data/h.dat", "/data/p.dat",
                                            "/data/w.dat", "/data/m.dat", "/data/s.dat"};
  c.paths = paths;
  c.daysOldFix = 12;
  c.daysOldHurri = 20;
  c.separator = ";";
  c.askLoadOld = false;
  c.Write(store);
  for (const char* key : {"vesseldata", "Routedat", "portinfo", "Meteodat", "Warningdat", "Hurricanedat",
                          "DaysOldFix", "DaysOldHurri", "ConvChar", "AskLoadOld"})
    EXPECT_TRUE(store.Has("Path", key)) << key;

  const CConfiguration back = CConfiguration::Read(store);
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
  EXPECT_FALSE(CConfiguration::Read(store).Validate());
}

}  // namespace
}  // namespace marigold
