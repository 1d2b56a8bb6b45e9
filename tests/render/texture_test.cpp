#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_context.h"
#include "render/loaders.h"
#include "render/texture_rows.h"

TEST(TextureRows, BottomFirstBlueGreenRedPadded) {
  TBitmap picture = SolidPicture(3, 2, 0x000000);
  SetPixel(picture, 0, 0, 0x102030);  // top row
  SetPixel(picture, 2, 0, 0x405060);
  SetPixel(picture, 0, 1, 0x708090);  // bottom row
  std::vector<uint8_t> rows = BottomUpBgrRows(picture);
  ASSERT_EQ(rows.size(), 24u);  // 9 bytes a row, padded to 12
  const uint8_t expected[24] = {0x90, 0x80, 0x70, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                0x30, 0x20, 0x10, 0, 0, 0, 0x60, 0x50, 0x40, 0, 0, 0};
  for (int k = 0; k < 24; ++k) EXPECT_EQ(rows[k], expected[k]) << k;
}

// Pictures of 2 pixels or less on a side make no texture name and no GL call.
TEST(UploadTexture, SmallPicturesGiveZero) {
  OpenTestContext();
  struct Case {
    int width, height;
    bool made;
  } cases[] = {{2, 3, false}, {3, 2, false}, {1, 1, false}, {0, 0, false},
               {3, 3, true},  {64, 4, true}};
  for (const Case& c : cases) {
    GLuint before;
    glGenTextures(1, &before);
    GLint bound = -1;
    glBindTexture(GL_TEXTURE_2D, 0);
    uint32_t name = UploadTexture(SolidPicture(c.width, c.height, 0xFF0000));
    GLuint after;
    glGenTextures(1, &after);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    if (c.made) {
      EXPECT_NE(name, 0u) << c.width << "x" << c.height;
      EXPECT_EQ((GLuint)bound, name);  // the new texture stays bound
      GLint width = 0;
      glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
      EXPECT_EQ(width, c.width);
    } else {
      EXPECT_EQ(name, 0u) << c.width << "x" << c.height;
      EXPECT_EQ(after, before + 1) << "a name was made for " << c.width << "x" << c.height;
      EXPECT_EQ(bound, 0);
    }
  }
}

// A width of 3 needs rows padded to 4 bytes; the texture must hold the picture unsheared.
TEST(UploadTexture, OddWidthArrivesWhole) {
  OpenTestContext();
  TBitmap picture = SolidPicture(3, 3, 0x000000);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) SetPixel(picture, x, y, (uint32_t)(0x101010 * (1 + x + 3 * y)));
  UploadTexture(picture);
  uint8_t texels[27];
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels);
  for (int t = 0; t < 3; ++t)  // texture row 0 is the picture's bottom row
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(texels[3 * (3 * t + x)], 0x10 * (1 + x + 3 * (2 - t))) << x << "," << t;
}

TEST(UploadTexture, BottomLeftPixelAtTextureOrigin) {
  OpenTestContext();
  TBitmap picture = SolidPicture(16, 16, 0x0000FF);  // right half blue
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 8; ++x) SetPixel(picture, x, y, y < 8 ? 0x00FF00 : 0xFF0000);
  uint32_t name = UploadTexture(picture);  // top left green, bottom left red
  glDisable(GL_LIGHTING);
  glDisable(GL_FOG);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, name);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 1, 0, 1, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glColor3f(1, 1, 1);
  glBegin(GL_QUADS);  // texture coordinates equal the screen position
  glTexCoord2f(0, 0); glVertex2f(0, 0);
  glTexCoord2f(1, 0); glVertex2f(1, 0);
  glTexCoord2f(1, 1); glVertex2f(1, 1);
  glTexCoord2f(0, 1); glVertex2f(0, 1);
  glEnd();
  TBitmap shown = ReadTestPixels();
  SaveTestPicture(shown, "render_texture_origin");
  EXPECT_EQ(PixelRgb(shown, 40, 570), 0xFF0000u);  // near (0, 0)
  EXPECT_EQ(PixelRgb(shown, 40, 30), 0x00FF00u);   // near (0, 1)
  EXPECT_EQ(PixelRgb(shown, 760, 300), 0x0000FFu);
}
