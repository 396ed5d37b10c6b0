// The list beside the navigation tree: columns, rows and the records behind
// them, header clicks, and the tree's selection.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "fakes/DocumentFixture.h"
#include "fakes/SmallVoyage.h"
#include "voyage/ListView.h"
#include "voyage/NavigationTree.h"

namespace marigold {
namespace {

// Chosen cells of a row, joined by "|".
std::string Cells(const CListRow& row, std::initializer_list<int> columns) {
  std::string out;
  for (const int c : columns) out += (out.empty() ? "" : "|") + row.cells[static_cast<std::size_t>(c)];
  return out;
}

class ListView : public ::testing::Test, protected CDocumentFixture {
 protected:
  ListView() { doc->Fixes().RemoveAll(); }

  CListContent Show(EListKind kind) {
    doc->selectedList = kind;
    return FillList(*doc);
  }
};

TEST_F(ListView, ColumnsFollowTheFlagsAndPrintDialogsGiveBackTheList) {
  for (const auto& [keepRpm, titles] :
       {std::pair(true, "Fixed RPM|Grnd Speed"), std::pair(false, "RPM|Fixed Grnd Speed")}) {
    doc->Voyage().keepRpmConstant = keepRpm;
    const CListColumns c = ListColumns(*doc, EListKind::Schedule);
    EXPECT_EQ(c[2].title + "|" + c[3].title, titles);
    EXPECT_EQ(c[3].align, EColumnAlign::Right);
  }
  const CListColumns points = ListColumns(*doc, EListKind::ReportingPoints);
  EXPECT_EQ(std::tuple(points[3].width, points[5].width), std::tuple(0, 100));

  // A print dialog chooses what it prints while it is open; closing it gives
  // back the selected list (and no print mode).
  doc->selectedList = EListKind::Warnings;
  {
    CPrintScope plan(*doc, EPrintMode::CoverPage);
    EXPECT_EQ(doc->printMode, EPrintMode::CoverPage);
    plan.Choose(EListKind::Waypoints);
    EXPECT_EQ(std::tuple(doc->printMode, FillList(*doc).columns[1].title), std::tuple(std::nullopt, "Latitude"));
    {
      CPrintScope status(*doc, EPrintMode::VoyageStatus);
      status.Choose(EPrintMode::VoyageGraph);
    }
    EXPECT_EQ(std::tuple(doc->selectedList, doc->printMode), std::tuple(EListKind::Waypoints, std::nullopt));
    plan.Choose(EPrintMode::NotesPage);
  }
  EXPECT_EQ(std::tuple(doc->selectedList, doc->printMode), std::tuple(EListKind::Warnings, std::nullopt));
}

TEST_F(ListView, AnEmptyRouteStillShowsTheStartPosition) {
  OnMeridian(doc->Fixes().AddNew(), "Fix", 50.9)->SetTime(kSmallVoyageDay + 5.4 / 24);
  for (const auto& [kind, shown] :
       {std::pair(EListKind::Schedule, "Wed 15 Nov 06:24 LT"), std::pair(EListKind::Waypoints, "50 : 54.00 N")}) {
    const CListContent list = Show(kind);
    ASSERT_EQ(list.rows.size(), 1u);
    EXPECT_EQ(std::tuple(list.RecordAt(0), list.rows[0].cells[1]), std::tuple(nullptr, shown));
  }
}

TEST_F(ListView, ScheduleStartsAtTheFixOrWithTheWholeRoute) {
  AddSmallVoyage(*doc);
  CWaypoint& last = *doc->Voyage().GetTail();
  last.weather.windDirection = 45;
  last.weather.windSpeed = 15;
  doc->openedFromFile = false;

  CListContent list = Show(EListKind::Schedule);
  EXPECT_EQ(list.columns[0].title, "Remaining Voyage");
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[0].cells[0], "Fix");
  EXPECT_EQ(std::tuple(list.RecordAt(1), list.RecordAt(2), list.RecordAt(3)),
            std::tuple(doc->Voyage().GetAt(1), &last, nullptr));
  EXPECT_EQ(Cells(list.rows[2], {1, 5, 6, 7}), "Wed 15 Nov 11:00 LT|NE 15.0 kts|N 0.0 kts|1.00 hrs");

  EXPECT_TRUE(OnHeaderClick(*doc, 0).refresh);
  list = Show(EListKind::Schedule);
  EXPECT_EQ(list.columns[0].title, "Total Voyage");
  ASSERT_EQ(list.rows.size(), 4u);
  EXPECT_EQ(std::tuple(list.rows[0].cells[1], list.RecordAt(1)),
            std::tuple("Wed 15 Nov 01:00 LT", doc->Voyage().GetHead()));
}

TEST_F(ListView, WaypointAndMeteoCells) {
  AddSmallVoyage(*doc);
  doc->openedFromFile = true;
  CListContent list = Show(EListKind::Waypoints);
  ASSERT_EQ(list.rows.size(), 4u);
  EXPECT_EQ(Cells(list.rows[2], {3, 4, 5, 6}), "RL   0 deg|    60.0 nM|  0 deg|    60 nM");
  EXPECT_EQ(list.rows[3].cells[3], "GC   0 deg");

  doc->Voyage().GetHead()->useAverageWeather = true;
  doc->Voyage().GetHead()->weather.count = 0;
  list = Show(EListKind::Meteo);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.RecordAt(0), doc->Voyage().GetHead());
  EXPECT_EQ(Cells(list.rows[0], {1}) + "|" + Cells(list.rows[1], {1, 6}), "Average data|Manual data|1000.0 mb");
  OnHeaderClick(*doc, 1);
  EXPECT_EQ(Show(EListKind::Meteo).rows[0].cells[1], "Latest data");
}

