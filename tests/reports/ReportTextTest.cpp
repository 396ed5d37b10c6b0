#include <gtest/gtest.h>

#include <string>

#include "ReportSamples.h"
#include "reports/AmverReport.h"
#include "reports/AusrepReport.h"
#include "reports/ChilrepReport.h"
#include "reports/EcuadorReport.h"
#include "reports/JasrepReport.h"
#include "reports/SistramReport.h"

using namespace marigold;

namespace {

class ReportText : public ::testing::Test {
 protected:
  void SetUp() override {
    samples::FillRoute(route);
    samples::FillFix(fix);
    samples::FillVessel(vessel);
    samples::FillRoute(shortRoute, false);
  }

  CVoyage route;
  CVoyage shortRoute;  // ROTTERDAM to HOEK VAN HOLLAND
  CFixRecord fix;
  CVessel2 vessel;
};

}  // namespace

TEST_F(ReportText, Amver) {
  EXPECT_EQ(AmverSailingPlan(route, vessel),
            "AMVER/SP//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/151200Z//\r\n"
            "E/315//\r\n"
            "F/125//\r\n"
            "G/ROTTERDAM/5154N/00403E//\r\n"
            "I/NEW YORK/4028N/07349W//\r\n"
            "L/RL/125/5200N/00330E/HOEK VAN HOLLAND/151430Z//\r\n"
            "L/GC/080/4028N/07349W/NEW YORK/170805Z//\r\n"
            "Z/EOR//\r\n");
  EXPECT_EQ(AmverPositionReport(route, vessel, fix),
            "AMVER/PR//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/160307Z//\r\n"
            "C/5010N/00105W//\r\n"
            "E/250//\r\n"
            "F/143//\r\n"
            "I/NEW YORK/4028N/07349W//\r\n"
            "Z/EOR//\r\n");
  EXPECT_EQ(AmverArrivalReport(route, vessel),
            "AMVER/FR//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "K/NEW YORK/4028N/07349W/170805Z//\r\n"
            "Z/EOR//\r\n");
}

TEST_F(ReportText, Sistram) {
  EXPECT_EQ(Sistram1(route, vessel),
            "SISTRAM/1/150630ZJan03//\r\n"
            "A/PDXY/MARLINSPIKE/NL/CTR//\r\n"
            "B/151200Z//\r\n"
            "G/ROTTERDAM/5154N/00403E//\r\n"
            "I/NEW YORK/4028N/07349W//\r\n"
            "L/125/5200N/00330E/151430Z//\r\n"
            "L/080/4028N/07349W/170805Z//\r\n"
            "V/NONE//\r\n"
            "M/INMARSAT//\r\n"
            "X/NONE//\r\n"
            "Y/NONE//\r\n");
  EXPECT_EQ(Sistram2(vessel, fix),
            "SISTRAM/2/160307ZJan03//\r\n"
            "A/PDXY/MARLINSPIKE/NL/CTR//\r\n"
            "B/160307Z//\r\n"
            "C/5010N/00105W//\r\n"
            "E/250//\r\n"
            "F/143//\r\n"
            "M/INMARSAT//\r\n"
            "X/NONE//\r\n"
            "Y/NONE//\r\n");
  EXPECT_EQ(Sistram4(route, vessel),
            "SISTRAM/4/170805ZJan03//\r\n"
            "A/PDXY/MARLINSPIKE/NL/CTR//\r\n"
            "K/NEW YORK/4028N/07349W/170805Z//\r\n"
            "X/NONE//\r\n"
            "Y/NONE//\r\n");
}

TEST_F(ReportText, Ausrep) {
  EXPECT_EQ(AusrepPositionReport(vessel, fix),
            "AUSREP/PR//\r\n"
            "A/MARLINSPIKE/PDXY/9123456//\r\n"
            "B/160307Z//\r\n"
            "C/5010N/00105W//\r\n"
            "E/250//\r\n"
            "F/143//\r\n"
            "N/{PLEASE STATE DATE TIME NEXT REPORT HERE}//\r\n");
  EXPECT_EQ(AusrepFinalReport(route, vessel),
            "AUSREP/FR//\r\n"
            "A/MARLINSPIKE/PDXY/9123456//\r\n"
            "K/170805Z/4028N/07349W/170805Z//\r\n"
            "X/NONE//\r\n");
}

TEST_F(ReportText, Chilrep) {
  EXPECT_EQ(ChilrepSailingPlan(route, vessel),
            "CHILREP/SP//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "F/125//\r\n"
            "G/ROTTERDAM/5154N/00403E//\r\n"
            "H/151200ZJan03/5154N/00403E//\r\n"
            "I/NEW YORK/4028N/07349W/170805ZJan03//\r\n"
            "J/{PLEASE STATE WHETHER PILOT IS CARRIED ONBOARD}//\r\n"
            "K/170805Z/4028N/07349W//\r\n"
            "L/RL/5200N/00330E//\r\n"
            "L/RL/4028N/07349W//\r\n"
            "M/INMARSAT//\r\n"
            "N/{PLEASE STATE DAILY REPORTING TIME}//\r\n"
            "V/NONE//\r\n"
            "X/NONE//\r\n");
  EXPECT_EQ(ChilrepPositionReport(vessel, fix),
            "CHILREP/PR//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/160307Z//\r\n"
            "C/5010N/00105W//\r\n"
            "E/250//\r\n"
            "F/143//\r\n"
            "X/NONE//\r\n");
  EXPECT_EQ(ChilrepFinalReport(route, vessel),
            "CHILREP/FR//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "K/170805Z//4028N/07349W//\r\n"
            "X/Final Report//\r\n");
}

