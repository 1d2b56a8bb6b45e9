// The intro frame drawn under the software renderer: the overlay's fade, placement and the
// end of the intro, read back from the drawing target.
#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "platform/bitmap.h"
#include "race/race_state.h"
#include "render/fixed_state.h"
#include "render/loaders.h"
#include "render/render_state.h"
#include "screens/intro.h"
#include "shell/state.h"

namespace {
// A hidden window with an 800 x 600 colour and depth target of our own, read back freely.
void OpenIntroContext() {
  static SDL_Window* window = nullptr;
  if (window) return;
  ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
  window = SDL_CreateWindow("intro test", 0, 0, 800, 600, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  ASSERT_NE(window, nullptr) << SDL_GetError();
  SDL_GLContext context = SDL_GL_CreateContext(window);
  ASSERT_NE(context, nullptr) << SDL_GetError();
  SDL_GL_MakeCurrent(window, context);
  GLuint frame, colour, depth;
  glGenFramebuffers(1, &frame);
  glBindFramebuffer(GL_FRAMEBUFFER, frame);
  glGenRenderbuffers(1, &colour);
  glBindRenderbuffer(GL_RENDERBUFFER, colour);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 800, 600);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
  glGenRenderbuffers(1, &depth);
  glBindRenderbuffer(GL_RENDERBUFFER, depth);
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, 800, 600);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
  ASSERT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), (GLenum)GL_FRAMEBUFFER_COMPLETE);
  glViewport(0, 0, 800, 600);
  SetFixedGLState();
}

// Grey of one pixel (0..255), y counted from the top.
int GreyAt(int x, int y) {
  uint8_t rgb[3];
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, 599 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
  return (rgb[0] + rgb[1] + rgb[2]) / 3;
}
}  // namespace

class IntroFramePixels : public testing::Test {
 protected:
  void SetUp() override {
    OpenIntroContext();
    if (HasFatalFailure()) return;
    std::memset(LevelGrids, 0, sizeof LevelGrids);
    std::memset(ModelTable, 0, sizeof ModelTable);
    TBitmap white;
    white.SetSize(8, 8);
    std::memset(white.Pixels.data(), 255, white.Pixels.size());
    uint32_t texture = UploadTexture(white);
    for (int i = 1; i <= 8; i++) IntroTexture[i] = texture;
    // The camera far off the map: the scene is empty and the overlay stands out.
    BoatX = 50000;
    BoatZ = 50000;
    IntroStart();
  }
  // Grey at the centre and in the lower right corner for a frame at `tick`.
  void FrameAt(int tick, int& centre, int& lowerRight) {
    TickCount = tick;
    LeaveLoop = false;
    IntroDraw();
    centre = GreyAt(400, 280);
    lowerRight = GreyAt(700, 560);
  }
};

// How much a place is lit up by the overlay: not at all, half, or to (nearly) white.
enum class Lit { None, Half, Full };

void ExpectLit(int value, int base, Lit lit, const char* where, int tick) {
  int added = value - base;
  switch (lit) {
    case Lit::None:
      EXPECT_LE(std::abs(added), 3) << where << " at tick " << tick;
      break;
    case Lit::Half:
      EXPECT_GE(added, 40) << where << " at tick " << tick;
      EXPECT_LE(added, 85) << where << " at tick " << tick;
      break;
    case Lit::Full:
      EXPECT_GE(value, 240) << where << " at tick " << tick;
      break;
  }
}

TEST_F(IntroFramePixels, OverlayFadesAndMovesByTick) {
  int baseCentre, baseCorner;
  FrameAt(110, baseCentre, baseCorner);  // between the windows: the scene alone
  ASSERT_LT(baseCentre, 200);
  struct Case {
    int tick;
    Lit centre, corner;
  } cases[] = {
      {20, Lit::None, Lit::None},    // first tick of window 1: fully transparent
      {25, Lit::Half, Lit::None},    // half faded in
      {50, Lit::Full, Lit::None},
      {100, Lit::None, Lit::None},   // last tick: faded out
      {300, Lit::None, Lit::Full},   // the lower right pictures
      {435, Lit::None, Lit::Half},
      {1500, Lit::Full, Lit::None},  // the last picture stays
  };
  for (const Case& c : cases) {
    int centre, corner;
    FrameAt(c.tick, centre, corner);
    ExpectLit(centre, baseCentre, c.centre, "centre", c.tick);
    ExpectLit(corner, baseCorner, c.corner, "lower right", c.tick);
    EXPECT_FALSE(LeaveLoop) << "tick " << c.tick;
  }
}

TEST_F(IntroFramePixels, EndsAfterItsLastTick) {
  int centre, corner;
  FrameAt(3304, centre, corner);
  EXPECT_FALSE(LeaveLoop);
  FrameAt(3305, centre, corner);
  EXPECT_TRUE(LeaveLoop);
}

TEST(IntroCamera, GlidesInThenStands) {
  IntroStart();
  EXPECT_EQ(ScreenState, StateIntro);
  EXPECT_EQ(CameraYaw, 180.0);
  for (int tick = 0; tick < 1160; tick++) IntroTick();
  EXPECT_NEAR(IntroDistance, 40.0, 1e-9);
  EXPECT_NEAR(IntroSide, -60.0 + 1160 * 0.05, 1e-6);
  for (int tick = 0; tick < 100; tick++) IntroTick();
  EXPECT_NEAR(IntroDistance, 40.0, 1e-9);
  EXPECT_NEAR(IntroSide, -2.0, 1e-6);
}
