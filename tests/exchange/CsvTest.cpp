// Comma-separated exchange: the line forms written out by hand, splitting,
// quoting, and the file operations.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/Voyage.h"
#include "fakes/Fakes.h"
#include "exchange/CsvFile.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

std::string LineOf(const CWaypoint& w, const std::string& separator = ",") {
  CCsvRow row(separator);
  WriteCsv(w, row);
  return row.Line();
}

TEST(CsvLine, WaypointLineForm) {
  CWaypoint w;
  w.SetName("Bishop Rock");
  w.SetLatitude(49.871666);
  w.SetLongitude(-6.445);
  w.SetUtcDifference(1);
  w.SetTime(1097.5);
  w.SetTimeB(1098.25);
  w.SetTimeA(1098.125);
  w.keepGroundspeed = true;
  w.greatCircle = true;
  w.resistanceIndex = 0.5;
  w.keptGroundspeed = 14.5;
  w.groundCourse = 258.8;
  w.legDistance = 120.25;
  w.gyroCourse = 260;
  w.logDistance = 121;
  w.passWithinDistance = 2;
  w.engineRpm = 92;
  EXPECT_EQ(LineOf(w),
            "Bishop Rock,49.8717,-6.4450,0.041667,1097.500000,1098.250000,1098.125000,"
            "TRUE,FALSE,FALSE,TRUE,0.5000,14.500,258.800,120.250,260.000,121.000,2.00,92.0\n");
}

TEST(CsvLine, FixLineForm) {
  CFixRecord f;
  f.SetName("PositionFix 05 Dec 12:30 LT");
  f.draft = 12.8;
  f.engineRpm = 92;
  f.groundCourse = 45.5;
  f.groundspeed = 12.25;
  f.gyroCourse = 47;
  f.logSpeed = 13;
  f.logReading = 95.5;
  f.weather.currentSet = 90;
  f.weather.currentRate = 0.5;
  CCsvRow row(";");
  WriteCsv(f, row);
  EXPECT_EQ(row.Line(),
            "PositionFix 05 Dec 12:30 LT;45.0000;5.0000;0.000000;0.000000;0.000000;0.000000;"
            "12.8;92.0;45.50;12.25;47.0;13.0;95.5;90.0;0.5;0.0;0.0;1000.0;18.0;18.0\n");
}

TEST(CsvLine, SplitsAtEverySeparator) {
  const CCsvFields fields("a;;b;", ";");
  ASSERT_EQ(fields.Count(), 4u);
  EXPECT_EQ(fields.Text(0), "a");
  EXPECT_EQ(fields.Text(1), "");
  EXPECT_EQ(fields.Text(2), "b");
  EXPECT_EQ(fields.Text(3), "");
  EXPECT_EQ(CCsvFields("", ",").Count(), 0u);
}

TEST(CsvLine, TextsWithTheSeparatorOrQuotesAreQuotedAndReadBackWhole) {
  CCsvRow row(",");
  row.Text("Rotterdam, Maasvlakte");
  row.Text("the \"Noord\" buoy");
  row.Text("plain");
  const std::string line = row.Line();
  EXPECT_EQ(line, "\"Rotterdam, Maasvlakte\",\"the \"\"Noord\"\" buoy\",plain\n");
  const CCsvFields fields(std::string_view(line).substr(0, line.size() - 1), ",");
  ASSERT_EQ(fields.Count(), 3u);
  EXPECT_EQ(fields.Text(0), "Rotterdam, Maasvlakte");
  EXPECT_EQ(fields.Text(1), "the \"Noord\" buoy");
  // A quote that does not close the column is an ordinary character, as
  // older files wrote it.
  const CCsvFields old("\"Big\" Bay,2", ",");
  ASSERT_EQ(old.Count(), 2u);
  EXPECT_EQ(old.Text(0), "\"Big\" Bay");
}

TEST(CsvLine, NumbersReadAsAtofAndFlagsOnlyAsTRUE) {
  const CCsvFields fields("12.5kn,abc,True,TRUE,7x", ",");
  double number = -1, text = -1;
  bool lower = true, upper = false;
  int integer = 0, missing = 42;
  fields.Read(0, number);
  fields.Read(1, text);
  fields.ReadFlag(2, lower);
  fields.ReadFlag(3, upper);
  fields.Read(4, integer);
  fields.Read(9, missing);
  EXPECT_EQ(number, 12.5);
  EXPECT_EQ(text, 0.0);
  EXPECT_FALSE(lower);
  EXPECT_TRUE(upper);
  EXPECT_EQ(integer, 7);
  EXPECT_EQ(missing, 42);
}

class CsvFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("marigold-csv-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path dir_;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
};

TEST_F(CsvFile, ExportAppendsAndRoundTripsEveryColumn) {
  CVoyage route;
  CWaypoint* w = route.AddNew();
  w->SetName("Ambrose; pilot");
  w->SetLatitude(40.458333);
  w->SetLongitude(-73.831667);
  w->keepGroundspeed = true;
  w->engineRpm = 88.5;
  store.WriteString("Path", "ConvChar", ";");
  const std::string path = Path("route.csv");
  ASSERT_TRUE(ExportCsv(route, path, store, prompter, kCsvVoyageEmpty));
  ASSERT_TRUE(ExportCsv(route, path, store, prompter, kCsvVoyageEmpty));
  const std::string line = LineOf(*w, ";");
  EXPECT_EQ(Contents(path), line + line);

  CVoyage back;
  ASSERT_TRUE(ImportCsv(back, path, store));
  ASSERT_EQ(back.GetCount(), 2);
  EXPECT_EQ(back.GetHead()->GetName(), "Ambrose; pilot");
  EXPECT_EQ(LineOf(*back.GetHead(), ";"), line);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CsvFile, EmptyListOrUnopenableFileIsReportedWithThePath) {
  CVoyage route;
  const std::string path = Path("none.csv");
  EXPECT_FALSE(ExportCsv(route, path, store, prompter, kCsvVoyageEmpty));
  route.AddNew();
  EXPECT_FALSE(ExportCsv(route, Path("missing/folder.csv"), store, prompter));
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[0].text, "Voyage empty or\nUnable to open file \n" + path);
  EXPECT_EQ(prompter.messages[1].text, "List empty or\nUnable to open file \n" + Path("missing/folder.csv"));
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(CsvFile, EveryLineAddsARecordAndLongLinesComeInPieces) {
  const std::string path = Path("in.csv");
  std::ofstream(path, std::ios::binary) << "A,10.5,20.25\r\n\n" << std::string(800, 'x') << "\nG\xF6teborg,1\n";
  CVoyage route;
  ASSERT_TRUE(ImportCsv(route, path, store));
  ASSERT_EQ(route.GetCount(), 5);
  EXPECT_EQ(route.GetAt(0)->GetName(), "A");
  EXPECT_EQ(route.GetAt(0)->GetLongitude(), 20.25);
  const CWaypoint fresh;
  EXPECT_EQ(route.GetAt(1)->GetName(), fresh.GetName());
  EXPECT_EQ(route.GetAt(1)->GetLatitude(), fresh.GetLatitude());
  EXPECT_EQ(route.GetAt(2)->GetName(), std::string(799, 'x'));
  EXPECT_EQ(route.GetAt(3)->GetName(), "x");
  EXPECT_EQ(route.GetAt(4)->GetName(), "Göteborg");
  EXPECT_FALSE(ImportCsv(route, Path("absent.csv"), store));
  EXPECT_EQ(route.GetCount(), 5);
}

}  // namespace
}  // namespace marigold
