// What comes from the window system: key codes, events translated and delivered, the
// letterbox, the cursor counter and image, message boxes.
#include <gtest/gtest.h>

#include <cstring>

#include <SDL.h>

#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/cursor_image.h"
#include "platform/display_internal.h"
#include "platform/message_box.h"
#include "platform/sdl_input.h"
#include "recording_form.h"

using Log = std::vector<std::string>;

TEST(KeyCodes, SdlKeysBecomeWindowsVirtualKeys) {
  struct Case { int sdl, vk; };
  const Case cases[] = {{SDLK_ESCAPE, 27}, {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13},
                        {SDLK_LEFT, 37},   {SDLK_UP, 38},     {SDLK_RIGHT, 39},
                        {SDLK_DOWN, 40},   {SDLK_BACKSPACE, 8}, {SDLK_a, 'A'},
                        {SDLK_z, 'Z'},     {SDLK_0, '0'},     {SDLK_9, '9'},
                        {SDLK_SPACE, 32},  {SDLK_F1, 112},    {SDLK_HOME, 36},
                        {SDLK_VOLUMEUP, 0}};
  for (const Case& c : cases) EXPECT_EQ(VirtualKeyFromSdl(c.sdl), c.vk) << c.sdl;
}

TEST(WindowEvents, HeldKeysRepeatAndTypedTextBecomesKeyPresses) {
  Application.Initialize();
  TRecordingForm form("form");
  form.Show();
  SDL_Event e;
  SDL_zero(e);
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = SDLK_LEFT;
  SDL_PushEvent(&e);
  e.key.repeat = 1;
  SDL_PushEvent(&e);
  e.type = SDL_KEYUP;
  e.key.repeat = 0;
  SDL_PushEvent(&e);
  SDL_zero(e);
  e.type = SDL_TEXTINPUT;
  std::strcpy(e.text.text, "\xc3\xa9");  // é
  SDL_PushEvent(&e);
  Application.ProcessMessages();
  EXPECT_EQ(form.Log, (Log{"show", "activate", "keydown 37", "keydown 37", "keyup 37",
                           "keypress 233"}));
}

TEST(Letterbox, PictureIsScaledToFitWithItsAspectKept) {
  struct Case { int w, h; TLetterbox expected; };
  const Case cases[] = {{800, 600, {0, 0, 800, 600}},     {1024, 768, {0, 0, 1024, 768}},
                        {1920, 1080, {240, 0, 1440, 1080}}, {1280, 1024, {0, 32, 1280, 960}},
                        {640, 480, {0, 0, 640, 480}},     {0, 0, {0, 0, 800, 600}}};
  for (const Case& c : cases) {
    TLetterbox box = ComputeLetterbox(c.w, c.h);
    EXPECT_EQ(box.X, c.expected.X) << c.w << "x" << c.h;
    EXPECT_EQ(box.Y, c.expected.Y) << c.w << "x" << c.h;
    EXPECT_EQ(box.Width, c.expected.Width) << c.w << "x" << c.h;
    EXPECT_EQ(box.Height, c.expected.Height) << c.w << "x" << c.h;
  }
}

TEST(Letterbox, WindowPixelsMapToGamePixels) {
  TLetterbox box = ComputeLetterbox(1920, 1080);  // 1440 x 1080 at x 240
  struct Case { int wx, wy, gx, gy; bool inside; };
  const Case cases[] = {{240, 0, 0, 0, true},        {1679, 1079, 799, 599, true},
                        {960, 540, 400, 300, true},  {100, 540, 0, 300, false},
                        {1900, 10, 799, 5, false},   {240 + 1080, 810, 600, 450, true}};
  for (const Case& c : cases) {
    int gx, gy;
    EXPECT_EQ(WindowToGame(box, c.wx, c.wy, gx, gy), c.inside) << c.wx << "," << c.wy;
    EXPECT_EQ(gx, c.gx) << c.wx << "," << c.wy;
    EXPECT_EQ(gy, c.gy) << c.wx << "," << c.wy;
  }
}

TEST(CursorCounter, VisibleWhileTheCounterIsZeroOrMore) {
  int start = CursorCounter();
  EXPECT_EQ(ShowCursor(false), start - 1);
  EXPECT_EQ(ShowCursor(false), start - 2);
  EXPECT_EQ(ShowCursor(true), start - 1);
  EXPECT_EQ(ShowCursor(true), start);
  EXPECT_EQ(CursorCounter(), start);
}

TEST(CursorImage, ArrowWithItsTipAtTheTopLeft) {
  std::vector<uint8_t> rgba = GameCursorPixels();
  ASSERT_EQ(rgba.size(), (size_t)GameCursorSize * GameCursorSize * 4);
  auto alpha = [&](int x, int y) { return rgba[(y * GameCursorSize + x) * 4 + 3]; };
  auto red = [&](int x, int y) { return rgba[(y * GameCursorSize + x) * 4 + 0]; };
  EXPECT_GT(alpha(0, 0), 100);        // the tip is the hot spot
  EXPECT_EQ(alpha(31, 0), 0);         // beside the arrow: see-through
  EXPECT_EQ(alpha(31, 31), 0);
  EXPECT_EQ(alpha(2, 10), 255);       // the body
  EXPECT_GT(red(4, 12), 150);         // red inside
  EXPECT_LT(red(0, 12), 60);          // black rim at the edge
}

TEST(MessageBoxes, HookSeesTextTitleAndButtonsAndChoosesTheAnswer) {
  struct Seen { std::string text, title; MsgButtons buttons; };
  std::vector<Seen> seen;
  MessageBoxHook = [&](const std::string& text, const std::string& title, MsgButtons b) {
    seen.push_back({text, title, b});
    return b == MsgButtons::AbortIgnore ? MsgResult::Abort : MsgResult::Ok;
  };
  Application.SetTitle("Stay high, Stay free, Use \"Vontel\"");
  EXPECT_EQ(ShowMessageBox("Can\xc2\xb4t resolve host.", "Connectionerror", MsgButtons::Ok),
            MsgResult::Ok);
  EXPECT_EQ(ShowMessageBox("Warning!", "Vontel", MsgButtons::AbortIgnore, MsgIcon::Warning),
            MsgResult::Abort);
  ShowErrorBox("The level file data/level3.dcc is missing.");
  MessageBoxHook = nullptr;
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].title, "Connectionerror");
  EXPECT_EQ(seen[1].buttons, MsgButtons::AbortIgnore);
  EXPECT_EQ(seen[2].title, "Stay high, Stay free, Use \"Vontel\"");
  EXPECT_EQ(seen[2].text, "The level file data/level3.dcc is missing.");
}
