#pragma once
// Spray and snow particles: the records, the fixed arrays and the per-frame rules that
// need no GL.
struct TParticle {
  float FadeStep;   // spray: life lost per frame
  float RiseSpeed;  // spray: upward speed in hundredths per frame; snow: fall per frame
  float Life;       // spray: remaining life, alpha = life / 2000
  float X, Y, Z;
};

inline constexpr int ParticleSlots = 1001;
inline constexpr int MaxSprayPerEmitter = 333;  // three emitters fit in the array
inline constexpr int FlakeCount = 301;

extern TParticle SprayParticles[ParticleSlots];
extern TParticle SnowParticles[ParticleSlots];

// Particles emitter k moves: First to First + Count - 1. A count above 333 is limited to
// 333 so the three emitters stay inside the array; 0 or less gives none.
struct TSprayRange {
  int First, Count;
};
TSprayRange SprayRange(int emitter, int particleCount);

// Streaming of particles past the camera: (sin heading, -cos heading) x speed x 2.
struct TDrift {
  float X, Z;
};
TDrift ParticleDrift(double boatHeading, double boatSpeed);

// One frame of a spray particle: move, fade, and respawn at the emitter when its life
// falls below 1 (or is not a number). spawnY is the height a respawned particle takes.
void StepSprayParticle(TParticle& p, TDrift drift, float spawnY, float riseFactor);
bool SprayNeedsRespawn(const TParticle& p);
// Height of a new spray particle: sin(100 degrees x phase) x (2 - |throttle|).
float SpraySpawnHeight(double wavePhase, double throttle);

// One frame of a flake: drift, fall, and respawn when it leaves the box above the water.
void StepFlake(TParticle& p, TDrift drift);
bool FlakeNeedsRespawn(const TParticle& p);
// Fades towards the edges of the box; negative values are left for GL to clamp.
float FlakeAlpha(const TParticle& p);
