#include "race/race_state.h"

uint8_t LevelGrids[2 * GridBytes];

bool SmokeOn = true;
bool TransparentWater = false;
int32_t ParticleCount = 0;

double BoatX = 32.0, BoatZ = -56.0, BoatHeading = 0, BoatSpeed = 0, Throttle = 0, Steering = 0,
       BoatSwing = 0, WavePhase = 0;
int32_t LastPhysicsTick = 0;
int32_t EngineRequest = 0;
int32_t CrashSoundState = 0;

int32_t LastCheckpoint = -1;
int32_t CheckpointCount = 0;
int32_t FinishCounter = 0;
bool OverlayOn = false;
int32_t OverlayTimer = 0;

double IntroDistance = 0, IntroSide = 0, CameraYaw = 0;
