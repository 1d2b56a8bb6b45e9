#include <GL/gl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "gl_context.h"
#include "platform/display.h"
#include "render/loaders.h"
#include "platform/message_box.h"
#include "race/race_state.h"
#include "render/render_state.h"
#include "shell/errors.h"
#include "shell/form1.h"
#include "test_jpeg.h"

namespace {

struct TextureFile {
  const char* name;
  uint32_t* global;
  uint32_t colour;
};

// Every picture of its own colour, so each texture shows which file it came from.
const TextureFile Files[] = {
    {"smoke", &SmokeTexture, 0xF0F0F0},         {"intro3", &IntroTexture[3], 0x3030C0},
    {"intro1", &IntroTexture[1], 0x1010F0},     {"fluss", &RiverTexture, 0x20A020},
    {"flusswinter", &WinterRiverTexture, 0xE0E0F0}, {"water", &WaterTexture, 0x2040A0},
    {"intro2", &IntroTexture[2], 0x2020E0},     {"intro4", &IntroTexture[4], 0x4040B0},
    {"intro5", &IntroTexture[5], 0x5050A0},     {"intro6", &IntroTexture[6], 0x606090},
    {"intro7", &IntroTexture[7], 0x707080},     {"intro8", &IntroTexture[8], 0x808070},
    {"osd", &OsdTexture, 0xC08040},             {"flocke", &SnowflakeTexture, 0xFFFFFF},
};
const uint32_t LoadingColour = 0xC83020;

class TextureLoad : public testing::Test {
 protected:
  void SetUp() override {
    dir = std::filesystem::path(testing::TempDir()) / ("textures_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir / "data");
    std::filesystem::current_path(dir);
    if (!Form1) Form1 = new TForm1();  // the menu window, whose creation sets up the display
    OpenTestContext();
    for (const TextureFile& file : Files) {
      *file.global = 0;
      WriteTestJpeg("data/" + std::string(file.name) + ".jpg", SolidPicture(8, 8, file.colour));
    }
    WriteTestJpeg("data/loading.jpg", SolidPicture(800, 600, LoadingColour));
    Form1->Canvas.FillRect(0, 0, 800, 600, 0x000000);
  }
  void TearDown() override {
    std::filesystem::current_path("/");
    std::filesystem::remove_all(dir);
  }
  std::filesystem::path dir;
};

bool Near(uint32_t a, uint32_t b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs((int)((a >> shift) & 255) - (int)((b >> shift) & 255)) > 6) return false;
  return true;
}

uint32_t TextureColour(uint32_t name) {
  uint8_t texels[8 * 8 * 3];
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  return (uint32_t)texels[0] << 16 | (uint32_t)texels[1] << 8 | texels[2];
}

}  // namespace

TEST_F(TextureLoad, FourteenTexturesInTheirOrder) {
  LoadTextures();
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ((uint32_t)bound, SnowflakeTexture);  // the last one stays bound
  uint32_t previous = 0;
  for (const TextureFile& file : Files) {
    EXPECT_GT(*file.global, previous) << file.name << " made out of order";
    previous = *file.global;
    EXPECT_TRUE(Near(TextureColour(*file.global), file.colour))
        << file.name << ": " << std::hex << TextureColour(*file.global);
  }
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_TRUE(Near(PixelRgb(screen, 400, 300), LoadingColour)) << std::hex << PixelRgb(screen, 400, 300);
}

// The loading screen is on the menu window, and on the screen, once the smoke texture is
// made and before the next texture: a missing third picture stops loading right there.
TEST_F(TextureLoad, LoadingScreenComesAfterTheSmoke) {
  std::filesystem::remove("data/intro3.jpg");
  try {
    LoadTextures();
    FAIL() << "loaded without data/intro3.jpg";
  } catch (const FileError& error) {
    EXPECT_NE(std::string(error.what()).find("data/intro3.jpg"), std::string::npos) << error.what();
  }
  EXPECT_NE(SmokeTexture, 0u);
  EXPECT_EQ(IntroTexture[3], 0u);
  EXPECT_TRUE(Near(PixelRgb(Form1->Canvas.Image, 10, 10), LoadingColour));
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_TRUE(Near(PixelRgb(screen, 400, 300), LoadingColour)) << std::hex << PixelRgb(screen, 400, 300);
}

TEST_F(TextureLoad, MissingLoadingScreenStopsAfterTheSmoke) {
  std::filesystem::remove("data/loading.jpg");
  EXPECT_THROW(LoadTextures(), FileError);
  EXPECT_NE(SmokeTexture, 0u);
  EXPECT_TRUE(Near(PixelRgb(Form1->Canvas.Image, 10, 10), 0x000000));
}

TEST_F(TextureLoad, TinyPictureGivesNoTexture) {
  WriteTestJpeg("data/water.jpg", SolidPicture(16, 2, 0x0000FF));
  LoadTextures();
  EXPECT_EQ(WaterTexture, 0u);
  EXPECT_NE(RiverTexture, 0u);
  EXPECT_NE(IntroTexture[2], 0u);
}

// Start-up loading: the menu window placed, the textures, the boat, the title-music check
// (whose warning comes between the boat and the scenery), then the model list.
TEST_F(TextureLoad, LoadModelsInItsOrder) {
  auto writeModel = [](const std::string& name) {
    std::ofstream file("data/" + name + ".rib", std::ios::binary);
    for (int k = 1; k <= 13; ++k) file << "#\r\n";
    file << "Color [1 1 1]\r\nPolygon \"P\" [0 0 0 1 0 0 1 1 0] \"N\" [0 0 1 0 0 1 0 0 1]\r\n";
  };
  writeModel("vontel");
  writeModel("rock");
  std::ofstream("data/models.cfg", std::ios::binary) << "rock\r\n1\r\n1\r\n1\r\n";
  std::memset(ModelTable, 0, sizeof ModelTable);
  LastCheckpoint = 5;
  Form1->SetBounds(40, 30, 640, 480);
  bool warned = false, boatBeforeWarning = false, sceneryAfterWarning = false;
  MessageBoxHook = [&](const std::string&, const std::string&, MsgButtons) {
    warned = true;
    boatBeforeWarning = ModelTable[0] != 0;
    sceneryAfterWarning = ModelTable[5] == 0;
    return MsgResult::Ignore;
  };
  LoadModels();
  MessageBoxHook = nullptr;
  EXPECT_EQ(Form1->Left(), 0);
  EXPECT_EQ(Form1->Top(), 0);
  EXPECT_EQ(Form1->Width(), 800);
  EXPECT_EQ(Form1->Height(), 600);
  EXPECT_EQ(LastCheckpoint, -1);
  EXPECT_NE(SnowflakeTexture, 0u);
  EXPECT_NE(ModelTable[0], 0u);
  EXPECT_NE(ModelTable[5], 0u);
  EXPECT_EQ(ModelTable[7], 0u);
  if (warned) {  // the decoder plugin is not beside the test program
    EXPECT_TRUE(boatBeforeWarning);
    EXPECT_TRUE(sceneryAfterWarning);
  }
}
