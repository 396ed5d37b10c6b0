// The speed and fuel tool: ranges, the repaint of the default vessel, the
// stop-time clamp below FA, the low-rpm warning and the signs of the current.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "fakes/Fakes.h"
#include "vessel/SpeedFuelTool.h"

namespace marigold {
namespace {

// A bar's text, position and maximum.
std::tuple<std::string, int, int> Bar(const CBarFigure& f) { return {f.text, f.position, f.maximum}; }

TEST(SpeedFuelTool, OpensOnTheDefaultVesselAt63Rpm) {
  const CSpeedFuelView v = CSpeedFuelTool(CVessel2{}).View();
  EXPECT_EQ(std::tie(v.engine.minimum, v.engine.position, v.rpm), std::make_tuple(-106, -63, " 63"));
  EXPECT_EQ(v.fuelPerDay, "31.5");  // 150 × (63/106)³
  // Maxima from MCR: 43 × 2 + 45 minutes; trunc(27.13) + 6 knots; 55.2 nM
  // with 6 knots astern; 517.1 kg/nM at index 5 against 6 knots.
  EXPECT_EQ(Bar(v.stopTime), std::make_tuple("0 : 45", 45, 131));
  EXPECT_EQ(Bar(v.groundSpeed), std::make_tuple("15.1", 15, 33));
  EXPECT_EQ(Bar(v.stopDistance), std::make_tuple("10.6", 1000, 5500));
  EXPECT_EQ(Bar(v.fuelPerMile), std::make_tuple("86.7", 8600, 51700));
}

TEST(SpeedFuelTool, LowRpmClampsTheStopTimeTextAndWarnsBelowHalfFa) {
  CSpeedFuelTool tool{CVessel2{}};
  CScriptedPrompter prompter;
  tool.OnEngineSliderReleased(-50, prompter);
  EXPECT_EQ(tool.View().stopTime.text, "0 :  0");
  EXPECT_EQ(tool.View().stopTime.position, 19);  // (50 − 63) × 2 + 45, unclamped

  tool.OnEngineSliderReleased(-32, prompter);  // not below 31.5
  EXPECT_TRUE(prompter.messages.empty());
  tool.OnEngineSliderReleased(-31, prompter);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text,
            "Warning:\nLow rpm settings might result in inaccurate data\n on speed, fuel consumption, and stopping "
            "distance");
  EXPECT_EQ(prompter.messages[0].icon, EMessageIcon::Exclamation);
  EXPECT_EQ(tool.View().groundSpeed.text, "7.5");  // still computed
  EXPECT_EQ(tool.View().stopTime.position, 0);     // a negative time sits at the bottom

  tool.OnEngineSliderReleased(-106, prompter);
  EXPECT_EQ(tool.View().stopTime.text, "2 : 11");

  const std::string loaded = tool.View().groundSpeed.text;
  tool.OnDraftForwardChanged(10.0);  // less wetted surface, less resistance
  EXPECT_DOUBLE_EQ(tool.Vessel().draftForward, 10.0);
  EXPECT_GT(std::stod(tool.View().groundSpeed.text), std::stod(loaded));
}

TEST(SpeedFuelTool, RadioButtonsResignCurrentAndWind) {
  CSpeedFuelTool tool{CVessel2{}};
  tool.OnCurrentSliderReleased(-200);
  EXPECT_EQ(tool.View().currentRate, "2.0");
  EXPECT_EQ(tool.View().groundSpeed.text, "13.1");  // 15.1 against 2 knots
  tool.OnCurrentRadio(true);
  EXPECT_EQ(tool.View().current.position, -200);
  EXPECT_EQ(tool.View().groundSpeed.text, "17.1");

  // From astern the wind lowers the apparent wind; on the head it slows the ship.
  tool.OnWindSliderReleased(-30);
  EXPECT_EQ(tool.View().groundSpeed.text, "17.1");
  tool.OnWindRadio(false);
  EXPECT_EQ(tool.View().windSpeed, " 30");
  EXPECT_EQ(tool.View().groundSpeed.text, "16.3");
}

TEST(SpeedFuelTool, FiguresThatCannotBeComputedShowNa) {
  CVessel2 noPitch;
  noPitch.propellerPitch = 0;
  CSpeedFuelView v = CSpeedFuelTool(noPitch).View();
  for (const CBarFigure* f : {&v.groundSpeed, &v.stopDistance})
    EXPECT_EQ(std::tie(f->text, f->position), std::make_tuple("NA", 0));
  EXPECT_EQ(Bar(v.fuelPerMile), std::make_tuple("NA", 0, 0));
  EXPECT_EQ(v.fuelPerDay, "NA");

  CSpeedFuelTool stopped{CVessel2{}};  // 0 rpm: no propeller power to divide by
  CScriptedPrompter prompter;
  stopped.OnEngineSliderReleased(0, prompter);
  EXPECT_EQ(stopped.View().groundSpeed.text, "NA");
  EXPECT_EQ(stopped.View().fuelPerDay, " 0.0");
}

}  // namespace
}  // namespace marigold
