#include "gl_context.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/display.h"
#include "render/display.h"
#include "render/fixed_state.h"

// The game's own display set-up opens the window and the context once per process.
void OpenTestContext() {
  static bool opened = false;
  if (!opened) {
    DisplaySetup();
    opened = true;
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glEnable(GL_COLOR_MATERIAL);
  SetFixedGLState();
}

TBitmap ReadTestPixels() {
  TBitmap picture;
  ReadScenePixels(picture);
  return picture;
}

void SaveTestPicture(const TBitmap& picture, const char* name) {
  std::string path = std::string(VONTEL_BINARY_DIR) + "/" + name + ".ppm";
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fprintf(file, "P6\n%d %d\n255\n", picture.Width, picture.Height);
  std::fwrite(picture.Pixels.data(), 1, picture.Pixels.size(), file);
  std::fclose(file);
}

TBitmap SolidPicture(int width, int height, uint32_t rgb) {
  TBitmap picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels.resize((size_t)width * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetPixel(picture, x, y, rgb);
  return picture;
}

void SetPixel(TBitmap& picture, int x, int y, uint32_t rgb) {
  uint8_t* p = picture.PixelAt(x, y);
  p[0] = rgb >> 16;
  p[1] = rgb >> 8;
  p[2] = rgb;
}

uint32_t PixelRgb(const TBitmap& picture, int x, int y) {
  const uint8_t* p = picture.PixelAt(x, y);
  return (uint32_t)p[0] << 16 | (uint32_t)p[1] << 8 | p[2];
}
