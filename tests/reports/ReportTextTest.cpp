// Ship report messages on the sample voyage, and the fields they are made of.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "ReportSamples.h"
#include "fakes/TestSupport.h"
#include "reports/AmverReport.h"
#include "reports/AusrepReport.h"
#include "reports/ChilrepReport.h"
#include "reports/EcuadorReport.h"
#include "reports/JasrepReport.h"
#include "reports/ReportFields.h"
#include "reports/SistramReport.h"

using namespace marigold;

namespace {

using ReportText = samples::ReportSample;

// Lines that recur: the ship, the fix's time, position, course and speed,
// the departure and the destination.
const std::string kShip = "A/MARLINSPIKE/PDXY//\r\n";
const std::string kFix = "B/160307Z//\r\nC/5010N/00105W//\r\nE/250//\r\nF/143//\r\n";
const std::string kFrom = "G/ROTTERDAM/5154N/00403E//\r\n";
const std::string kTo = "I/NEW YORK/4028N/07349W//\r\n";

}  // namespace

TEST_F(ReportText, Amver) {
  EXPECT_EQ(AmverSailingPlan(route, vessel),
            "AMVER/SP//\r\n" + kShip + "B/151200Z//\r\nE/315//\r\nF/125//\r\n" + kFrom + kTo +
                "L/RL/125/5200N/00330E/HOEK VAN HOLLAND/151430Z//\r\nL/GC/080/4028N/07349W/NEW YORK/170805Z//\r\n"
                "Z/EOR//\r\n");
  EXPECT_EQ(AmverPositionReport(route, vessel, fix), "AMVER/PR//\r\n" + kShip + kFix + kTo + "Z/EOR//\r\n");
  EXPECT_EQ(AmverArrivalReport(route, vessel),
            "AMVER/FR//\r\n" + kShip + "K/NEW YORK/4028N/07349W/170805Z//\r\nZ/EOR//\r\n");
}

TEST_F(ReportText, Sistram) {
  const std::string ship = "A/PDXY/MARLINSPIKE/NL/CTR//\r\n";
  EXPECT_EQ(Sistram1(route, vessel),
            "SISTRAM/1/150630ZJan03//\r\n" + ship + "B/151200Z//\r\n" + kFrom + kTo +
                "L/125/5200N/00330E/151430Z//\r\nL/080/4028N/07349W/170805Z//\r\nV/NONE//\r\nM/INMARSAT//\r\n"
                "X/NONE//\r\nY/NONE//\r\n");
  EXPECT_EQ(Sistram2(vessel, fix),
            "SISTRAM/2/160307ZJan03//\r\n" + ship + kFix + "M/INMARSAT//\r\nX/NONE//\r\nY/NONE//\r\n");
  EXPECT_EQ(Sistram4(route, vessel),
            "SISTRAM/4/170805ZJan03//\r\n" + ship + "K/NEW YORK/4028N/07349W/170805Z//\r\nX/NONE//\r\nY/NONE//\r\n");
}

TEST_F(ReportText, Ausrep) {
  const std::string ship = "A/MARLINSPIKE/PDXY/9123456//\r\n";
  EXPECT_EQ(AusrepPositionReport(vessel, fix),
            "AUSREP/PR//\r\n" + ship + kFix + "N/{PLEASE STATE DATE TIME NEXT REPORT HERE}//\r\n");
  EXPECT_EQ(AusrepFinalReport(route, vessel),
            "AUSREP/FR//\r\n" + ship + "K/170805Z/4028N/07349W/170805Z//\r\nX/NONE//\r\n");
}

