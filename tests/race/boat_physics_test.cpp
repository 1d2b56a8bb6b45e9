#include <gtest/gtest.h>

#include <cmath>

#include "race/boat_physics.h"
#include "race/probe_cell.h"
#include "race/race_state.h"
#include "race_test_support.h"
#include "shell/state.h"

// Open water everywhere; no cell holds a checkpoint the race waits for.
class BoatPhysics : public ::testing::Test {
 protected:
  void SetUp() override {
    FillGrids(10, 200);
    ResetRaceState(5);
  }
  SoundRecorder Sounds;
};

TEST_F(BoatPhysics, OneSubstepPerTickPassed) {
  struct Case {
    const char* name;
    int32_t lastTick, tick;
    int substeps;
  } cases[] = {
      {"no tick passed", 100, 100, 0},
      {"one tick passed", 100, 101, 1},
      {"three ticks passed", 100, 103, 3},
      {"first frame of the first race", 0, 0, 0},
      {"first frame after a reset that found ticks counted", 0, 5, 0},
      {"first frame of a second race", 2000, 0, 0},
      {"clock behind the last frame", 50, 40, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRaceState(5);
    LastPhysicsTick = c.lastTick;
    TickCount = c.tick;
    Throttle = -0.01;  // each substep adds exactly one throttle step to the speed
    double wave = WavePhase;
    PhysicsStep();
    EXPECT_NEAR(BoatSpeed, -0.01 * c.substeps, 1e-12);
    EXPECT_EQ(LastPhysicsTick, c.tick);
    EXPECT_DOUBLE_EQ(WavePhase, wave + 0.05);
  }
}

TEST_F(BoatPhysics, SecondRaceStartsCountingFromItsOwnTicks) {
  LastPhysicsTick = 2000;  // end of the first race
  Throttle = -0.01;
  TickCount = 0;
  PhysicsStep();
  EXPECT_EQ(LastPhysicsTick, 0);
  TickCount = 1;
  PhysicsStep();  // LastPhysicsTick 0 means "take the current tick"
  EXPECT_EQ(BoatSpeed, 0.0);
  TickCount = 3;
  PhysicsStep();
  EXPECT_NEAR(BoatSpeed, -0.02, 1e-12);
}

TEST_F(BoatPhysics, ThrottleStopsJustBeyondTheSpeedBounds) {
  // Throttle applies only strictly between -5.0 and 2.0; under throttle nothing else
  // changes the speed on open water, so a speed outside the band stays where it is.
  struct Case {
    double speed, throttle, afterOne;
  } cases[] = {{-4.995, -0.01, -5.005}, {1.995, 0.01, 2.005}, {-5.0, -0.01, -5.0},
               {2.0, 0.01, 2.0},        {-5.005, 0.01, -5.005}, {-4.0, 0.01, -3.99}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    ResetRaceState(5);
    BoatSpeed = c.speed;
    Throttle = c.throttle;
    PhysicsSubstep();
    EXPECT_NEAR(BoatSpeed, c.afterOne, 1e-12);
    bool outside = !(BoatSpeed < 2.0 && BoatSpeed > -5.0);
    double held = BoatSpeed;
    for (int i = 0; i < 10; i++) PhysicsSubstep();
    if (outside) {
      EXPECT_EQ(BoatSpeed, held);
    }
  }
}

TEST_F(BoatPhysics, UpHeldFromStandstillThenReleased) {
  Throttle = -0.01;
  double previous = 0;
  int steps = 0;
  while (BoatSpeed > -5.0) {
    previous = BoatSpeed;
    BoatX = 32;  // stay on open water
    PhysicsSubstep();
    steps++;
    ASSERT_NEAR(BoatSpeed - previous, -0.01, 1e-9);
  }
  EXPECT_GE(steps, 500);
  EXPECT_LE(steps, 501);
  double top = BoatSpeed;
  EXPECT_GT(top, -5.01);
  for (int i = 0; i < 50; i++) {
    BoatX = 32;
    PhysicsSubstep();
  }
  EXPECT_EQ(BoatSpeed, top);
  Throttle = 0;  // released: coasting
  for (int i = 1; i <= 3; i++) {
    double before = BoatSpeed;
    BoatX = 32;
    PhysicsSubstep();
    EXPECT_DOUBLE_EQ(BoatSpeed, before * 0.992);
  }
}

TEST_F(BoatPhysics, TurnRateAndSwing) {
  struct Case {
    const char* name;
    double speed, throttle, steering;
    double heading, swing;  // after one substep on open water
  } cases[] = {
      // Left going forward: |speed| / 3 + 0.75 degrees (speed 3.01 after the throttle).
      {"left under throttle", -3.0, -0.01, -0.5, -(3.01 / 3 + 0.75), -(3.01 / 4 + 0.5)},
      {"right from standstill", 0.0, -0.01, 0.5, 0.01 / 3 + 0.75, 0.01 / 4 + 0.5},
      {"left while coasting", -3.0, 0.0, -0.5, -2.976 / 3, -2.976 / 4},
      {"right in reverse", 1.0, 0.01, 0.5, -(1.01 / 3) - 0.75, -(1.01 / 4) - 0.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRaceState(5);
    BoatSpeed = c.speed;
    Throttle = c.throttle;
    Steering = c.steering;
    PhysicsSubstep();
    EXPECT_NEAR(BoatHeading, c.heading, 1e-12);
    EXPECT_NEAR(BoatSwing, c.swing, 1e-12);
    double swing = BoatSwing, speed = BoatSpeed;
    Steering = 0;
    PhysicsSubstep();
    if (c.throttle == 0) speed *= 0.992;
    else speed += c.throttle;
    EXPECT_NEAR(BoatSwing, swing * 0.89, 1e-12);  // the swing decays once the key is up
    EXPECT_NEAR(BoatSpeed, speed, 1e-12);
  }
}

TEST_F(BoatPhysics, MovesAreBlockedAbove76) {
  // At heading 0 the probe is cell (14, 304); moving 4 units forward takes it to (14, 303).
  ASSERT_EQ(ProbeCell(), 14 * GridSize + 304);
  for (int height : {76, 77, 255}) {
    SCOPED_TRACE(height);
    ResetRaceState(5);
    SetHeight(14, 303, (uint8_t)height);
    BoatSpeed = -4.0;
    Throttle = -0.01;
    PhysicsSubstep();
    if (height <= 76) {
      EXPECT_NEAR(BoatX, 32 + 4.01, 1e-9);
      EXPECT_NEAR(BoatSpeed, -4.01, 1e-12);
      EXPECT_EQ(CrashSoundState, 0);
    } else {
      EXPECT_NEAR(BoatX, 32.0, 1e-9);
      EXPECT_NEAR(BoatSpeed, -4.01 * 0.9, 1e-12);
      EXPECT_EQ(CrashSoundState, 2);
    }
  }
}

TEST_F(BoatPhysics, TurnsAreTakenBackAbove80) {
  // Right under throttle from standstill turns the probe from row 14 into row 15.
  const double startHeading = 3.8;
  ASSERT_EQ(ProbeOffset(BoatX, BoatZ, startHeading), 14 * GridSize + 304);
  const double turned = startHeading + 0.5 * 0.01 / 1.5 + 0.5 * 0.01 * 150;
  ASSERT_EQ(ProbeOffset(BoatX, BoatZ, turned), 15 * GridSize + 304);
  for (int height : {77, 80, 81}) {
    SCOPED_TRACE(height);
    ResetRaceState(5);
    SetHeight(15, 304, (uint8_t)height);
    BoatHeading = startHeading;
    Throttle = -0.01;
    Steering = 0.5;
    PhysicsSubstep();
    if (height <= 80) {
      EXPECT_NEAR(BoatHeading, turned, 1e-9);
      EXPECT_NEAR(BoatSpeed, -0.01, 1e-12);
    } else {
      // A quarter of the speed part and a third of the throttle part remain.
      EXPECT_NEAR(BoatHeading, startHeading + 0.01 / 12 + 0.25, 1e-9);
      EXPECT_NEAR(BoatSpeed, -0.009, 1e-12);
      EXPECT_EQ(CrashSoundState, 2);
    }
  }
}

TEST_F(BoatPhysics, ThreeBlockedTestsLoseSpeedThreeTimes) {
  FillGrids(100, 200);
  BoatSpeed = -2.0;
  Steering = 0.5;
  PhysicsSubstep();
  EXPECT_NEAR(BoatSpeed, -2.0 * 0.992 * 0.729, 1e-12);
  EXPECT_NEAR(BoatX, 32.0, 1e-9);
  EXPECT_NEAR(BoatZ, -56.0, 1e-9);
}

TEST_F(BoatPhysics, ProbeOutsideTheGridIsBlocked) {
  struct Case {
    double x, z, heading;
  } cases[] = {{-40, -56, 0}, {1300, -56, 0}, {32, 10, 0},
               {32, -1300, 0}, {1e300, -56, 0}, {32, -56, std::nan("")}};
  for (const Case& c : cases) {
    EXPECT_EQ(ProbeOffset(c.x, c.z, c.heading), -1);
    EXPECT_EQ(ProbeHeight(Heightmap, c.x, c.z, c.heading), OutsideHeight);
  }
  // The last cells inside still read the grid.
  EXPECT_EQ(ProbeOffset(4 * (319 - 7), 0, 0), 0);
  // A boat driven off the edge stops at it and never reads outside the grids.
  BoatX = 4 * 318 - 28.0;  // probe on column 1
  BoatSpeed = -4;
  Throttle = -0.01;
  for (int i = 0; i < 5; i++) PhysicsSubstep();
  EXPECT_GE(ProbeCell(), 0);
  EXPECT_GT(CrashSoundState, 0);
}

TEST_F(BoatPhysics, CrashLatch) {
  struct Case {
    const char* name;
    double throttle;
    std::vector<bool> contact;
    std::vector<int> sounds;  // crash sounds after each substep, counted
  } cases[] = {
      {"under throttle: again after a substep without contact", -0.01,
       {true, true, false, true, true, false, false, true}, {1, 1, 1, 2, 2, 2, 2, 3}},
      {"coasting: once", 0.0, {true, true, false, true, false, true}, {1, 1, 1, 1, 1, 1}},
      {"reverse throttle counts as throttle", 0.01, {true, false, true}, {1, 1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetRaceState(5);
    RecordedSounds.clear();
    BoatSpeed = -0.5;
    for (size_t i = 0; i < c.contact.size(); i++) {
      FillGrids(c.contact[i] ? 100 : 10, 200);
      Throttle = c.throttle;
      PhysicsSubstep();
      EXPECT_EQ(Sounds.Count(EventChannel, CrashSample), c.sounds[i]) << "substep " << i;
    }
    EXPECT_EQ((int)RecordedSounds.size(), c.sounds.back());
  }
}

TEST_F(BoatPhysics, KeyDownsAreDeadUntilTick81WhileKeyUpsAct) {
  struct Case {
    int tick;
    int state;
    bool live;
  } cases[] = {{0, StateRace, false}, {80, StateRace, false}, {81, StateRace, true},
               {500, StateRace, true}, {500, StateIntro, false}, {500, StateResult, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tick);
    ResetRaceState(5);
    TickCount = c.tick;
    ScreenState = c.state;
    BoatKeyDown(VK_UP_KEY);
    EXPECT_EQ(Throttle, c.live ? -0.01 : 0.0);
    EXPECT_EQ(EngineRequest, c.live ? 2 : 0);
    BoatKeyDown(VK_DOWN_KEY);  // the key pressed last counts
    EXPECT_EQ(Throttle, c.live ? 0.01 : 0.0);
    EXPECT_EQ(EngineRequest, c.live ? 3 : 0);
    BoatKeyDown(VK_LEFT_KEY);
    EXPECT_EQ(Steering, c.live ? -0.5 : 0.0);
    BoatKeyDown(VK_RIGHT_KEY);
    EXPECT_EQ(Steering, c.live ? 0.5 : 0.0);
    EXPECT_FALSE(LeaveLoop);
  }
  // Key-ups act in the race at any tick.
  ResetRaceState(5);
  TickCount = 10;
  Throttle = 0.01;
  Steering = -0.5;
  BoatKeyUp(VK_UP_KEY);  // either throttle key clears the throttle
  EXPECT_EQ(Throttle, 0.0);
  EXPECT_EQ(EngineRequest, 1);
  BoatKeyUp(VK_RIGHT_KEY);
  EXPECT_EQ(Steering, 0.0);
  ScreenState = StateIntro;
  Throttle = 0.01;
  BoatKeyUp(VK_DOWN_KEY);
  EXPECT_EQ(Throttle, 0.01);
}

TEST_F(BoatPhysics, EscapeLeavesInEveryState) {
  for (int state : {StateIntro, StateRace}) {
    for (int tick : {0, 40, 500}) {
      ResetRaceState(5);
      ScreenState = state;
      TickCount = tick;
      BoatKeyDown(VK_ESCAPE_KEY);
      EXPECT_TRUE(LeaveLoop);
      EXPECT_EQ(FinishCounter, 0);
    }
  }
}

TEST_F(BoatPhysics, BrakingAfterTheFinishIsPerFrame) {
  FinishCounter = 5;
  BoatSpeed = -3.0;
  Throttle = -0.01;
  LastPhysicsTick = 100;
  TickCount = 100;  // no tick passed: only the frame's braking
  PhysicsStep();
  EXPECT_EQ(Throttle, 0.0);
  EXPECT_DOUBLE_EQ(BoatSpeed, -3.0 * 0.9);
  TickCount = 101;
  PhysicsStep();
  EXPECT_DOUBLE_EQ(BoatSpeed, -3.0 * 0.9 * 0.9 * 0.992);
}