// The position reports carry the fix's own time: its estimate (timeA) is
// never set on an entered fix and stays at the day-number origin.
TEST_F(ReportText, EcuadorAndPeruAreSingleLinesWithoutBreak) {
  EXPECT_EQ(EcuadorSailingPlan(route, vessel),
            "SP/MARLINSPIKE/NL/PDXY/151200Z/NEW YORK/5154N/00403E/315/13/ROTTERDAM/170805Z/");
  EXPECT_EQ(EcuadorPositionReport(vessel, fix), "PR/MARLINSPIKE/NL/PDXY/160307Z/5010N/00105W/250/14/");
  EXPECT_EQ(EcuadorFinalReport(route, vessel), "FR/MARLINSPIKE/NL/PDXY/170805Z/ROTTERDAM/262/ 8/NEW YORK/170805Z/");
  EXPECT_EQ(PeruPositionReport(route, vessel, fix),
            "PR/MARLINSPIKE/PDXY/NL/160307Z/5010N/00105W/250/14/NEW YORK/170805Z/");
}

TEST_F(ReportText, Jasrep) {
  EXPECT_EQ(JasrepSailingPlan(route, vessel),
            "JASREP/SP//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/151200Z//\r\n"
            "E/315//\r\n"
            "F/125//\r\n"
            "G/ROTTERDAM/5154N/00403E//\r\n"
            "I/NEW YORK/4028N/07349W//\r\n"
            "L/RL/125/5200N/00330E/151430Z/HOEK VAN HOLLAND//\r\n"
            "L/GC/080/4028N/07349W/170805Z/NEW YORK//\r\n"
            "M/315/262//\r\n"
            "V/NONE//\r\n"
            "X/NONE//\r\n"
            "Y/AMVER//\r\n");
  // The fix lies nearest HOEK VAN HOLLAND, whose leg runs within 90° of the
  // course made good: the ship still steers for it.
  EXPECT_EQ(JasrepPositionReport(route, vessel, fix),
            "JASREP/PR//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/160307Z//\r\n"
            "C/5010N/00105W//\r\n"
            "E/250//\r\n"
            "F/143//\r\n"
            "M/315/262//\r\n"
            "X/NONE//\r\n"
            "Y/AMVER//\r\n");
  EXPECT_EQ(route.nextWaypointIndex, 1);
  EXPECT_EQ(JasrepFinalReport(vessel, fix),
            "JASREP/FR//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/160307Z//\r\n"
            "C/5010N/00105W//\r\n"
            "X/FINAL REPORT//\r\n"
            "Y/AMVER//\r\n");
}

TEST_F(ReportText, JasrepPositionReportSteeringForTheLastWaypointRepeatsTheLastCourse) {
  fix.SetLatitude(41.0);
  fix.SetLongitude(-70.0);
  const std::string text = JasrepPositionReport(route, vessel, fix);
  EXPECT_EQ(route.nextWaypointIndex, 2);
  EXPECT_NE(text.find("\r\nM/262/262//\r\n"), std::string::npos) << text;
}

TEST_F(ReportText, TwoWaypointRoutesGiveOneRouteLine) {
  EXPECT_EQ(AmverSailingPlan(shortRoute, vessel),
            "AMVER/SP//\r\n"
            "A/MARLINSPIKE/PDXY//\r\n"
            "B/151200Z//\r\n"
            "E/315//\r\n"
            "F/125//\r\n"
            "G/ROTTERDAM/5154N/00403E//\r\n"
            "I/HOEK VAN HOLLAND/5200N/00330E//\r\n"
            "L/RL/125/5200N/00330E/HOEK VAN HOLLAND/151430Z//\r\n"
            "Z/EOR//\r\n");
  const std::string sistram = Sistram1(shortRoute, vessel);
  EXPECT_NE(sistram.find("\r\nL/125/5200N/00330E/151430Z//\r\nV/NONE//"), std::string::npos) << sistram;
  const std::string chilrep = ChilrepSailingPlan(shortRoute, vessel);
  EXPECT_NE(chilrep.find("\r\nL/RL/5200N/00330E//\r\nM/INMARSAT//"), std::string::npos) << chilrep;
  // The second course of a two-waypoint route is that of its only leg.
  const std::string jasrep = JasrepSailingPlan(shortRoute, vessel);
  EXPECT_NE(jasrep.find("\r\nL/RL/125/5200N/00330E/151430Z/HOEK VAN HOLLAND//\r\nM/315/315//\r\n"),
            std::string::npos)
      << jasrep;
}
