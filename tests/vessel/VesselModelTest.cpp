// Geometry, the hydrostatic table and the performance model of the default
// ship (247 m × 32.26 m, drafts 12.75 / 12.85 m, 7.9 m pitch, 63 / 106 rpm).
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "fakes/TestSupport.h"
#include "vessel/Vessel2.h"

namespace marigold {
namespace {

constexpr double kTolerance = 1e-9;

TEST(VesselGeometry, HeightsAndWindageOfTheDefaultShip) {
  const CVessel2 v;
  ExpectAllNear({v.MeanDraft(), v.Freeboard(), v.EyeHeight(), v.MastHeight(), v.WindageHeight()},
                {12.8, 11.35, 32.2, 47.2, 18.55}, kTolerance);
  EXPECT_NEAR(v.WindageArea(), 4854.85, 1e-6);
}

TEST(VesselGeometry, DisplacementIsTheStoredSetWhateverTheDrafts) {
  CVessel2 v;
  v.draftForward = 4.0;
  v.draftAft = 6.0;
  v.voyageDisplacement = 30000.0;
  EXPECT_EQ(v.Displacement(), 73272.0);
  v.hydroDisplacement = 50000.0;
  EXPECT_EQ(v.Displacement(), 50000.0);
}

TEST(VesselHydrostaticTable, AddGetUpdateAndRemoveOnYesOnly) {
  CVessel2 v;
  CScriptedPrompter prompter;
  const CHydrostaticEntry a{8.0, 60000.0, 9.5, 1.25, -2.5, 180.0, 9000.0};
  const CHydrostaticEntry b{10.0, 75000.0, 10.5, 0.5, -3.0, 210.0, 10000.0};
  v.AddHydroEntry(a);
  v.AddHydroEntry(b);
  CHydrostaticEntry got;
  ASSERT_TRUE(v.GetHydroEntry(1, got));
  EXPECT_EQ(got, b);
  for (const int past : {2, -1}) EXPECT_FALSE(v.GetHydroEntry(past, got)) << past;

  CHydrostaticEntry changed = a;
  changed.draft = 8.25;
  EXPECT_TRUE(v.UpdateHydroEntry(0, changed));
  EXPECT_FALSE(v.UpdateHydroEntry(2, changed));
  ASSERT_TRUE(v.GetHydroEntry(0, got));
  EXPECT_EQ(got, changed);

  // Past the end: no question at all.
  EXPECT_FALSE(v.RemoveHydroEntry(2, prompter));
  EXPECT_TRUE(prompter.questions.empty());

  prompter.answers = {false, true};
  EXPECT_FALSE(v.RemoveHydroEntry(0, prompter));
  EXPECT_EQ(v.GetHydroCount(), 2);
  EXPECT_TRUE(v.RemoveHydroEntry(0, prompter));
  ASSERT_EQ(prompter.questions.size(), 2u);
  EXPECT_EQ(prompter.questions[0], "Remove entry for  8.250000  mtr?");
  EXPECT_EQ(v.HydroTable(), std::vector<CHydrostaticEntry>{b});
}

TEST(VesselPerformance, PropellerSpeedAndItsInverse) {
  const CVessel2 v;
  EXPECT_NEAR(v.TheoreticalSpeed(106), 27.1296, 1e-4);
  EXPECT_NEAR(v.TheoreticalSpeed(63), 16.1242, 1e-4);
  EXPECT_NEAR(v.RpmForTheoreticalSpeed(v.TheoreticalSpeed(63)), 63.0, kTolerance);

  EXPECT_EQ(v.SpeedThroughWater(80, 0), v.TheoreticalSpeed(80));
  EXPECT_NEAR(v.SpeedThroughWater(80, 10), v.TheoreticalSpeed(80) / 2, kTolerance);

  // The hull resistance factor scales the wanted speed: 8 knots at 0.3 is
  // the theoretical speed of 26.67 knots.
  EXPECT_NEAR(v.RpmForSpeed(8.0, 0), 104.1913, 1e-4);
  EXPECT_NEAR(v.RpmForSpeed(8.0, 10), 2 * v.RpmForSpeed(8.0, 0), kTolerance);
  EXPECT_NEAR(v.RevolutionsForDistance(v.TheoreticalSpeed(60), 0), 3600.0, 1e-6);
}

TEST(VesselPerformance, FuelFollowsTheCubeOfTheRpm) {
  const CVessel2 v;
  ExpectAllNear({v.FuelConsumption(106, 24.0), v.FuelConsumption(53, 24.0), v.FuelConsumption(106, 12.0)},
                {150.0, 150.0 / 8, 75.0}, kTolerance);
  // 150 mT a day over 24 h at 27.13 knots, with a knot of current astern.
  EXPECT_NEAR(v.FuelPerMile(106, 0, 1.0), 150.0 / 24 * 1000 / (v.TheoreticalSpeed(106) + 1.0), 1e-6);
}

TEST(VesselPerformance, StoppingFigures) {
  const CVessel2 v;
  EXPECT_EQ(std::pair(v.StopTime(63), v.StopTime(106)), std::pair(45.0, 131.0));
  ExpectAllNear({v.StopDistance(63, 0), v.StopDistance(106, 0), v.StopDistanceOverGround(63, 0, 2.0)},
                {11.0621, 42.0606, 11.0621 + 1.5}, 1e-4);
}

TEST(VesselPerformance, CalibrationSetsTheHullFactorOnlyFromAPositiveLogSpeed) {
  // Speed and log speed in turn, whether taken, and the factor after.
  const std::tuple<double, double, bool, double> calibrations[] = {
      {14.2, 14.2, true, 1.0},   {16.0, 12.0, true, 0.75},          {14.0, 0.0, false, 0.75},
      {14.0, -3.0, false, 0.75}, {14.0, std::nan(""), false, 0.75}, {0.0, 12.0, false, 0.75}};
  CVessel2 v;
  for (const auto& [speed, log, taken, factor] : calibrations) {
    EXPECT_EQ(v.Calibrate(speed, log), taken) << speed << " / " << log;
    EXPECT_EQ(v.hullResistanceFactor, factor);
  }
}

TEST(VesselPerformance, SquatSinksBothDraftsAndDoublesInShallowWater) {
  CVessel2 v;
  double aft = 0, forward = 0;
  // Squats from the vessel's drafts, leaving the running drafts in aft and forward.
  const auto squat = [&](bool ocean, double speed) {
    aft = v.draftAft, forward = v.draftForward;
    return v.Squat(ocean, speed, aft, forward);
  };
  ExpectAllNear({squat(true, 10.0), aft, forward}, {0.190127, 12.85 + 0.190127, 12.75 + 0.190127}, 1e-6);
  EXPECT_NEAR(squat(false, 10.0), 0.380254, 1e-6);
  EXPECT_EQ((std::pair{squat(false, 0.0), aft}), std::pair(0.0, 12.85));

  // The trim is 0 with one stored set, even when its ETM is 0.
  v.hydroETM = 0;
  EXPECT_NEAR(squat(true, 10.0), 0.190127, 1e-6);
  EXPECT_NEAR(aft - forward, 0.1, kTolerance);
}

TEST(VesselPerformance, HullTermIsTakenAtTheEngineSettingNotAtTheRpm) {
  CVessel2 v;
  const double s = v.WettedSurface(12.85, 12.75);
  EXPECT_NEAR(s, 10582.0932, 1e-4);
  // 10 × 0.3 × S / (0.5 × 1025 × 1.57 × 8²), whatever the rpm.
  EXPECT_NEAR(v.HullTerm(s, 63), 0.616480, 1e-6);
  EXPECT_NEAR(v.HullTerm(s, 106), v.HullTerm(s, 20), 1e-12);

  // r acts only through the squat of the running drafts.
  EXPECT_NEAR(v.HullResistance(0), v.HullTerm(s, 63), 1e-12);
  EXPECT_GT(v.HullResistance(106), v.HullResistance(63));
  v.engineSetting = 90;
  EXPECT_NEAR(v.HullResistance(0), v.HullTerm(s, 63), 1e-12);
  v.engineSetting = 0;
  EXPECT_TRUE(std::isnan(v.HullResistance(63)));
  EXPECT_TRUE(std::isnan(v.HullResistance()));
}

TEST(VesselPerformance, WindFromAbeamOrAftOfItCountsAsAstern) {
  const CVessel2 v;
  const double calm = v.WindResistance(63, 0, 0, 0);
  EXPECT_NEAR(v.WindResistance(63, 0, 0, 20), 0.318042, 1e-6);  // head wind
  EXPECT_NEAR(v.WindResistance(63, 0, 180, 20), 0.000393, 1e-6);
  EXPECT_NEAR(calm, 0.028283, 1e-6);
  // The degree factor is 1/57.3, so cos(90°) is not quite 0 and the side
  // the boundary falls on shows.
  for (const double delta : {90.0, -90.0, 270.0, -270.0})
    EXPECT_LT(v.WindResistance(63, 100 + delta, 100, 20), calm) << delta;
  for (const double delta : {89.9, -89.9, 270.1, -270.1})
    EXPECT_GT(v.WindResistance(63, 100 + delta, 100, 20), calm) << delta;
  EXPECT_EQ(v.WindAtReference(0, 20), v.WindResistance(63, 0, 0, 20));
}

TEST(VesselPerformance, ZeroDivisorsGiveNotANumberNeverInfinity) {
  CVessel2 pitch, diameter, mcr, hull;
  pitch.propellerPitch = 0;
  diameter.propellerDiameter = 0;
  mcr.mcrRpm = 0;
  hull.hullResistanceFactor = 0;
  const CVessel2 v;  // stopped: it burns nothing and has no figure per mile
  const double figures[] = {pitch.RpmForTheoreticalSpeed(12),    pitch.RpmForSpeed(12, 0),
                            pitch.RevolutionsForDistance(100, 0), pitch.FuelConsumption(80, 24),
                            pitch.HullResistance(80),             pitch.WindResistance(80, 0, 0, 20),
                            diameter.FuelConsumption(80, 24),     diameter.HullResistance(80),
                            diameter.WindResistance(80, 0, 0, 20), mcr.FuelPerMile(80, 0, 0),
                            hull.RpmForSpeed(12, 0),              v.FuelPerMile(0, 0, 0)};
  for (const double& figure : figures) EXPECT_TRUE(std::isnan(figure)) << "figure " << &figure - figures;
  EXPECT_EQ(hull.HullResistance(80), 0.0);
  EXPECT_EQ(v.FuelConsumption(0, 24), 0.0);
}

}  // namespace
}  // namespace marigold
