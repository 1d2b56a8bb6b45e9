#include <gtest/gtest.h>

#include "race/boat_physics.h"
#include "race/race_progress.h"
#include "race/race_setup.h"
#include "race/race_simulator.h"
#include "race/race_state.h"
#include "race_test_support.h"
#include "shell/state.h"

// A straight channel along the start row; checkpoint 0 across column 200, 1 across 100.
static void WriteStraightLevel() {
  FillGrids(150, 200);
  for (int r = 4; r <= 24; r++)
    for (int c = 2; c < GridSize - 2; c++) {
      SetHeight(r, c, 20);
      if (c == 200) SetCheckpoint(r, c, 0);
      if (c == 100) SetCheckpoint(r, c, 1);
    }
  WriteLevelFiles("straight", 2);
}

static const std::vector<CellPoint> WindingPoints = {
    {14, 318}, {14, 230}, {80, 170}, {150, 230}, {220, 170}, {220, 60}, {120, 40}, {60, 100}};

static void WriteWindingLevel() {
  BuildCourse(WindingPoints, 9);
  WriteLevelFiles("winding", (int)WindingPoints.size() - 1);
}

class RaceSimulator : public ::testing::Test {
 protected:
  TempDataDir Dir;
  SoundRecorder Sounds;
};

TEST_F(RaceSimulator, ScriptedRunFinishesAtTheTickWorkedOutByHand) {
  WriteStraightLevel();
  RaceSimOptions options;
  options.Script = {{81, VK_UP_KEY, true}};
  RaceSimResult r = SimulateRace("straight", options);
  // Up from tick 81: after k substeps the boat has gone 0.005 k (k + 1) units, so the probe
  // (column 312 - X / 4) reaches column 200 after 288 substeps and column 100 after 403;
  // substep k runs in the frame after tick 80 + k.
  ASSERT_TRUE(r.Finished);
  EXPECT_EQ(r.CheckpointTicks, (std::vector<int>{368, 483}));
  EXPECT_EQ(r.FinishTick, 483);
  EXPECT_EQ(r.EndTickCount, 563);
  EXPECT_EQ(r.RaceTicks, 403);
  EXPECT_NEAR(r.RaceSeconds, 32.24, 1e-9);
  EXPECT_EQ(r.StoredSeconds, 32);
  EXPECT_EQ(r.Crashes, 0);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_EQ(FinishCounter, 81);
}

TEST_F(RaceSimulator, EarlyKeysAreDeadAndEscapeAbandons) {
  WriteStraightLevel();
  RaceSimOptions options;
  options.Script = {{40, VK_UP_KEY, true}, {300, VK_ESCAPE_KEY, true}};
  RaceSimResult r = SimulateRace("straight", options);
  EXPECT_FALSE(r.Finished);
  EXPECT_EQ(r.EndTickCount, 300);
  EXPECT_EQ(BoatX, 32.0);  // the press came before tick 81
  EXPECT_EQ(FinishCounter, 0);
}

TEST_F(RaceSimulator, GivesUpAtTheTickLimit) {
  WriteStraightLevel();
  RaceSimOptions options;
  options.TickLimit = 700;
  RaceSimResult r = SimulateRace("straight", options);  // nobody presses a key
  EXPECT_FALSE(r.Finished);
  EXPECT_EQ(r.EndTickCount, 700);
  EXPECT_TRUE(r.CheckpointTicks.empty());
}

// Everything up to the finish must match; after it the per-frame braking differs.
static void ExpectSameRace(const RaceSimResult& a, const RaceSimResult& b, int frames) {
  SCOPED_TRACE(testing::Message() << frames << " frames per tick");
  ASSERT_TRUE(b.Finished);
  EXPECT_EQ(a.FinishTick, b.FinishTick);
  EXPECT_EQ(a.RaceTicks, b.RaceTicks);
  EXPECT_EQ(a.StoredSeconds, b.StoredSeconds);
  EXPECT_EQ(a.CheckpointTicks, b.CheckpointTicks);
  EXPECT_EQ(a.Crashes, b.Crashes);
  ASSERT_EQ(a.Trajectory.size(), b.Trajectory.size());
  for (size_t i = 0; i < a.Trajectory.size() && a.Trajectory[i].Tick < a.FinishTick; i++) {
    EXPECT_EQ(a.Trajectory[i].X, b.Trajectory[i].X) << "tick " << a.Trajectory[i].Tick;
    EXPECT_EQ(a.Trajectory[i].Z, b.Trajectory[i].Z);
    EXPECT_EQ(a.Trajectory[i].Heading, b.Trajectory[i].Heading);
    EXPECT_EQ(a.Trajectory[i].Speed, b.Trajectory[i].Speed);
  }
}