TEST_F(ListView, RecordListsMeasureFromTheLatestFix) {
  CFixRecord* fix = AddSmallVoyage(*doc);
  fix->groundspeed = 12;
  fix->logSpeed = 11.5;
  fix->engineRpm = 95;
  fix->draft = 8.3;
  EXPECT_EQ(Show(EListKind::PositionFixes).rows[0].cells,
            (CListCells{"15 Nov 06:24 LT", "50 : 54.00 N", "0 : 0.00 E", "0.0 deg", "12.00 kts", "11.50 kts", "95. rpm",
                        "8.3 mtr"}));

  CHurricane* storm = OnMeridian(doc->Storms().AddNew(), "Ana", 51.0);
  storm->course = 270;
  storm->speed = 8;
  EXPECT_EQ(Show(EListKind::Storms).rows[0].cells,
            (CListCells{"Ana", "51 : 0.00 N", "0 : 0.00 E", "6.0 nM", "0.0 deg", "270.0 deg", "8.0 kts", "900 mb"}));

  OnMeridian(doc->Ports().AddNew(), "Ostend", 51.9);
  EXPECT_EQ(Show(EListKind::Ports).rows[0].cells[5], " 60.0 nM");

  // The passing time comes from this schedule, not from an older one.
  CReportingPoint* point = OnMeridian(doc->ReportingPoints().AddNew(), "Pilot", 51.9);
  point->waypointIndex = 2;
  point->distanceBefore = 0;
  point->notes = "VHF 12";
  Show(EListKind::Schedule);
  EXPECT_EQ(Show(EListKind::ReportingPoints).rows[0].cells,
            (CListCells{"Pilot", "    60.0 nM", "Wednesday 15 Nov 11:00 LT", "", "", "VHF 12", "", ""}));
}

TEST_F(ListView, WarningsWithoutATrackOrAFixSayNA) {
  OnMeridian(doc->Voyage().AddNew(), "Alpha", 50);
  OnMeridian(doc->Fixes().AddNew(), "Fix", 50.9);
  CNavWarning* warning = OnMeridian(doc->Warnings().AddNew(), "Wreck", 51.0);
  CListContent list = Show(EListKind::Warnings);
  EXPECT_EQ(std::tuple(list.RecordAt(0), Cells(list.rows[0], {2, 3, 4})), std::tuple(warning, "6.0 nM|NA|NA"));
  doc->Fixes().RemoveAll();
  EXPECT_EQ(Cells(Show(EListKind::Warnings).rows[0], {1, 2}), "NA|NA");
}

TEST_F(ListView, ChartsAndBooksSplitOnePublicationList) {
  CPublication* chart = doc->Publications().AddNew();
  chart->number = "1406";
  chart->publicationDate = CalendarTimeFromLocal({2023, 3, 6, 12, 0, 0});
  CPublication* book = doc->Publications().AddNew();
  book->chart = false;
  book->number = "NP 100";
  const CListContent charts = Show(EListKind::Charts);
  const CListContent books = Show(EListKind::Books);
  ASSERT_EQ(std::tuple(charts.rows.size(), books.rows.size()), std::tuple(1u, 1u));
  EXPECT_EQ(std::tuple(charts.RecordAt(0), charts.rows[0].cells[4], books.rows[0].cells[0]),
            std::tuple(chart, "Monday 06 Mar", "NP 100"));
}

TEST_F(ListView, HeaderClicksChangeSettingsNeverSort) {
  doc->selectedList = EListKind::Schedule;
  OnMeridian(doc->Voyage().AddNew(), "Alpha", 50);
  EXPECT_FALSE(OnHeaderClick(*doc, 1).openCalculateEta);  // one waypoint
  OnMeridian(doc->Voyage().AddNew(), "Bravo", 51);
  EXPECT_TRUE(OnHeaderClick(*doc, 1).openCalculateEta);

  doc->modified = false;
  OnHeaderClick(*doc, 2);  // already fixed RPM
  EXPECT_FALSE(doc->modified);
  OnHeaderClick(*doc, 3);
  EXPECT_EQ(std::tuple(doc->Voyage().keepRpmConstant, doc->modified), std::tuple(false, true));

  doc->selectedList = EListKind::Ports;
  const bool opened = doc->openedFromFile;
  EXPECT_TRUE(OnHeaderClick(*doc, 0).refresh && doc->openedFromFile == opened);
}

TEST_F(ListView, NavigationTreeSelection) {
  EXPECT_EQ(TreeListOf("Hurricanes"), EListKind::Storms);
  EXPECT_FALSE(OnTreeSelection(*doc, std::nullopt));
  EXPECT_EQ(Said(prompter), std::vector<std::string>{"Please select list first"});

  EXPECT_TRUE(OnTreeSelection(*doc, "Books"));
  EXPECT_EQ(std::tuple(static_cast<int>(doc->selectedList), doc->listChanged), std::tuple(8, true));

  doc->Voyage().weatherSource = true;
  OnTreeSelection(*doc, "Schedule");
  OnTreeSelection(*doc, "Schedule");
  EXPECT_EQ(static_cast<int>(doc->selectedList), 0);
  ASSERT_EQ(prompter.messages.size(), 3u);
  EXPECT_EQ(Said(prompter)[2],
            "Exclamation: Your voyageplanning has been set to use\nonly the latest weatherobservation.\nThis might "
            "result in less accurate wind\nand current data being used");
}

}  // namespace
}  // namespace marigold
