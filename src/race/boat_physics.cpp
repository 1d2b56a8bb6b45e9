#include "race/boat_physics.h"

#include "race/boat_motion.h"
#include "race/race_progress.h"
#include "race/race_sounds.h"
#include "race/race_state.h"
#include "shell/state.h"

int32_t CrashCount = 0;

void BoatKeyDown(int key) {
  if (TickCount > KeysLiveAfterTick && ScreenState == StateRace) {
    switch (key) {
      case VK_UP_KEY:
        EngineRequest = 2;
        Throttle = -0.01;
        break;
      case VK_DOWN_KEY:
        EngineRequest = 3;
        Throttle = +0.01;
        break;
      case VK_LEFT_KEY:
        Steering = -0.5;
        break;
      case VK_RIGHT_KEY:
        Steering = +0.5;
        break;
    }
  }
  if (key == VK_ESCAPE_KEY) LeaveLoop = true;
}

void BoatKeyUp(int key) {
  if (ScreenState != StateRace) return;
  if (key == VK_UP_KEY || key == VK_DOWN_KEY) {
    Throttle = 0;
    EngineRequest = 1;
  } else if (key == VK_LEFT_KEY || key == VK_RIGHT_KEY) {
    Steering = 0;
  }
}

void PhysicsSubstep() {
  BoatMotion boat = {BoatX, BoatZ, BoatHeading, BoatSpeed, BoatSwing};
  MoveBoat(boat, Throttle, Steering, Heightmap, CrashSoundState);
  BoatX = boat.X;
  BoatZ = boat.Z;
  BoatHeading = boat.Heading;
  BoatSpeed = boat.Speed;
  BoatSwing = boat.Swing;

  CheckpointAndFinishTest();

  // End of the crash latch: under throttle the sound comes again after a substep without
  // contact; while coasting it sounds only once.
  if (Throttle != 0 && CrashSoundState == 2) CrashSoundState = 0;
  if (CrashSoundState == 3) CrashSoundState = 2;
  if (CrashSoundState == 1) {
    PlayRaceEffect(EventChannel, CrashSample);
    CrashCount++;
    CrashSoundState = 2;
  }
}

void PhysicsStep() {
  if (FinishCounter > 0) {
    Throttle = 0;
    BoatSpeed = BoatSpeed * 0.9;
  }
  if (LastPhysicsTick == 0) LastPhysicsTick = TickCount;
  WavePhase = WavePhase + 0.05;
  // One substep per tick passed, so the motion follows the tick, not the frame rate.
  int32_t substeps = TickCount - LastPhysicsTick;
  for (int32_t i = 0; i < substeps; i++) PhysicsSubstep();
  LastPhysicsTick = TickCount;
}
