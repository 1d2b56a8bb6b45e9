#include <gtest/gtest.h>

#include <cstring>

#include "race/boat_physics.h"
#include "race/race_setup.h"
#include "race/race_state.h"
#include "race_test_support.h"
#include "shell/errors.h"
#include "shell/state.h"

// Two distinguishable grid sets: "old" in memory, "new" on disk.
static void WriteNewLevel(const std::string& name, int checkpoints) {
  FillGrids(33, 7);
  WriteLevelFiles(name, checkpoints);
  FillGrids(99, 98);
}

static void DirtyRaceState() {
  BoatX = 500;
  BoatZ = -700;
  BoatHeading = 45;
  BoatSpeed = -3;
  Throttle = -0.01;
  Steering = 0.5;
  BoatSwing = 2;
  IntroDistance = IntroSide = CameraYaw = 9;
  TickCount = 1234;
  CrashSoundState = 3;
  FinishCounter = 81;
  CheckpointCount = 42;
  LastPhysicsTick = 1234;
  WavePhase = 3.5;
  EngineRequest = 2;
  OverlayOn = true;
  OverlayTimer = 17;
  LastCheckpoint = 255;
  Season = "winter";
}

TEST(LoadLevel, SetsUpTheRace) {
  TempDataDir dir;
  WriteNewLevel("level2", 6);
  DirtyRaceState();
  LoadLevel("level2");
  EXPECT_EQ(Heightmap[0], 33);
  EXPECT_EQ(Heightmap[GridBytes - 1], 33);
  EXPECT_EQ(CheckpointLayer[0], 7);
  EXPECT_EQ(CheckpointLayer[GridBytes - 1], 7);
  EXPECT_EQ(CheckpointCount, 6);
  EXPECT_EQ(FinishCounter, 0);
  EXPECT_EQ(BoatX, 32.0);
  EXPECT_EQ(BoatZ, -56.0);
  for (double v : {BoatHeading, BoatSpeed, Throttle, Steering, BoatSwing, IntroDistance,
                   IntroSide, CameraYaw})
    EXPECT_EQ(v, 0.0);
  EXPECT_EQ(TickCount, 0);
  EXPECT_EQ(CrashSoundState, 0);
  // Left alone: the physics clock, the waves, the engine request, the overlay, the
  // checkpoint counter and the season.
  EXPECT_EQ(LastPhysicsTick, 1234);
  EXPECT_EQ(WavePhase, 3.5);
  EXPECT_EQ(EngineRequest, 2);
  EXPECT_TRUE(OverlayOn);
  EXPECT_EQ(OverlayTimer, 17);
  EXPECT_EQ(LastCheckpoint, 255);
  EXPECT_EQ(Season, "winter");
  // The start lies in column 311, row 14.
  EXPECT_EQ(319 - BoatX / 4, 311);
  EXPECT_EQ(-BoatZ / 4, 14);
}

TEST(LoadLevel, DetailSettings) {
  struct Case {
    const char* detail;
    bool transparent, smoke;
  } cases[] = {{"3", true, true}, {"2", false, true}, {"1", false, false},
               {"0", false, true}, {"high", false, true}, {"3 ", false, true}};
  TempDataDir dir;
  WriteNewLevel("intro", 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.detail);
    WriteConfig(c.detail, "250");
    TransparentWater = !c.transparent;
    SmokeOn = !c.smoke;
    LoadLevel("intro");
    EXPECT_EQ(TransparentWater, c.transparent);
    EXPECT_EQ(SmokeOn, c.smoke);
    EXPECT_EQ(ParticleCount, 250);
  }
}

TEST(LoadLevel, StepsDoneStayDone) {
  TempDataDir dir;
  struct Case {
    const char* name;
    void (*breakIt)();
    bool heightmapNew, layerNew, settingsNew, countNew;
    bool convertError;
  } cases[] = {
      {"heightmap missing", [] { std::remove("data/level1.raw"); }, false, false, false, false,
       false},
      {"heightmap one byte short",
       [] { WriteBytes("data/level1.raw", std::string(GridBytes - 1, 'a')); }, false, false,
       false, false, false},
      {"checkpoint layer short", [] { WriteBytes("data/level1add.raw", "abc"); }, true, false,
       false, false, false},
      {"configuration missing", [] { std::remove("data/vontel.cfg"); }, true, true, false, false,
       false},
      {"particle line not a number", [] { WriteConfig("3", "many"); }, true, true, true, false,
       true},
      {"level file missing", [] { std::remove("data/level1.dcc"); }, true, true, true, false,
       false},
      {"level file without #eop", [] { WriteBytes("data/level1.dcc", "\xce\xed\xf2\r\n"); },
       true, true, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteConfig("3", "300");
    WriteNewLevel("level1", 6);
    c.breakIt();
    DirtyRaceState();
    TransparentWater = false;
    ParticleCount = 1;
    try {
      LoadLevel("level1");
      ADD_FAILURE() << "no error";
    } catch (const ConvertError& e) {
      EXPECT_TRUE(c.convertError) << e.what();
    } catch (const FileError& e) {
      EXPECT_FALSE(c.convertError) << e.what();
      EXPECT_NE(std::string(e.what()).find("data/"), std::string::npos) << e.what();
    }
    EXPECT_EQ(FinishCounter, 0);  // step 1 always runs
    EXPECT_EQ(Heightmap[5], c.heightmapNew ? 33 : 99);
    EXPECT_EQ(CheckpointLayer[5], c.layerNew ? 7 : 98);
    EXPECT_EQ(TransparentWater, c.settingsNew);
    EXPECT_EQ(CheckpointCount, c.countNew ? 6 : 42);
    EXPECT_EQ(TickCount, 1234);  // the boat reset never ran
    EXPECT_EQ(BoatX, 500.0);
  }
}

TEST(LoadLevel, ReadsOnlyTheFirst102400Bytes) {
  TempDataDir dir;
  WriteNewLevel("level1", 3);
  std::string longer(GridBytes, (char)44);
  longer += "tail";
  WriteBytes("data/level1.raw", longer);
  LoadLevel("level1");
  EXPECT_EQ(Heightmap[GridBytes - 1], 44);
  EXPECT_EQ(CheckpointLayer[0], 7);  // the checkpoint layer is its own file
}
