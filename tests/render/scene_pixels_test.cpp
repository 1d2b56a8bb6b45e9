#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "gl_context.h"
#include "race/race_state.h"
#include "render/loaders.h"
#include "render/race_scene.h"
#include "render/render_state.h"
#include "shell/state.h"

namespace {

// A small river level: rows 8 to 20 of the map are river bed, the rest high land. The
// land texture is red and the water texture blue, so each shows where it is drawn.
class ScenePixels : public testing::Test {
 protected:
  void SetUp() override {
    OpenTestContext();
    std::memset(LevelGrids, 0, sizeof LevelGrids);
    for (int row = 0; row < 320; ++row)
      std::memset(Heightmap + 320 * row, row >= 8 && row <= 20 ? 30 : 200, 320);
    std::memset(ModelTable, 0, sizeof ModelTable);
    RiverTexture = WinterRiverTexture = UploadTexture(SolidPicture(8, 8, 0xE03030));
    WaterTexture = UploadTexture(SolidPicture(8, 8, 0x3030E0));
    SmokeTexture = SnowflakeTexture = OsdTexture = UploadTexture(SolidPicture(8, 8, 0xFFFFFF));
    ScreenState = StateStartup;  // no physics
    BoatX = 32, BoatZ = -56, BoatHeading = 0, BoatSpeed = 0, Throttle = 0, WavePhase = 0;
    CameraYaw = 0;
    Season = "normal";
    SmokeOn = false;
    TransparentWater = false;
    OverlayOn = false;
    ParticleCount = 100;
  }
  static TBitmap Frame(const char* name) {
    DrawRaceScene();
    TBitmap shown = ReadTestPixels();
    SaveTestPicture(shown, name);
    return shown;
  }
  static void MoveCameraOffTheMap() { BoatX = 5000, BoatZ = 5000; }
};

int Channel(const TBitmap& picture, int x, int y, int c) { return picture.PixelAt(x, y)[c]; }

bool AllGrey(const TBitmap& picture) {
  for (size_t k = 0; k < picture.Pixels.size(); ++k)
    if (picture.Pixels[k] < 127 || picture.Pixels[k] > 128) return false;
  return true;
}

}  // namespace

TEST_F(ScenePixels, EmptyFrameIsClearGrey) {
  MoveCameraOffTheMap();
  EXPECT_TRUE(AllGrey(Frame("render_empty")));
}

TEST_F(ScenePixels, RaceStartShowsRiverBetweenBanks) {
  TBitmap shown = Frame("render_race_start");
  // In front of the boat lies water (blue over red), beside the river the red banks.
  EXPECT_GT(Channel(shown, 400, 500, 2), Channel(shown, 400, 500, 0) + 20);
  EXPECT_GT(Channel(shown, 40, 220, 0), Channel(shown, 40, 220, 2) + 20);
}

// The band of the on-screen display starts near row 508 and only adds light.
TEST_F(ScenePixels, OverlayBandAddsFromRow508) {
  TBitmap plain = Frame("render_no_overlay");
  OverlayOn = true;
  TBitmap band = Frame("render_overlay");
  int firstChanged = -1;
  for (int y = 0; y < 600 && firstChanged < 0; ++y)
    if (std::memcmp(plain.PixelAt(0, y), band.PixelAt(0, y), 2400) != 0) firstChanged = y;
  EXPECT_GE(firstChanged, 505);
  EXPECT_LE(firstChanged, 511);
  for (int y = 512; y < 600; y += 7)
    for (int x = 0; x < 800; x += 13)
      for (int c = 0; c < 3; ++c) {
        ASSERT_GE(Channel(band, x, y, c), Channel(plain, x, y, c)) << x << "," << y;
        if (Channel(plain, x, y, c) < 200) {
          ASSERT_GT(Channel(band, x, y, c), Channel(plain, x, y, c)) << x << "," << y;
        }
      }
}

TEST_F(ScenePixels, WinterWithLowDetailHasNoSnowOrSpray) {
  MoveCameraOffTheMap();
  Season = "winter";
  SmokeOn = false;  // detail level 1
  EXPECT_TRUE(AllGrey(Frame("render_winter_detail1")));
  SmokeOn = true;  // the same scene with particles shows them
  EXPECT_FALSE(AllGrey(Frame("render_winter_detail2")));
}

TEST_F(ScenePixels, TransparentWaterShowsTheRiverBed) {
  TBitmap opaque = Frame("render_water_opaque");
  TransparentWater = true;
  TBitmap clear = Frame("render_water_transparent");
  // The river bed under the boat is red land; through opaque water it does not show.
  EXPECT_LT(Channel(opaque, 400, 500, 0), 100);
  EXPECT_GT(Channel(clear, 400, 500, 0), Channel(opaque, 400, 500, 0) + 40);
}
