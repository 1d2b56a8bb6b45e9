#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "gl_context.h"
#include "platform/cursor.h"
#include "render/display.h"
#include "shell/errors.h"
#include "shell/state.h"

TEST(DisplaySetup, SavesTheModeAndMakesTheContext) {
  OpenTestContext();
  EXPECT_GT(SavedScreenWidth, 0);
  EXPECT_GT(SavedScreenHeight, 0);
  EXPECT_GT(SavedScreenDepth, 0);
  EXPECT_NE(RenderContext, nullptr);
  EXPECT_LT(CursorCounter(), 0);  // hidden
}

TEST(DisplaySetup, FixedState) {
  OpenTestContext();
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[0], 0);
  EXPECT_EQ(viewport[1], 0);
  EXPECT_EQ(viewport[2], 800);
  EXPECT_EQ(viewport[3], 600);
  struct Flag {
    GLenum cap;
    const char* name;
  } flags[] = {{GL_DITHER, "dither"}, {GL_DEPTH_TEST, "depth test"}, {GL_LIGHT0, "light 0"},
               {GL_LIGHTING, "lighting"}, {GL_FOG, "fog"}};
  for (const Flag& flag : flags) EXPECT_TRUE(glIsEnabled(flag.cap)) << flag.name;
  struct Value {
    GLenum name;
    GLint expected;
  } values[] = {{GL_SHADE_MODEL, GL_SMOOTH},       {GL_DEPTH_FUNC, GL_LEQUAL},
                {GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST}, {GL_FOG_HINT, GL_DONT_CARE},
                {GL_FOG_MODE, GL_LINEAR},          {GL_MATRIX_MODE, GL_MODELVIEW}};
  for (const Value& value : values) {
    GLint got = 0;
    glGetIntegerv(value.name, &got);
    EXPECT_EQ(got, value.expected) << std::hex << value.name;
  }
  struct Floats {
    GLenum name;
    std::vector<float> expected;
  } floats[] = {{GL_COLOR_CLEAR_VALUE, {0.5f, 0.5f, 0.5f, 0.5f}}, {GL_DEPTH_CLEAR_VALUE, {1}},
                {GL_FOG_COLOR, {0.5f, 0.5f, 0.5f, 0}},          {GL_FOG_DENSITY, {0.045f}},
                {GL_FOG_START, {70}},                            {GL_FOG_END, {110}}};
  for (const Floats& f : floats) {
    float got[4] = {};
    glGetFloatv(f.name, got);
    for (size_t k = 0; k < f.expected.size(); ++k)
      EXPECT_FLOAT_EQ(got[k], f.expected[k]) << std::hex << f.name << " " << k;
  }
  struct Light {
    GLenum name;
    float expected[4];
  } lights[] = {{GL_AMBIENT, {0.1f, 0.1f, 0.1f, 1}}, {GL_DIFFUSE, {0.2f, 0.2f, 0.2f, 1}},
                {GL_POSITION, {0, 0, 0, -20}}};
  for (const Light& light : lights) {
    float got[4];
    glGetLightfv(GL_LIGHT0, light.name, got);
    for (int k = 0; k < 4; ++k) EXPECT_FLOAT_EQ(got[k], light.expected[k]) << std::hex << light.name;
  }
  // 60 degrees, 4:3, from 0.1 to 600.
  float projection[16];
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  double f = 1 / std::tan(30 * 3.14159265358979 / 180);
  EXPECT_NEAR(projection[0], f * 3 / 4, 1e-5);
  EXPECT_NEAR(projection[5], f, 1e-5);
  EXPECT_NEAR(projection[10], -600.1 / 599.9, 1e-5);
  EXPECT_NEAR(projection[11], -1, 1e-6);
  EXPECT_NEAR(projection[14], -120.0 / 599.9, 1e-5);
}

// Without a window there is nothing to draw on: start-up stops with a clear message instead
// of drawing through a context that does not exist.
TEST(DisplaySetupDeathTest, NoWindowStopsWithAMessage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("DISPLAY", ":987", 1);
        try {
          DisplaySetup();
        } catch (const GameError& error) {
          std::fprintf(stderr, "%s\n", error.what());
          std::exit(3);
        }
        std::exit(0);
      },
      testing::ExitedWithCode(3), "window could not be opened");
}
