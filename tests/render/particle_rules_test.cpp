#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/particle_rules.h"

TEST(SprayRange, EmittersShareTheArray) {
  struct Case {
    int count, emitter, first, size;
  } cases[] = {
      {100, 0, 0, 100},   {100, 1, 100, 100}, {100, 2, 200, 100},
      {300, 2, 600, 300}, {333, 2, 666, 333},
      // Above 333 the three emitters would run past the 1001 records.
      {334, 2, 666, 333}, {100000, 2, 666, 333},
      {0, 1, 0, 0},       {-7, 2, 0, 0},
  };
  for (const Case& c : cases) {
    TSprayRange range = SprayRange(c.emitter, c.count);
    EXPECT_EQ(range.First, c.first) << c.count << " emitter " << c.emitter;
    EXPECT_EQ(range.Count, c.size) << c.count << " emitter " << c.emitter;
    EXPECT_LE(range.First + range.Count, ParticleSlots);
  }
}

TEST(SprayRange, NoParticleBelongsToTwoEmitters) {
  int owner[ParticleSlots];
  std::fill(std::begin(owner), std::end(owner), -1);
  for (int emitter = 0; emitter < 3; ++emitter) {
    TSprayRange range = SprayRange(emitter, 100);
    for (int k = range.First; k < range.First + range.Count; ++k) {
      EXPECT_EQ(owner[k], -1) << k;
      owner[k] = emitter;
    }
  }
  EXPECT_EQ(owner[299], 2);
  EXPECT_EQ(owner[300], -1);
}

TEST(SprayParticle, LivesWhileLifeIsOneOrMore) {
  TParticle p{20, 0, 21, 3, 4, 5};  // fades to exactly 1
  StepSprayParticle(p, {0, 0}, 0.5f, 10);
  EXPECT_FLOAT_EQ(p.Life, 1.0f);
  EXPECT_FLOAT_EQ(p.X, 3.0f);
  StepSprayParticle(p, {0, 0}, 0.5f, 10);  // below 1: respawns at the emitter
  EXPECT_FLOAT_EQ(p.Life, 1000.0f);
  EXPECT_FLOAT_EQ(p.X, 0.0f);
  EXPECT_FLOAT_EQ(p.Y, 0.5f);
  EXPECT_FLOAT_EQ(p.Z, 0.0f);
}

TEST(SprayParticle, RespawnDrawsRiseAndFade) {
  for (int round = 0; round < 200; ++round) {
    TParticle p{};
    StepSprayParticle(p, {1, 1}, 0, 10);
    EXPECT_GE(p.RiseSpeed, 0.0f);
    EXPECT_LE(p.RiseSpeed, 45.0f);
    EXPECT_FLOAT_EQ(std::fmod(p.RiseSpeed, 5.0f), 0.0f);
    EXPECT_GE(p.FadeStep, 20.0f);
    EXPECT_LE(p.FadeStep, 59.95f);
    TParticle still{};
    StepSprayParticle(still, {0, 0}, 0, 0);  // rise factor 0: emitter 2 does not rise
    EXPECT_EQ(still.RiseSpeed, 0.0f);
  }
}

TEST(SprayParticle, MovesWithTheDriftAndRises) {
  TParticle p{10, 30, 500, 1, 2, 3};
  StepSprayParticle(p, {0.5f, -0.25f}, 0, 10);
  EXPECT_FLOAT_EQ(p.X, 1.5f);
  EXPECT_FLOAT_EQ(p.Y, 2.3f);
  EXPECT_FLOAT_EQ(p.Z, 2.75f);
  EXPECT_FLOAT_EQ(p.Life, 490.0f);
}

TEST(SprayParticle, LifeThatIsNotANumberRespawns) {
  TParticle p{0, 0, std::numeric_limits<float>::quiet_NaN(), 0, 0, 0};
  EXPECT_TRUE(SprayNeedsRespawn(p));
}

TEST(ParticleDrift, StreamsBackAlongTheView) {
  TDrift ahead = ParticleDrift(0, -1.5);  // forward at heading 0
  EXPECT_NEAR(ahead.X, 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(ahead.Z, 3.0f);
  TDrift side = ParticleDrift(90, -1.5);
  EXPECT_FLOAT_EQ(side.X, -3.0f);
  EXPECT_NEAR(side.Z, 0.0f, 1e-6);
}

TEST(SpraySpawnHeight, FollowsTheWave) {
  EXPECT_NEAR(SpraySpawnHeight(0.9, 0), 2.0f, 1e-6);   // sin 90 x (2 - 0)
  EXPECT_NEAR(SpraySpawnHeight(0.9, -0.01), 1.99f, 1e-6);
  EXPECT_NEAR(SpraySpawnHeight(0, 0), 0.0f, 1e-6);
}

TEST(Flake, RespawnLimits) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float x, y, z;
    bool respawn;
  } cases[] = {
      {80, 5, 0, false},  {80.5f, 5, 0, true}, {-80, 5, 0, false}, {-80.5f, 5, 0, true},
      {0, 5, 80, false},  {0, 5, 80.5f, true}, {0, 5, -80, false}, {0, 5, -80.5f, true},
      {0, 0, 0, true},    {0, -1, 0, true},    {0, 0.01f, 0, false},
      {nan, 5, 0, true},  {0, nan, 0, true},
  };
  for (const Case& c : cases) {
    TParticle p{0, 0, 0, c.x, c.y, c.z};
    EXPECT_EQ(FlakeNeedsRespawn(p), c.respawn) << c.x << " " << c.y << " " << c.z;
  }
}

TEST(Flake, RespawnsInsideTheBox) {
  for (int round = 0; round < 200; ++round) {
    TParticle p{0, 0, 0, 0, 0, 0};  // height 0: every flake starts anew
    StepFlake(p, {0, 0});
    EXPECT_GE(p.X, -80.0f);
    EXPECT_LE(p.X, 79.0f);
    EXPECT_GE(p.Y, 10.0f);
    EXPECT_LE(p.Y, 29.0f);
    EXPECT_GE(p.Z, -80.0f);
    EXPECT_LE(p.Z, 79.0f);
    EXPECT_GE(p.RiseSpeed, 0.1f);
    EXPECT_LE(p.RiseSpeed, 0.1f + 4.0f / 30 + 1e-6f);
  }
}

TEST(Flake, FallsAndDrifts) {
  TParticle p{0, 0.25f, 0, 10, 5, -10};
  StepFlake(p, {1, 2});
  EXPECT_FLOAT_EQ(p.X, 11);
  EXPECT_FLOAT_EQ(p.Y, 4.75f);
  EXPECT_FLOAT_EQ(p.Z, -8);
}

TEST(Flake, AlphaFadesToTheEdges) {
  struct Case {
    float x, z, alpha;
  } cases[] = {
      {0, 0, 0.4f}, {32, 32, 0}, {64, 0, 0}, {0, -64, 0}, {-40, 24, 0},
      {40, 0, 0.15f}, {80, 80, -0.6f},  // negative: clamped to 0 by GL
  };
  for (const Case& c : cases) {
    TParticle p{0, 0, 0, c.x, 5, c.z};
    EXPECT_NEAR(FlakeAlpha(p), c.alpha, 1e-6) << c.x << " " << c.z;
  }
}