TEST_F(RaceSimulator, ScriptedRaceDoesNotDependOnTheFrameRate) {
  WriteStraightLevel();
  RaceSimOptions options;
  options.RecordTrajectory = true;
  options.Script = {{81, VK_UP_KEY, true},     {120, VK_LEFT_KEY, true},
                    {140, VK_LEFT_KEY, false}, {141, VK_RIGHT_KEY, true},
                    {175, VK_RIGHT_KEY, false}, {200, VK_UP_KEY, false},
                    {230, VK_DOWN_KEY, true},  {240, VK_DOWN_KEY, false},
                    {241, VK_UP_KEY, true},    {260, VK_RIGHT_KEY, true},
                    {262, VK_RIGHT_KEY, false}};
  options.FramesPerTick = 1;
  RaceSimResult one = SimulateRace("straight", options);
  ASSERT_TRUE(one.Finished);
  for (int frames : {3, 10}) {
    options.FramesPerTick = frames;
    ExpectSameRace(one, SimulateRace("straight", options), frames);
  }
}

TEST_F(RaceSimulator, AutopilotFinishesAWindingCourse) {
  WriteWindingLevel();
  RaceSimOptions options;
  options.UseAutopilot = true;
  options.TickLimit = 6000;
  options.RecordTrajectory = true;
  RaceSimResult r = SimulateRace("winding", options);
  ASSERT_TRUE(r.Finished) << "checkpoints passed: " << r.CheckpointTicks.size();
  ASSERT_EQ(r.CheckpointTicks.size(), WindingPoints.size() - 1);
  for (size_t i = 1; i < r.CheckpointTicks.size(); i++)
    EXPECT_GE(r.CheckpointTicks[i], r.CheckpointTicks[i - 1]);
  EXPECT_GT(r.RaceTicks, 0);
  // The course is about 660 cells long; a boat at top speed covers 1.25 cells a tick.
  EXPECT_LT(r.RaceTicks, 1500) << "crashes " << r.Crashes;
  RecordProperty("AutopilotRaceTicks", r.RaceTicks);
  RecordProperty("AutopilotCrashes", r.Crashes);
  for (int frames : {3, 10}) {
    options.FramesPerTick = frames;
    ExpectSameRace(r, SimulateRace("winding", options), frames);
  }
}

// The race loop written out as a game test would: the autopilot is asked from the given
// tick on and presses keys only through the handlers. Returns the finish tick (0: none).
static int RunStepwise(const std::string& level, int askFromTick, int abandonAtTick) {
  ScreenState = StateRace;
  LastCheckpoint = -1;
  LoadLevel(level);
  LeaveLoop = false;
  AutopilotKeys held = {false, false, false, false};
  PhysicsStep();
  int finishTick = 0;
  while (!LeaveLoop && TickCount < 6000) {
    TickCount++;
    RaceTick();
    if (LeaveLoop) break;
    if (TickCount == abandonAtTick) BoatKeyDown(VK_ESCAPE_KEY);
    if (LeaveLoop) break;
    if (TickCount >= askFromTick) ApplyAutopilotKeys(held, AutopilotDecide());
    PhysicsStep();
    if (FinishCounter > 0 && finishTick == 0) finishTick = TickCount;
  }
  ApplyAutopilotKeys(held, AutopilotKeys{false, false, false, false});
  return finishTick;
}

TEST_F(RaceSimulator, AutopilotStepByStepInTheGamesOwnLoop) {
  WriteWindingLevel();
  WriteStraightLevel();
  RaceSimOptions options;
  options.UseAutopilot = true;
  RaceSimResult winding = SimulateRace("winding", options);
  EXPECT_EQ(RunStepwise("winding", 1, 0), winding.FinishTick);
  EXPECT_EQ(TickCount, winding.EndTickCount);
  // A race abandoned early, then another level whose autopilot is first asked at a later
  // tick: the autopilot must notice the new level by its grids, not only by the clock.
  AutopilotReset();
  int fresh = RunStepwise("straight", 90, 0);
  EXPECT_GT(fresh, 0);
  EXPECT_EQ(RunStepwise("winding", 1, 85), 0);
  EXPECT_EQ(RunStepwise("straight", 90, 0), fresh);
}

TEST_F(RaceSimulator, AutopilotGetsRoundSharpBendsInANarrowChannel) {
  // Bends sharper than the boat can take at speed, in a channel narrower than the probe's
  // reach: the boat ends on the banks and must turn on the spot to get on.
  BuildCourse({{14, 318}, {14, 280}, {60, 260}, {20, 240}, {60, 220}, {20, 200}, {60, 180}},
              4);
  WriteLevelFiles("zigzag", 6);
  RaceSimOptions options;
  options.UseAutopilot = true;
  options.TickLimit = 8000;
  RaceSimResult r = SimulateRace("zigzag", options);
  EXPECT_TRUE(r.Finished) << "checkpoints passed: " << r.CheckpointTicks.size();
  EXPECT_GT(r.Crashes, 0);
}

TEST_F(RaceSimulator, AutopilotGivesUpOnAnUnreachableCheckpoint) {
  BuildCourse({{14, 318}, {14, 200}, {14, 100}}, 6);
  for (int r = 0; r < GridSize; r++) SetHeight(r, 150, 200);  // a dam across the river
  WriteLevelFiles("dammed", 2);
  RaceSimOptions options;
  options.UseAutopilot = true;
  options.TickLimit = 1500;
  RaceSimResult r = SimulateRace("dammed", options);
  EXPECT_FALSE(r.Finished);
  EXPECT_EQ(r.CheckpointTicks.size(), 1u);
  EXPECT_EQ(r.EndTickCount, 1500);
}