TEST_F(ReportText, Chilrep) {
  EXPECT_EQ(ChilrepSailingPlan(route, vessel),
            "CHILREP/SP//\r\n" + kShip + "F/125//\r\n" + kFrom +
                "H/151200ZJan03/5154N/00403E//\r\nI/NEW YORK/4028N/07349W/170805ZJan03//\r\n"
                "J/{PLEASE STATE WHETHER PILOT IS CARRIED ONBOARD}//\r\nK/170805Z/4028N/07349W//\r\n"
                "L/RL/5200N/00330E//\r\nL/RL/4028N/07349W//\r\nM/INMARSAT//\r\n"
                "N/{PLEASE STATE DAILY REPORTING TIME}//\r\nV/NONE//\r\nX/NONE//\r\n");
  EXPECT_EQ(ChilrepPositionReport(vessel, fix), "CHILREP/PR//\r\n" + kShip + kFix + "X/NONE//\r\n");
  EXPECT_EQ(ChilrepFinalReport(route, vessel),
            "CHILREP/FR//\r\n" + kShip + "K/170805Z//4028N/07349W//\r\nX/Final Report//\r\n");
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
            "JASREP/SP//\r\n" + kShip + "B/151200Z//\r\nE/315//\r\nF/125//\r\n" + kFrom + kTo +
                "L/RL/125/5200N/00330E/151430Z/HOEK VAN HOLLAND//\r\nL/GC/080/4028N/07349W/170805Z/NEW YORK//\r\n"
                "M/315/262//\r\nV/NONE//\r\nX/NONE//\r\nY/AMVER//\r\n");
  // The fix lies nearest HOEK VAN HOLLAND, whose leg runs within 90° of the
  // course made good: the ship still steers for it.
  EXPECT_EQ(JasrepPositionReport(route, vessel, fix),
            "JASREP/PR//\r\n" + kShip + kFix + "M/315/262//\r\nX/NONE//\r\nY/AMVER//\r\n");
  EXPECT_EQ(route.nextWaypointIndex, 1);
  EXPECT_EQ(JasrepFinalReport(vessel, fix),
            "JASREP/FR//\r\n" + kShip + "B/160307Z//\r\nC/5010N/00105W//\r\nX/FINAL REPORT//\r\nY/AMVER//\r\n");
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
            "AMVER/SP//\r\n" + kShip + "B/151200Z//\r\nE/315//\r\nF/125//\r\n" + kFrom +
                "I/HOEK VAN HOLLAND/5200N/00330E//\r\nL/RL/125/5200N/00330E/HOEK VAN HOLLAND/151430Z//\r\nZ/EOR//\r\n");
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

TEST(ReportFields, PositionsArePaddedTruncatedAndSigned) {
  EXPECT_EQ(ReportPosition(At(0, 0)), "0000N/00000E/");
  EXPECT_EQ(ReportPosition(At(-(5 + 3.0 / 60), 179 + 59.9 / 60)), "0503S/17959E/");
  EXPECT_EQ(ReportPosition(At(10 + 30.99 / 60, -(9 + 0.5 / 60))), "1030N/00900W/");
  EXPECT_EQ(ReportPosition(At(-0.5, 45 + 1.0 / 60)), "0030S/04501E/");
}

TEST(ReportFields, CoursesAndSpeedsAreTruncated) {
  for (const auto& [course, text] : {std::pair{7.9, "007/"}, {45.99, "045/"}, {359.9, "359/"}})
    EXPECT_EQ(ReportCourse(course), text);
  for (const auto& [speed, text] : {std::pair{12.5, "125/"}, {8.0, "080/"}, {0.5, "05/"}, {9.96, "099/"}, {0.0, "00/"}})
    EXPECT_EQ(ReportSpeedTenths(speed), text);
  // Whole knots are printf's, rounded.
  for (const auto& [speed, text] : {std::pair{9.96, "10/"}, {8.0, " 8/"}, {14.35, "14/"}})
    EXPECT_EQ(ReportSpeedKnots(speed), text);
}

TEST(ReportFields, FiguresThatAreNotNumbersGiveZeroRatherThanGarbage) {
  EXPECT_EQ(ReportCourse(std::numeric_limits<double>::quiet_NaN()), "000/");
  EXPECT_EQ(ReportSpeedTenths(std::numeric_limits<double>::infinity()), "00/");
}
