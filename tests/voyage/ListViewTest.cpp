// The list beside the navigation tree: columns, rows and the records behind
// them, header clicks, and the tree's selection.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "core/CivilTime.h"
#include "core/FileIo.h"
#include "core/LocalClock.h"
#include "fakes/DataFolder.h"
#include "fakes/Fakes.h"
#include "fakes/TestSupport.h"
#include "voyage/ListView.h"
#include "voyage/NavigationTree.h"

namespace marigold {
namespace {

namespace fs = std::filesystem;

// 2023-11-15 00:00 UTC, a Wednesday.
const double kDay = DayNumberOf({2023, 11, 15, 0, 0, 0});

template <class Record>
Record* Place(Record* r, const char* name, double latitude, double longitude) {
  r->SetName(name);
  r->SetLatitude(latitude);
  r->SetLongitude(longitude);
  r->SetUtcDifference(1);
  return r;
}

class ListView : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("marigold-listview-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    UseDataFolder(store, dir_.string());
    store.WriteInt("Path", "AskLoadOld", 0);
    ASSERT_TRUE(WriteFreshDataFiles(store));
    doc.emplace(store, prompter, clock);
    doc->Fixes().RemoveAll();
    prompter.messages.clear();
  }
  void TearDown() override {
    doc.reset();
    fs::remove_all(dir_);
  }

  // 50N, 51N, 52N on the meridian, hand-entered calm weather, due at the
  // last at 10:00 UTC; a fix 6 nM short of the second waypoint.
  void MakeVoyage() {
    for (int i = 0; i < 3; ++i) {
      CWaypoint* w = Place(doc->Voyage().AddNew(), i == 0 ? "Alpha" : i == 1 ? "Bravo" : "Charlie", 50.0 + i, 0);
      w->useAverageWeather = false;
      w->weather = CWeatherData{};
    }
    CWaypoint& first = *doc->Voyage().GetHead();
    first.SetTime(kDay);
    first.SetTimeA(kDay);
    doc->Voyage().GetTail()->SetTimeB(kDay + 10.0 / 24);
    doc->Voyage().GetTail()->greatCircle = true;
    fix = Place(doc->Fixes().AddNew(), "Fix", 50.9, 0);
    fix->SetTime(kDay + 5.4 / 24);
  }

  CListContent Show(EListKind kind) {
    doc->selectedList = kind;
    return FillList(*doc);
  }

  fs::path dir_;
  CMemorySettingsStore store;
  CScriptedPrompter prompter;
  CFixedClock clock{1700000000};
  std::optional<CMarigoldRouteDoc> doc;
  CFixRecord* fix = nullptr;
};

TEST_F(ListView, ColumnsFollowTheFlagsAndPrintDialogsGiveBackTheList) {
  doc->Voyage().keepRpmConstant = true;
  CListColumns c = ListColumns(*doc, EListKind::Schedule);
  EXPECT_EQ(c[2].title, "Fixed RPM");
  EXPECT_EQ(c[3].title, "Grnd Speed");
  EXPECT_EQ(c[3].align, EColumnAlign::Right);
  doc->Voyage().keepRpmConstant = false;
  c = ListColumns(*doc, EListKind::Schedule);
  EXPECT_EQ(c[2].title, "RPM");
  EXPECT_EQ(c[3].title, "Fixed Grnd Speed");
  c = ListColumns(*doc, EListKind::ReportingPoints);
  EXPECT_EQ(c[3].width, 0);
  EXPECT_EQ(c[5].width, 100);

  // A print dialog chooses what it prints while it is open; closing it gives
  // back the selected list (and no print mode).
  doc->selectedList = EListKind::Warnings;
  {
    CPrintScope plan(*doc, EPrintMode::CoverPage);
    EXPECT_EQ(doc->printMode, EPrintMode::CoverPage);
    plan.Choose(EListKind::Waypoints);
    EXPECT_FALSE(doc->printMode);
    EXPECT_EQ(FillList(*doc).columns[1].title, "Latitude");
    {
      CPrintScope status(*doc, EPrintMode::VoyageStatus);
      status.Choose(EPrintMode::VoyageGraph);
    }
    EXPECT_EQ(doc->selectedList, EListKind::Waypoints);
    EXPECT_FALSE(doc->printMode);
    plan.Choose(EPrintMode::NotesPage);
  }
  EXPECT_EQ(doc->selectedList, EListKind::Warnings);
  EXPECT_FALSE(doc->printMode);
}

TEST_F(ListView, AnEmptyRouteStillShowsTheStartPosition) {
  fix = Place(doc->Fixes().AddNew(), "Fix", 50.9, 0);
  fix->SetTime(kDay + 5.4 / 24);
  for (const EListKind kind : {EListKind::Schedule, EListKind::Waypoints}) {
    const CListContent list = Show(kind);
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(list.RecordAt(0), nullptr);
    }
  EXPECT_EQ(Show(EListKind::Schedule).rows[0].cells[1], "Wed 15 Nov 06:24 LT");
  EXPECT_EQ(Show(EListKind::Waypoints).rows[0].cells[1], "50 : 54.00 N");
}

TEST_F(ListView, ScheduleStartsAtTheFixOrWithTheWholeRoute) {
  MakeVoyage();
  CWaypoint& last = *doc->Voyage().GetTail();
  last.weather.windDirection = 45;
  last.weather.windSpeed = 15;
  doc->openedFromFile = false;

  CListContent list = Show(EListKind::Schedule);
  EXPECT_EQ(list.columns[0].title, "Remaining Voyage");
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[0].cells[0], "Fix");
  EXPECT_EQ(list.RecordAt(1), doc->Voyage().GetAt(1));
  EXPECT_EQ(list.RecordAt(2), &last);
  EXPECT_EQ(list.RecordAt(3), nullptr);
  const CListCells& c = list.rows[2].cells;
  EXPECT_EQ(c[1], "Wed 15 Nov 11:00 LT");
  EXPECT_EQ(c[5], "NE 15.0 kts");
  EXPECT_EQ(c[6], "N 0.0 kts");
  EXPECT_EQ(c[7], "1.00 hrs");

