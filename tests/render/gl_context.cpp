#include "gl_context.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render/fixed_state.h"

static SDL_Window* TestWindow = nullptr;

void OpenTestContext() {
  if (!TestWindow) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    TestWindow = SDL_CreateWindow("render test", 0, 0, 800, 600,
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    ASSERT_NE(TestWindow, nullptr) << SDL_GetError();
    SDL_GLContext context = SDL_GL_CreateContext(TestWindow);
    ASSERT_NE(context, nullptr) << SDL_GetError();
    SDL_GL_MakeCurrent(TestWindow, context);
    // The window's own buffer may be hidden from reads; draw into a target of our own.
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
  }
  glBindTexture(GL_TEXTURE_2D, 0);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_BLEND);
  glEnable(GL_COLOR_MATERIAL);
  SetFixedGLState();
}

TBitmap ReadTestPixels() {
  TBitmap picture;
  picture.Width = 800;
  picture.Height = 600;
  picture.Pixels.resize(800 * 600 * 3);
  std::vector<uint8_t> bottomUp(800 * 600 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
  for (int y = 0; y < 600; ++y)
    std::copy_n(bottomUp.data() + (599 - y) * 2400, 2400, picture.Pixels.data() + y * 2400);
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
