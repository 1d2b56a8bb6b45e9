#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "gl_context.h"
#include "race/race_state.h"
#include "render/particle_rules.h"
#include "render/scene.h"

namespace {

void DrawThreeEmitters() {
  DrawSpray(0, 0.8f, 0, 0, 10);
  DrawSpray(1, -0.8f, 0, 0, 10);
  DrawSpray(2, 0, -10, 0, 0);
}

}  // namespace

// A hand-edited particle count far above what the options offer stays inside the array.
TEST(ParticlesDraw, LargeCountStaysInsideTheArray) {
  OpenTestContext();
  std::memset(SprayParticles, 0, sizeof SprayParticles);
  const TParticle sentinel{7, 7, 7, 7, 7, 7};
  SprayParticles[999] = SprayParticles[1000] = sentinel;
  ParticleCount = 100000;
  DrawThreeEmitters();
  for (int k = 0; k < 999; ++k) ASSERT_FLOAT_EQ(SprayParticles[k].Life, 1000.0f) << k;
  EXPECT_EQ(std::memcmp(&SprayParticles[999], &sentinel, sizeof sentinel), 0);
  EXPECT_EQ(std::memcmp(&SprayParticles[1000], &sentinel, sizeof sentinel), 0);
}

TEST(ParticlesDraw, EachParticleMovesOncePerFrame) {
  OpenTestContext();
  std::memset(SprayParticles, 0, sizeof SprayParticles);
  ParticleCount = 100;
  DrawThreeEmitters();  // all respawn with life 1000
  float life[300];
  for (int k = 0; k < 300; ++k) life[k] = SprayParticles[k].Life - SprayParticles[k].FadeStep;
  DrawThreeEmitters();
  for (int k = 0; k < 300; ++k) ASSERT_FLOAT_EQ(SprayParticles[k].Life, life[k]) << k;
  EXPECT_EQ(SprayParticles[300].Life, 0.0f);
}

TEST(ParticlesDraw, LeaveStateForTheScenery) {
  OpenTestContext();
  ParticleCount = 10;
  glRotatef(30, 0, 1, 0);  // any matrix on entry
  DrawThreeEmitters();
  DrawSnow();
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  float matrix[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  for (int k = 0; k < 16; ++k) EXPECT_FLOAT_EQ(matrix[k], k % 5 == 0 ? 1.0f : 0.0f);
}

TEST(ParticlesDraw, NoCountNoSpray) {
  OpenTestContext();
  std::memset(SprayParticles, 0, sizeof SprayParticles);
  for (int count : {0, -3}) {
    ParticleCount = count;
    DrawThreeEmitters();
    for (const TParticle& p : SprayParticles) ASSERT_EQ(p.Life, 0.0f);
  }
}