  EXPECT_TRUE(OnHeaderClick(*doc, 0).refresh);
  list = Show(EListKind::Schedule);
  EXPECT_EQ(list.columns[0].title, "Total Voyage");
  ASSERT_EQ(list.rows.size(), 4u);
  EXPECT_EQ(list.rows[0].cells[1], "Wed 15 Nov 01:00 LT");
  EXPECT_EQ(list.RecordAt(1), doc->Voyage().GetHead());
}

TEST_F(ListView, WaypointAndMeteoCells) {
  MakeVoyage();
  doc->openedFromFile = true;
  CListContent list = Show(EListKind::Waypoints);
  ASSERT_EQ(list.rows.size(), 4u);
  const CListCells& b = list.rows[2].cells;
  EXPECT_EQ(b[3], "RL   0 deg");
  EXPECT_EQ(b[4], "    60.0 nM");
  EXPECT_EQ(b[5], "  0 deg");
  EXPECT_EQ(b[6], "    60 nM");
  EXPECT_EQ(list.rows[3].cells[3], "GC   0 deg");

  doc->Voyage().GetHead()->useAverageWeather = true;
  doc->Voyage().GetHead()->weather.count = 0;
  list = Show(EListKind::Meteo);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.RecordAt(0), doc->Voyage().GetHead());
  EXPECT_EQ(list.rows[0].cells[1], "Average data");
  EXPECT_EQ(list.rows[1].cells[1], "Manual data");
  EXPECT_EQ(list.rows[1].cells[6], "1000.0 mb");
  OnHeaderClick(*doc, 1);
  EXPECT_EQ(Show(EListKind::Meteo).rows[0].cells[1], "Latest data");
}

TEST_F(ListView, RecordListsMeasureFromTheLatestFix) {
  MakeVoyage();
  fix->groundspeed = 12;
  fix->logSpeed = 11.5;
  fix->engineRpm = 95;
  fix->draft = 8.3;
  EXPECT_EQ(Show(EListKind::PositionFixes).rows[0].cells,
            (CListCells{"15 Nov 06:24 LT", "50 : 54.00 N", "0 : 0.00 E", "0.0 deg", "12.00 kts", "11.50 kts",
                        "95. rpm", "8.3 mtr"}));

  CHurricane* storm = Place(doc->Storms().AddNew(), "Ana", 51.0, 0);
  storm->course = 270;
  storm->speed = 8;
  EXPECT_EQ(Show(EListKind::Storms).rows[0].cells,
            (CListCells{"Ana", "51 : 0.00 N", "0 : 0.00 E", "6.0 nM", "0.0 deg", "270.0 deg", "8.0 kts", "900 mb"}));

  Place(doc->Ports().AddNew(), "Ostend", 51.9, 0);
  EXPECT_EQ(Show(EListKind::Ports).rows[0].cells[5], " 60.0 nM");

  // The passing time comes from this schedule, not from an older one.
  CReportingPoint* point = Place(doc->ReportingPoints().AddNew(), "Pilot", 51.9, 0);
  point->waypointIndex = 2;
  point->distanceBefore = 0;
  point->notes = "VHF 12";
  Show(EListKind::Schedule);
  EXPECT_EQ(Show(EListKind::ReportingPoints).rows[0].cells,
            (CListCells{"Pilot", "    60.0 nM", "Wednesday 15 Nov 11:00 LT", "", "", "VHF 12", "", ""}));
}

