// The port record: a new port, its file form with both trajects and the tide,
// the range checks of its sheet and the "Tide Calculation" over the ports.
#include <gtest/gtest.h>

#include "core/LocalClock.h"
#include "fakes/Records.h"
#include "lists/PortInfo.h"
#include "lists/PortSheet.h"
#include "lists/TideCalculationTool.h"
#include "tools/TideFields.h"

namespace marigold {
namespace {

using namespace bytes;

std::string Zeros(int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += kZero;
  return out;
}

// "Rdam" at 51°45'N 4°15'E, UTC +1 h; bunkers, fresh water, reserved 7,
// victuals; air draft 50.5, draft 12.5, salinity 1.02; "NL", "a@b", "Ann",
// "B7", no notes, "+31"; two documents; ETA 1,700,000,000 s; "VHF 12", "2",
// "Maas", "1.5"; ladder PS, unit nM; inbound: version 4, keep rpm, one new
// waypoint; outbound: version 4, keep rpm, empty; tide: mean level 1.5, date
// 1,700,000,000 s.
const std::string kPort = "00 00 00 00 00 00 2e 40  00 00 00 00 00 e0 49 40  00 00 00 00 00 00 11 40 " +
                          ShortString("Rdam") + "55 55 55 55 55 55 a5 3f " + Zeros(3) +
                          "01 00 00 00  00 00 00 00  01 00 00 00  00 00 00 00  00 00 00 00  07 00 00 00  01 00 00 00 "
                          "00 00 00 00 00 40 49 40  00 00 00 00 00 00 29 40  52 b8 1e 85 eb 51 f0 3f " +
                          ShortString("NL") + ShortString("a@b") + ShortString("Ann") + ShortString("B7") +
                          ShortString("") + ShortString("+31") + "02 00 00 00 " + ShortString("C:\\d.pdf") +
                          ShortString("e") + "00 f1 53 65 " + ShortString("VHF 12") + ShortString("2") +
                          ShortString("Maas") + ShortString("1.5") +
                          "01 00 00 00  01 00 00 00  04 00 00 00  00  01 00 00 00  01 00 00 00 " + kDefaultWaypoint +
                          "00  04 00 00 00  00  01 00 00 00  00 00 00 00  00 " + Zeros(6) + "00 00 00 00 00 00 f8 3f " +
                          Zeros(7) + "00 f1 53 65 " + Zeros(8);

// The values of kPort that the port sheet's pages show.
void ExpectRdamOnTheSheetPages(const CPortInfo& p) {
  EXPECT_TRUE(p.bunkers && p.freshWater && p.victuals);
  EXPECT_FALSE(p.dockyard || p.garbageDisposal || p.sludgeDisposal);
  EXPECT_EQ(std::tuple(p.maxAirDraft, p.maxDraft, p.salinity, p.tide.meanLevel), std::tuple(50.5, 12.5, 1.02, 1.5));
  EXPECT_EQ(p.country + p.agentEmail + p.agentName + p.berth + p.agentTelephone, "NLa@bAnnB7+31");
  EXPECT_EQ(std::tuple(p.documents, p.pilotEta), std::tuple(std::vector<std::string>{"C:\\d.pdf", "e"}, 1700000000));
  EXPECT_EQ(p.vhfChannels + "|" + p.callPilotAmount + "|" + p.pilotStation + "|" + p.ladderHeight, "VHF 12|2|Maas|1.5");
  EXPECT_EQ(std::tuple(p.ladderSide, p.callPilotUnit), std::tuple(CPortInfo::kPort, CPortInfo::kMiles));
}

TEST(PortInfo, NewPortDefaults) {
  CPortList ports;
  ports.AddNew();
  const CFixedClock clock(1700000000);
  CPortInfo* p = NewPort(ports, clock);
  EXPECT_EQ(ports.GetTail(), p);
  EXPECT_EQ(std::tuple(p->GetName(), p->GetLatitude(), p->GetLongitude(), p->salinity, p->pilotStation, p->vhfChannels),
            std::tuple("New Position", 45.0, 5.0, 1.025, "PilotStation", "VHF 16"));
  EXPECT_EQ(std::string(kLadderSideTexts[static_cast<std::size_t>(p->ladderSide)]) + "|" +
                kCallPilotUnitTexts[static_cast<std::size_t>(p->callPilotUnit)],
            "SB|Hours");
  EXPECT_EQ(std::tuple(p->pilotEta, p->tide.angleDate), std::tuple(1700000000, 1700000000));
  EXPECT_EQ(PortCaption(*p, true) + "|" + PortCaption(*p, false), "New Port|New Position");
}

TEST(PortArchive, KeepsBothTrajectsAndTheTide) {
  const CBytes bytes = Hex(kPort);
  CPortInfo p;
  p.documents = {"old"};
  p.outbound.AddNew();
  Load(p, bytes);
  EXPECT_EQ(std::tuple(p.GetName(), p.GetLatitude(), p.reservedFlag), std::tuple("Rdam", 51.75, 7));
  EXPECT_DOUBLE_EQ(p.GetUtcDifference(), 1.0);
  ExpectRdamOnTheSheetPages(p);
  ASSERT_EQ(p.inbound.GetCount(), 1);
  EXPECT_EQ(std::tuple(p.inbound.GetHead()->GetName(), p.outbound.IsEmpty(), p.tide.angleDate),
            std::tuple("New Position", true, 1700000000));

  EXPECT_EQ(Store(p), bytes);
}

TEST(PortArchive, DamagedBytesLeaveThePortAsItWas) {
  CBytes bytes = Hex(kPort);
  bytes.resize(bytes.size() - 5);  // inside the tide
  CPortInfo p(5);
  p.SetName("Keep");
  p.inbound.AddNew();
  ExpectLoadFails(p, bytes);
  EXPECT_EQ(std::tuple(p.GetName(), p.inbound.GetCount(), p.pilotEta), std::tuple("Keep", 1, 5));
}

TEST(PortArchive, AnOldTrajectVersionStillReadsBack) {
  CPortInfo p(9);
  p.inbound.version = 3;
  p.inbound.AddNew()->SetName("In");
  p.tide.meanLevel = 4;
  CPortInfo back;
  Load(back, Store(p));
  ASSERT_EQ(back.inbound.GetCount(), 1);
  EXPECT_EQ(std::tuple(back.inbound.GetHead()->GetName(), back.tide.meanLevel), std::tuple("In", 4.0));
}

TEST(PortSheet, OkWritesWhatThePagesShowAndNothingElse) {
  CPortInfo rdam;
  Load(rdam, Hex(kPort));
  const CPortGeneralFields general = ReadPortGeneral(rdam);
  EXPECT_FALSE(Validate(general));
  const CPortPilotFields pilot = ReadPortPilot(rdam);
  EXPECT_EQ(pilot.pilotEta, LocalFieldsOf(1700000000));

  CPortInfo p;
  p.tide.aM2 = 33;
  ApplyPortGeneral(general, p);
  ApplyPortAgent(ReadPortAgent(rdam), p);
  ApplyPortPilot(pilot, p);
  p.documents = rdam.documents;
  ApplyTideConstants(ReadTideConstants(rdam.tide), p.tide);
  ExpectRdamOnTheSheetPages(p);
  // The position, the reserved flag, the trajects and the tidal angles have
  // no field on these pages.
  EXPECT_EQ(std::tuple(p.GetName(), p.reservedFlag, p.inbound.IsEmpty(), p.tide.angleDate, p.tide.aM2),
            std::tuple("New Position", 0, true, 0, 33.0));
}

TEST(PortSheet, FiguresAndChoicesLeftAsShownKeepTheirStoredValues) {
  // 01:30 UTC: in central Europe the second of the two 02:30s of that night.
  CPortInfo p(CalendarTimeFromUtc({2024, 10, 27, 1, 30, 0}));
  p.salinity = 1.0254;
  p.maxDraft = 12.345;
  p.ladderSide = 7;  // neither "SB" nor "PS"
  const std::time_t eta = p.pilotEta;
  CPortGeneralFields general = ReadPortGeneral(p);
  EXPECT_EQ(std::tuple(general.salinity, general.maxDraft), std::tuple(1.025, 12.35));
  general.country = "NL";
  ApplyPortGeneral(general, p);
  ApplyPortPilot(ReadPortPilot(p), p);
  EXPECT_EQ(std::tuple(p.country, p.salinity, p.maxDraft, p.ladderSide, p.pilotEta),
            std::tuple("NL", 1.0254, 12.345, 7, eta));

  CPortPilotFields pilot = ReadPortPilot(p);
  pilot.pilotEta = {2024, 7, 1, 14, 0, 0};
  ApplyPortPilot(pilot, p);
  EXPECT_EQ(LocalFieldsOf(p.pilotEta), (CCivilTime{2024, 7, 1, 14, 0, 0}));
}

TEST(PortSheet, TheFirstLimitOutOfRangeIsRefused) {
  const std::tuple<double, double, double, const char*> cases[] = {
      {0.0, 0.999, 2.0, "accepted"},
      {999.0, 1.035, 999.0, "accepted"},
      {-0.1, 2, 0, "maxDraft: Please enter a number between 0.0 and 999.0."},
      {10, 1.040, 0, "salinity: Please enter a number between 0.999 and 1.035."},
      {10, 0.998, 40, "salinity: Please enter a number between 0.999 and 1.035."},
      {10, 1.025, 0, "accepted"},  // a new port's: not known
      {10, 1.025, 1.99, "maxAirDraft: Please enter a number between 2.0 and 999.0."},
      {10, 1.025, NAN, "maxAirDraft: Please enter a number between 2.0 and 999.0."},
  };
  for (const auto& [maxDraft, salinity, maxAirDraft, verdict] : cases) {
    CPortGeneralFields fields;
    fields.maxDraft = maxDraft;
    fields.salinity = salinity;
    fields.maxAirDraft = maxAirDraft;
    EXPECT_EQ(RefusalText(Validate(fields)), verdict);
  }
}

TEST(TideCalculationTool, FollowsThePortAndItsAngles) {
  CPortList ports;
  const CFixedClock clock(CalendarTimeFromLocal({2024, 1, 5, 6, 0, 0}));
  NewPort(ports, clock)->SetName("A");
  CPortInfo* b = NewPort(ports, clock);
  b->SetName("B");
  b->tide.meanLevel = 2;
  b->tide.angleDate = CalendarTimeFromLocal({2024, 2, 1, 12, 0, 0});

  CTideCalculationTool tool(ports, clock.Now());
  CTideCalculationView v = tool.View();
  EXPECT_EQ(v.portNames, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(std::tuple(v.selectedPort, v.dateText, v.heightText), std::tuple(0, "Fri 05 Jan 2024", "0.00 mtr"));

  tool.OnPortSelected(1);
  tool.OnPortSelected(7);  // not a port: the choice stays
  EXPECT_EQ(tool.View().dateText + "|" + tool.View().heightText, "Thu 01 Feb 2024|2.00 mtr");

  // "Change" edits the port's own tide, and the height follows it.
  CTideInfo* tide = tool.SelectedTide();
  ASSERT_EQ(tide, &b->tide);
  tide->fK1 = 1;
  tide->hmK1 = 0.5;
  tide->aK1 = 90;  // 6 h later the K1 term peaks: 90 - 15 × 6 = 0
  EXPECT_EQ(tool.View().heightText, "2.50 mtr");

  // No ports: an empty dialog, and "Change" has nothing to edit.
  CPortList none;
  CTideCalculationTool empty(none, 0);
  EXPECT_EQ(std::tuple(empty.View().selectedPort, empty.View().heightText, empty.SelectedTide()),
            std::tuple(-1, "", nullptr));
}

}  // namespace
}  // namespace marigold
