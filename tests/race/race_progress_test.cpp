#include <gtest/gtest.h>

#include "race/boat_physics.h"
#include "race/race_progress.h"
#include "race/race_state.h"
#include "race_test_support.h"
#include "shell/state.h"

static const int StartProbeRow = 14, StartProbeCol = 304;  // probe of a boat at its start

class RaceProgress : public ::testing::Test {
 protected:
  void SetUp() override {
    FillGrids(10, 200);
    ResetRaceState(5);
  }
  void ProbeSees(uint8_t value) { SetCheckpoint(StartProbeRow, StartProbeCol, value); }
  SoundRecorder Sounds;
};

TEST_F(RaceProgress, CheckpointsCountOnlyInOrder) {
  struct Step {
    uint8_t under;
    int lastAfter;
  } steps[] = {{1, -1}, {2, -1}, {0, 0}, {0, 0}, {2, 0}, {1, 1}, {3, 1}, {2, 2}};
  for (const Step& s : steps) {
    ProbeSees(s.under);
    OverlayOn = false;
    int before = LastCheckpoint;
    CheckpointAndFinishTest();
    EXPECT_EQ(LastCheckpoint, s.lastAfter) << (int)s.under;
    EXPECT_EQ(OverlayOn, LastCheckpoint != before);
  }
  EXPECT_EQ(FinishCounter, 0);
}

TEST_F(RaceProgress, CheckpointSwitchesTheOverlayWithoutTouchingItsTimer) {
  ProbeSees(0);
  OverlayTimer = 12;
  CheckpointAndFinishTest();
  EXPECT_TRUE(OverlayOn);
  EXPECT_EQ(OverlayTimer, 12);
}

TEST_F(RaceProgress, FinishAfterTheLastCheckpoint) {
  struct Case {
    int count;
    uint8_t under;  // the probe's cell in the first substep
    bool finished;
  } cases[] = {{0, 200, true}, {1, 200, false}, {1, 0, true}, {2, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    ResetRaceState(c.count);
    RecordedSounds.clear();
    ProbeSees(c.under);
    TickCount = 2;
    LastPhysicsTick = 1;
    PhysicsStep();  // one substep
    EXPECT_EQ(FinishCounter, c.finished ? 1 : 0);
    EXPECT_EQ(LastCheckpoint == 255, c.finished);
    EXPECT_EQ(Sounds.Count(EventChannel, EngineSample1), c.finished ? 1 : 0);
    if (c.finished) {
      // Nothing counts after the finish, and the finish does not come again.
      ProbeSees(0);
      PhysicsSubstep();
      EXPECT_EQ(LastCheckpoint, 255);
      EXPECT_EQ(FinishCounter, 1);
      EXPECT_EQ(RecordedSounds.size(), 1u);
    }
  }
}

TEST_F(RaceProgress, LeaveLoop80TicksAfterTheFinish) {
  TickCount = 400;
  FinishCounter = 1;  // the finish was seen in the frame after tick 400
  for (int k = 1; k <= 80; k++) {
    TickCount++;
    RaceTick();
    EXPECT_EQ(FinishCounter, k + 1);
    EXPECT_TRUE(OverlayOn);
    EXPECT_EQ(LeaveLoop, k == 80) << "tick " << TickCount;
  }
  EXPECT_EQ(TickCount - 160, 400 - 80);  // the race time the result screen computes
}

TEST_F(RaceProgress, RaceTickAroundTheStartPhase) {
  struct Case {
    int tick;
    bool engineBusy;
    int request;
    int finish;
    std::vector<std::pair<int, FSOUND_SAMPLE**>> sounds;
    bool overlayForced;  // step 6 held the overlay on with its timer at 0
    int requestAfter;
  } cases[] = {
      {1, false, 1, 0, {{EngineChannel, &EngineStartSample}}, false, 1},
      {2, false, 1, 0, {{EngineChannel, &EngineSample1}}, true, 1},
      {2, true, 0, 0, {}, true, 0},
      {79, false, 0, 0, {{EngineChannel, &EngineSample1}}, true, 0},
      {80, false, 1, 0, {}, false, 1},
      {81, false, 1, 0, {{EngineChannel, &EngineSample1}}, false, 0},
      {81, false, 2, 0, {{EngineChannel, &EngineSample2}}, false, 0},
      {81, false, 3, 0, {{EngineChannel, &EngineSample3}}, false, 0},
      {81, false, 0, 0, {}, false, 0},
      {81, true, 2, 0, {{EngineChannel, &EngineSample2}}, false, 0},
      {81, false, 2, 7, {}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "tick " << c.tick << " request " << c.request);
    ResetRaceState(5);
    RecordedSounds.clear();
    EngineChannelBusy = c.engineBusy;
    TickCount = c.tick;
    EngineRequest = c.request;
    FinishCounter = c.finish;
    OverlayTimer = 5;
    RaceTick();
    ASSERT_EQ(RecordedSounds.size(), c.sounds.size());
    for (size_t i = 0; i < c.sounds.size(); i++) {
      EXPECT_EQ(RecordedSounds[i].first, c.sounds[i].first);
      EXPECT_EQ(RecordedSounds[i].second, *c.sounds[i].second);
    }
    EXPECT_EQ(EngineRequest, c.requestAfter);
    if (c.overlayForced) {
      EXPECT_TRUE(OverlayOn);
      EXPECT_EQ(OverlayTimer, 0);
    } else {
      EXPECT_EQ(OverlayOn, c.finish > 0);
      EXPECT_EQ(OverlayTimer, 5);
    }
  }
}

TEST_F(RaceProgress, OverlayTiming) {
  // From the start: held on through the start phase, off at tick 111.
  for (TickCount = 1; TickCount <= 120; TickCount++) {
    RaceTick();
    EXPECT_EQ(OverlayOn, TickCount >= 2 && TickCount <= 110) << "tick " << TickCount;
  }
  // A checkpoint switching it on: on for 31 ticks, then off.
  ProbeSees(0);
  CheckpointAndFinishTest();
  ASSERT_TRUE(OverlayOn);
  for (int k = 1; k <= 40; k++) {
    TickCount++;
    RaceTick();
    EXPECT_EQ(OverlayOn, k <= 31) << "tick " << k << " after the checkpoint";
    if (k <= 31) {
      EXPECT_EQ(OverlayTimer, k);
    }
  }
}

TEST_F(RaceProgress, KeyUpBeforeTick81IsHonouredAtTick81) {
  TickCount = 50;
  BoatKeyUp(VK_UP_KEY);
  EXPECT_EQ(EngineRequest, 1);
  for (TickCount = 51; TickCount <= 80; TickCount++) RaceTick();
  EXPECT_EQ(EngineRequest, 1);
  RecordedSounds.clear();
  TickCount = 81;
  RaceTick();
  EXPECT_EQ(Sounds.Count(EngineChannel, EngineSample1), 1);
  EXPECT_EQ(EngineRequest, 0);
}

TEST_F(RaceProgress, AfterTheFinishUpDoesNotMoveTheBoat) {
  FinishCounter = 3;
  TickCount = 300;
  LastPhysicsTick = 299;
  BoatKeyDown(VK_UP_KEY);
  EXPECT_EQ(EngineRequest, 2);
  PhysicsStep();
  EXPECT_EQ(Throttle, 0.0);
  EXPECT_EQ(BoatSpeed, 0.0);
  RecordedSounds.clear();
  TickCount++;
  RaceTick();
  EXPECT_EQ(EngineRequest, 0);
  EXPECT_TRUE(RecordedSounds.empty());
}
