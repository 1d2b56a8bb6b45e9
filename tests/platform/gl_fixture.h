#pragma once
// The game window and its context, opened once per test process under the X server of
// the test run (Xvfb with Mesa); tests are skipped where no display exists.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/display.h"

class GameWindowTest : public ::testing::Test {
 protected:
  static void* Context;
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display (run under xvfb-run)";
    if (!Context) {
      Application.Initialize();
      TDisplayMode wanted{800, 600, 16, 75};
      ASSERT_TRUE(OpenGameWindow(wanted, "platform test"));
      Context = CreateRenderContext();
      ASSERT_NE(Context, nullptr);
    }
    ASSERT_TRUE(MakeRenderContextCurrent(Context));
  }
};

inline void* GameWindowTest::Context = nullptr;

inline uint32_t PixelRgb(const TBitmap& b, int x, int y) {
  const uint8_t* p = b.PixelAt(x, y);
  return ((uint32_t)p[0] << 16) | ((uint32_t)p[1] << 8) | p[2];
}

// Writes a picture as PPM (for looking at it; ImageMagick turns it into PNG).
void SavePicture(const TBitmap& b, const std::string& name);
