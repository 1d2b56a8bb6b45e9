#pragma once
// Shared state of the race: the level grids, the detail settings taken at each level load,
// the boat, race progress and the camera offsets that a level load resets.
#include <cstdint>

inline constexpr int GridSize = 320;
inline constexpr int GridBytes = GridSize * GridSize;  // 102400

// The heightmap and, directly after it, the checkpoint layer (row-major, row * 320 + col).
extern uint8_t LevelGrids[2 * GridBytes];
inline uint8_t* const Heightmap = LevelGrids;
inline uint8_t* const CheckpointLayer = LevelGrids + GridBytes;

// Detail settings, derived from the configuration at every level load.
extern bool SmokeOn;
extern bool TransparentWater;
extern int32_t ParticleCount;

// Boat state (world units, 4 per heightmap cell; degrees; negative speed is forward).
extern double BoatX, BoatZ, BoatHeading, BoatSpeed, Throttle, Steering, BoatSwing, WavePhase;
extern int32_t LastPhysicsTick;
extern int32_t EngineRequest;    // 0 none, 1 idle, 2 forward, 3 reverse
extern int32_t CrashSoundState;  // 0..3, the crash-sound latch

// Race progress.
extern int32_t LastCheckpoint;
extern int32_t CheckpointCount;
extern int32_t FinishCounter;
extern bool OverlayOn;
extern int32_t OverlayTimer;

// Camera offsets of the intro and the camera's yaw; LoadLevel resets them with the boat.
extern double IntroDistance, IntroSide, CameraYaw;
