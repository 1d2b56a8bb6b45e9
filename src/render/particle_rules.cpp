#include "render/particle_rules.h"

#include <cmath>

#include "render/random.h"
#include "render/wave.h"

TParticle SprayParticles[ParticleSlots];
TParticle SnowParticles[ParticleSlots];

TSprayRange SprayRange(int emitter, int particleCount) {
  int count = particleCount > MaxSprayPerEmitter ? MaxSprayPerEmitter : particleCount;
  if (count < 0 || emitter < 0 || emitter > 2) count = 0;
  return {emitter * count, count};
}

TDrift ParticleDrift(double boatHeading, double boatSpeed) {
  return {(float)(SinDegrees(boatHeading) * boatSpeed * 2.0),
          (float)(-CosDegrees(boatHeading) * boatSpeed * 2.0)};
}

bool SprayNeedsRespawn(const TParticle& p) { return !(p.Life >= 1.0f); }

float SpraySpawnHeight(double wavePhase, double throttle) {
  return (float)(SinDegrees(100.0 * wavePhase) * (2.0 - std::fabs(throttle)));
}

void StepSprayParticle(TParticle& p, TDrift drift, float spawnY, float riseFactor) {
  p.X += drift.X;
  p.Y += p.RiseSpeed / 100.0f;
  p.Z += drift.Z;
  p.Life -= p.FadeStep;
  if (SprayNeedsRespawn(p)) {
    p.X = 0;
    p.Y = spawnY;
    p.Z = 0;
    p.RiseSpeed = Random(10) / 2.0f * riseFactor;
    p.FadeStep = Random(400) / 10.0f + 20.0f;
    p.Life = 1000.0f;
  }
}

// Written as "not inside" so that a position that is not a number respawns too.
bool FlakeNeedsRespawn(const TParticle& p) {
  return !(p.Y > 0.0f) || !(p.X >= -80.0f && p.X <= 80.0f) || !(p.Z >= -80.0f && p.Z <= 80.0f);
}

void StepFlake(TParticle& p, TDrift drift) {
  p.X += drift.X;
  p.Y -= p.RiseSpeed;
  p.Z += drift.Z;
  if (FlakeNeedsRespawn(p)) {
    p.X = (float)(Random(160) - 80);
    p.Y = (float)(Random(20) + 10);
    p.Z = (float)(Random(160) - 80);
    p.RiseSpeed = Random(5) / 30.0f + 0.1f;
  }
}

float FlakeAlpha(const TParticle& p) {
  return (0.2f - std::fabs(p.Z) / 160.0f) + (0.2f - std::fabs(p.X) / 160.0f);
}