TEST_F(ListView, WarningsWithoutATrackOrAFixSayNA) {
  Place(doc->Voyage().AddNew(), "Alpha", 50, 0);
  fix = Place(doc->Fixes().AddNew(), "Fix", 50.9, 0);
  CNavWarning* warning = Place(doc->Warnings().AddNew(), "Wreck", 51.0, 0);
  CListContent list = Show(EListKind::Warnings);
  EXPECT_EQ(list.RecordAt(0), warning);
  EXPECT_EQ(list.rows[0].cells[2], "6.0 nM");
  EXPECT_EQ(list.rows[0].cells[3], "NA");
  EXPECT_EQ(list.rows[0].cells[4], "NA");

  doc->Fixes().RemoveAll();
  list = Show(EListKind::Warnings);
  EXPECT_EQ(list.rows[0].cells[1], "NA");
  EXPECT_EQ(list.rows[0].cells[2], "NA");
}

TEST_F(ListView, ChartsAndBooksSplitOnePublicationList) {
  CPublication* chart = doc->Publications().AddNew();
  chart->number = "1406";
  chart->publicationDate = CalendarTimeFromLocal({2023, 3, 6, 12, 0, 0});
  CPublication* book = doc->Publications().AddNew();
  book->chart = false;
  book->number = "NP 100";
  CListContent list = Show(EListKind::Charts);
  ASSERT_EQ(list.rows.size(), 1u);
  EXPECT_EQ(list.RecordAt(0), chart);
  EXPECT_EQ(list.rows[0].cells[4], "Monday 06 Mar");
  list = Show(EListKind::Books);
  ASSERT_EQ(list.rows.size(), 1u);
  EXPECT_EQ(list.rows[0].cells[0], "NP 100");
}

TEST_F(ListView, HeaderClicksChangeSettingsNeverSort) {
  doc->selectedList = EListKind::Schedule;
  Place(doc->Voyage().AddNew(), "Alpha", 50, 0);
  EXPECT_FALSE(OnHeaderClick(*doc, 1).openCalculateEta);  // one waypoint
  Place(doc->Voyage().AddNew(), "Bravo", 51, 0);
  EXPECT_TRUE(OnHeaderClick(*doc, 1).openCalculateEta);

  doc->modified = false;
  OnHeaderClick(*doc, 2);  // already fixed RPM
  EXPECT_FALSE(doc->modified);
  OnHeaderClick(*doc, 3);
  EXPECT_FALSE(doc->Voyage().keepRpmConstant);
  EXPECT_TRUE(doc->modified);

  doc->selectedList = EListKind::Ports;
  const bool opened = doc->openedFromFile;
  EXPECT_TRUE(OnHeaderClick(*doc, 0).refresh);
  EXPECT_EQ(doc->openedFromFile, opened);
}

TEST_F(ListView, NavigationTreeSelection) {
  EXPECT_EQ(TreeListOf("Hurricanes"), EListKind::Storms);
  EXPECT_FALSE(OnTreeSelection(*doc, std::nullopt));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, "Please select list first");
  EXPECT_EQ(prompter.messages[0].icon, EMessageIcon::None);

  EXPECT_TRUE(OnTreeSelection(*doc, "Books"));
  EXPECT_EQ(static_cast<int>(doc->selectedList), 8);
  EXPECT_TRUE(doc->listChanged);

  doc->Voyage().weatherSource = true;
  OnTreeSelection(*doc, "Schedule");
  OnTreeSelection(*doc, "Schedule");
  EXPECT_EQ(static_cast<int>(doc->selectedList), 0);
  ASSERT_EQ(prompter.messages.size(), 3u);
  EXPECT_EQ(prompter.messages[2].text,
            "Your voyageplanning has been set to use\nonly the latest weatherobservation.\nThis might result in less "
            "accurate wind\nand current data being used");
  EXPECT_EQ(prompter.messages[2].icon, EMessageIcon::Exclamation);
}

}  // namespace
}  // namespace marigold
