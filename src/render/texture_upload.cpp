#include <GL/gl.h>
#include <GL/glext.h>

#include <vector>

#include "platform/bitmap.h"
#include "render/loaders.h"
#include "render/render_state.h"
#include "render/texture_rows.h"

uint32_t SmokeTexture, RiverTexture, WinterRiverTexture, WaterTexture, OsdTexture,
    SnowflakeTexture;
uint32_t IntroTexture[9];

std::vector<uint8_t> BottomUpBgrRows(const TBitmap& image) {
  size_t rowBytes = ((size_t)image.Width * 3 + 3) & ~(size_t)3;  // unpack alignment 4
  std::vector<uint8_t> rows(rowBytes * image.Height);
  for (int y = 0; y < image.Height; ++y) {
    const uint8_t* source = image.PixelAt(0, image.Height - 1 - y);
    uint8_t* target = rows.data() + rowBytes * y;
    for (int x = 0; x < image.Width; ++x) {
      target[3 * x + 0] = source[3 * x + 2];
      target[3 * x + 1] = source[3 * x + 1];
      target[3 * x + 2] = source[3 * x + 0];
    }
  }
  return rows;
}

uint32_t UploadTexture(const TBitmap& image) {
  if (image.Height <= 2) return 0;
  if (image.Width <= 2) return 0;
  if (image.Pixels.size() < (size_t)image.Width * image.Height * 3) return 0;  // not a picture
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  std::vector<uint8_t> rows = BottomUpBgrRows(image);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexImage2D(GL_TEXTURE_2D, 0, 3, image.Width, image.Height, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE,
               rows.data());
  return name;
}
