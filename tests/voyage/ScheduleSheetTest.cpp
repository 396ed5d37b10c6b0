// The voyage sheet's fields and the live results of its pages, and the
// departure record the schedule starts from.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "voyage/Schedule.h"
#include "voyage/VoyageSheet.h"

namespace marigold {
namespace {

constexpr double kStart = 1000.0;
constexpr double kHour = 1.0 / 24;

// 60 nM east along the equator in 5 hours.
void BuildRoute(CVoyage& route) {
  for (int i = 0; i < 2; ++i) Placed(route.AddNew(), 0, i);
  route.GetHead()->SetTime(kStart);
  route.GetHead()->SetTimeA(kStart);
  route.GetTail()->SetTimeB(kStart + 5 * kHour);
}

std::string Text(const CVoyagePageResults& r) { return r.totalDistance + "|" + r.totalDuration + "|" + r.averageSpeed; }

std::string Text(const CWeatherPageResults& r) {
  return r.totalFuel + "|" + r.logDistance + "|" + r.requiredLogSpeed + "|" + r.averageRpm;
}

class VoyageSheet : public ::testing::Test {
 protected:
  CVoyage route;
  CVessel2 vessel;
  const CMeteoList meteo;
};

TEST_F(VoyageSheet, VoyagePageShowsTheRouteAsOpened) {
  route.AddNew();
  EXPECT_EQ(Text(CVoyageSheet(route, vessel, meteo).View().voyage), "     0.0|0.0|0.0");
  route.RemoveAll();
  BuildRoute(route);
  EXPECT_EQ(Text(CVoyageSheet(route, vessel, meteo).View().voyage), "    60.0|5.0|12.0");
  route.GetTail()->SetTimeB(kStart - kHour);  // arriving before leaving
  CVoyageSheet sheet(route, vessel, meteo);
  // The weather page is not shown yet.
  EXPECT_EQ(sheet.View().voyage.totalDuration + "|" + sheet.View().voyage.averageSpeed + Text(sheet.View().weather),
            "NA|0.0|||");
}

// The results come from a copy of the route: the document's route stays as
// it was, byte for byte, until the sheet is applied.
TEST_F(VoyageSheet, WeatherPageComputesFromTheFirstWaypoint) {
  route.AddNew();
  CVoyageSheet one(route, vessel, meteo);
  one.OnWeatherPageShown();
  EXPECT_EQ(Text(one.View().weather), "NA|NA|0|0");

  route.RemoveAll();
  BuildRoute(route);
  route.GetTail()->weather.windSpeed = 40;  // averaged weather: the fill replaces it in the copy
  const CBytes bytes = Store(route);
  CVoyageSheet sheet(route, vessel, meteo);
  sheet.OnWeatherPageShown();
  EXPECT_EQ(std::tuple(Store(route) == bytes, Text(sheet.View().weather)),
            std::tuple(true, "      3.|     60.|12.0|167."));

  // No time left: the arrival entered at the departure.
  const CCivilTime start = CivilTimeOf(kStart);
  sheet.OnDatesChanged(start, start);
  const CWeatherPageResults& r = sheet.View().weather;
  EXPECT_EQ(r.totalFuel + "|" + r.requiredLogSpeed + "|" + r.averageRpm + "|" + sheet.View().voyage.totalDuration,
            "NA|NA|NA|0.0");
  EXPECT_TRUE(Store(route) == bytes);
}

TEST_F(VoyageSheet, WeatherChoicesRecomputeWithoutTouchingTheRoute) {
  BuildRoute(route);
  CVoyageSheet sheet(route, vessel, meteo);
  CScriptedPrompter prompter;
  sheet.OnWeatherSourceChosen(false, prompter);
  // Recomputed.
  EXPECT_EQ(std::tuple(prompter.messages.size(), sheet.View().weather.logDistance), std::tuple(0u, "     60."));
  sheet.OnWeatherSourceChosen(true, prompter);
  sheet.OnKeepRpmChosen(false);
  EXPECT_EQ(std::tuple(route.weatherSource, route.keepRpmConstant, MessageTexts(prompter)),
            std::tuple(false, true, std::vector<std::string>{kPresentWeatherNotice}));
  EXPECT_EQ(std::string(kPresentWeatherNotice),
            "By selecting present weather the voyageplanning\nwill use only the latest weather observation for each "
            "waypoint\nThis might result in less accurate data for wind and current calculations");
}

TEST_F(VoyageSheet, VesselPageFollowsTheDrafts) {
  CVoyageSheet sheet(route, vessel, meteo);
  const auto text = [&] {
    const CVesselPageResults& r = sheet.View().vessel;
    return r.freeboard + "|" + r.eyeHeight + "|" + r.mastHeight;
  };
  EXPECT_EQ(text(), "11.35|32.20|47.20");
  sheet.OnDraftsChanged(10, 11);
  EXPECT_EQ(std::tuple(text(), vessel.draftForward), std::tuple("13.65|34.50|49.50", 12.75));
}

// The dates are local time at their waypoints; what is left as shown keeps
// its stored value to the bit.
TEST_F(VoyageSheet, FieldsGoIntoTheRouteAndVesselOnApply) {
  BuildRoute(route);
  route.GetHead()->SetUtcDifference(1);
  route.GetTail()->SetUtcDifference(-5);
  route.GetTail()->SetTimeB(kStart + 5 * kHour + 1e-9);  // a hair beyond a whole second
  const CFixedClock clock(1700000000);
  CVoyageSheetFields f = ReadVoyageSheet(route, vessel, clock);
  EXPECT_EQ(std::tuple(f.beginSeavoyage, f.etaPilotstation, f.draftAft, f.displacement, f.keepRpmConstant),
            std::tuple(CivilTimeOf(kStart + kHour), CivilTimeOf(kStart), 12.85, 73272.0, true));
  const CBytes waypoints = Store(route);
  f.voyageNumber = "MR 8";
  f.notes = "ballast";
  ApplyVoyageSheet(f, route, vessel);
  EXPECT_EQ(std::tuple(route.voyageNumber, route.notes), std::tuple("MR 8", "ballast"));
  route.voyageNumber.clear();
  route.notes.clear();
  EXPECT_TRUE(Store(route) == waypoints);

  f.beginSeavoyage.hour += 1;
  f.etaPilotstation.hour += 2;
  f.draftForward = 9.5;
  f.displacement = 60000;
  f.presentWeather = true;
  f.keepRpmConstant = false;
  ApplyVoyageSheet(f, route, vessel);
  const CWaypoint& first = *route.GetHead();
  EXPECT_EQ(std::tuple(CivilTimeOf(first.GetTime()), first.GetTimeA(), CivilTimeOf(route.GetTail()->GetTimeB())),
            std::tuple(CivilTimeOf(kStart + kHour), first.GetTime(), CivilTimeOf(kStart + 7 * kHour)));
  EXPECT_EQ(std::tuple(vessel.draftForward, vessel.draftAft, vessel.voyageDisplacement, route.weatherSource,
                       route.keepRpmConstant),
            std::tuple(9.5, 12.85, 60000.0, true, false));

  // With fewer than two waypoints the dates show the present time and are
  // not stored.
  CVoyage one;
  one.AddNew();
  const CVoyageSheetFields g = ReadVoyageSheet(one, vessel, clock);
  EXPECT_EQ(g.beginSeavoyage, LocalFieldsOf(1700000000));
  ApplyVoyageSheet(g, one, vessel);
  EXPECT_EQ(one.GetHead()->GetTime(), 0.0);
}

TEST_F(VoyageSheet, DraftRanges) {
  CVoyageSheetFields f = ReadVoyageSheet(route, vessel, CFixedClock(0));
  EXPECT_EQ(RefusalText(Validate(f)), "accepted");
  f.draftAft = 99.5;
  EXPECT_EQ(RefusalText(Validate(f)), "draftAft: Please enter a number between 0.0 and 99.0.");
  f.draftAft = 1;
  f.displacement = -1;
  EXPECT_EQ(RefusalText(Validate(f)), "displacement: Please enter a number between 0.0 and 999999.0.");
}

TEST(ScheduleDeparture, RebuiltFromTheFirstWaypointOrTheLatestFix) {
  CVoyage route;
  CFixRecord departure;
  CFixRecord fix;
  fix.SetName("Fix");
  fix.SetTime(kStart + 2);
  EXPECT_EQ(RebuildDeparture(departure, route, nullptr).GetName(), "New Position");  // nothing to copy
  EXPECT_EQ(RebuildDeparture(departure, route, &fix).GetTime(), kStart + 2);

  BuildRoute(route);
  route.GetHead()->SetUtcDifference(1);
  route.GetTail()->groundCourse = 91;
  route.GetTail()->keptGroundspeed = 13;
  route.GetTail()->engineRpm = 70;
  RebuildDeparture(departure, route, &fix);
  // The departure time itself, whatever the zones.
  EXPECT_EQ(std::tuple(departure.GetLongitude(), departure.GetUtcDifference(), departure.GetTime()),
            std::tuple(0.0, 1.0, kStart));
  EXPECT_EQ(departure.groundCourse + departure.groundspeed + departure.engineRpm, 91 + 13 + 70);
}

}  // namespace
}  // namespace marigold
