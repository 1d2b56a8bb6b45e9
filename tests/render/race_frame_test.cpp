#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "gl_context.h"
#include "platform/display.h"
#include "race/race_state.h"
#include "render/display.h"
#include "render/form7.h"
#include "render/loaders.h"
#include "render/render_state.h"
#include "shell/state.h"

namespace {

class RaceWindow : public testing::Test {
 protected:
  void SetUp() override {
    OpenTestContext();
    if (!Form7) Form7 = new TForm7();
    std::memset(LevelGrids, 0, sizeof LevelGrids);
    for (int row = 0; row < 320; ++row)
      std::memset(Heightmap + 320 * row, row >= 8 && row <= 20 ? 30 : 200, 320);
    RiverTexture = UploadTexture(SolidPicture(8, 8, 0xE03030));
    WaterTexture = UploadTexture(SolidPicture(8, 8, 0x3030E0));
    Season = "normal";
    SmokeOn = false;
    OverlayOn = false;
    BoatX = 32, BoatZ = -56, BoatHeading = 0, BoatSpeed = 0, Throttle = 0, Steering = 0;
    WavePhase = 0, TickCount = 0, LastPhysicsTick = 0, FinishCounter = 0;
  }
};

}  // namespace

TEST_F(RaceWindow, WindowIsTheSceneAndBlack) {
  EXPECT_TRUE(Form7->ShowsScene);
  EXPECT_EQ(Form7->Color, 0x000000u);
  EXPECT_EQ(Form7->Width(), 800);
  EXPECT_EQ(Form7->Height(), 600);
}

// With the race state set, the 3D window shows what the race frame draws, and the frame
// runs the physics first.
TEST_F(RaceWindow, RaceRunsInTheWindow) {
  ScreenState = StateRace;
  Form7->Show();
  Form7->SetTop(0);
  Form7->SetLeft(0);
  RaceFrame();
  EXPECT_NEAR(WavePhase, 0.05, 1e-9);
  TBitmap scene, screen;
  ReadScenePixels(scene);
  ReadScreenPixels(screen);
  SaveTestPicture(screen, "render_race_window");
  EXPECT_GT(screen.PixelAt(400, 500)[2], screen.PixelAt(400, 500)[0] + 20);  // the river
  int differing = 0;
  for (size_t k = 0; k < scene.Pixels.size(); ++k)
    differing += std::abs(scene.Pixels[k] - screen.Pixels[k]) > 2;
  EXPECT_LT(differing, 100);
  Form7->Hide();
}

TEST_F(RaceWindow, EmptyFrameIsClearGreyAfterTheSwap) {
  ScreenState = StateMenu;  // no physics: the camera stays off the map
  BoatX = 5000, BoatZ = 5000;
  RaceFrame();
  TBitmap scene;
  ReadScenePixels(scene);
  for (size_t k = 0; k < scene.Pixels.size(); k += 997) {
    ASSERT_GE(scene.Pixels[k], 127) << k;
    ASSERT_LE(scene.Pixels[k], 128) << k;
  }
  EXPECT_NEAR(WavePhase, 0.0, 1e-9);
}

TEST_F(RaceWindow, KeysSteerAndEscapeHides) {
  ScreenState = StateRace;
  TickCount = 81;  // past the start phase
  Form7->Show();
  int key = VK_UP;
  Form7->FormKeyDown(key);
  EXPECT_LT(Throttle, 0.0);
  Form7->FormKeyUp(key);
  EXPECT_EQ(Throttle, 0.0);
  key = VK_LEFT;
  Form7->FormKeyDown(key);
  EXPECT_LT(Steering, 0.0);
  Form7->FormKeyUp(key);
  EXPECT_EQ(Steering, 0.0);
  LeaveLoop = false;
  key = VK_ESCAPE;
  Form7->FormKeyDown(key);
  EXPECT_TRUE(LeaveLoop);
  EXPECT_FALSE(Form7->Visible());
}
