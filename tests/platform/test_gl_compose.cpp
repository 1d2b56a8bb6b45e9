// Composing forms into the 800 x 600 picture, read back from the screen target.
#include <GL/gl.h>
#include <SDL.h>

#include "gl_fixture.h"
#include "platform/forms.h"

namespace {

TBitmap Gradient(int w, int h) {
  TBitmap b;
  b.SetSize(w, h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      uint8_t* p = b.PixelAt(x, y);
      p[0] = (uint8_t)(x * 2);
      p[1] = (uint8_t)(y * 4);
      p[2] = 200;
    }
  return b;
}

}  // namespace

TEST_F(GameWindowTest, CanvasPictureShowsItsPixelsOverTheFormColour) {
  TForm form;
  form.Color = 0x102030;
  form.Show();
  TBitmap picture = Gradient(100, 50);
  form.Canvas.Draw(10, 20, picture);
  SwapGameWindow();
  TBitmap screen;
  ReadScreenPixels(screen);
  for (int y = 0; y < 50; y += 7)
    for (int x = 0; x < 100; x += 9)
      ASSERT_EQ(PixelRgb(screen, 10 + x, 20 + y), PixelRgb(picture, x, y)) << x << "," << y;
  EXPECT_EQ(PixelRgb(screen, 9, 20), 0x102030u);
  EXPECT_EQ(PixelRgb(screen, 110, 20), 0x102030u);
  EXPECT_EQ(PixelRgb(screen, 799, 599), 0x102030u);
}

TEST_F(GameWindowTest, TransparentPictureLeavesTheFormColourWhereItsKeyColourWas) {
  TForm form;
  form.Color = 0x336699;
  form.Show();
  TBitmap arrow;
  arrow.SetSize(40, 30);
  for (int y = 0; y < 30; y++)
    for (int x = 0; x < 40; x++) {
      uint8_t* p = arrow.PixelAt(x, y);
      bool body = x >= 10 && x < 30 && y >= 5 && y < 25;
      p[0] = body ? 0xFF : 0x00;  // body yellow, key colour black (bottom-left)
      p[1] = body ? 0xEE : 0x00;
      p[2] = 0x00;
    }
  arrow.Transparent = true;
  form.Canvas.Draw(100, 100, arrow);
  // The same picture as an image control with Transparent set.
  TImage* image = form.Add<TImage>();
  image->Left = 300;
  image->Top = 100;
  TBitmap opaqueCopy = arrow;
  opaqueCopy.Transparent = false;
  image->Transparent = true;
  image->SetPicture(&opaqueCopy);
  SwapGameWindow();
  TBitmap screen;
  ReadScreenPixels(screen);
  SavePicture(screen, "transparent");
  for (int left : {100, 300}) {
    EXPECT_EQ(PixelRgb(screen, left + 2, 100 + 2), 0x336699u) << left;
    EXPECT_EQ(PixelRgb(screen, left + 39, 100 + 29), 0x336699u) << left;
    EXPECT_EQ(PixelRgb(screen, left + 15, 100 + 15), 0xFFEE00u) << left;
  }
}

TEST_F(GameWindowTest, SceneFormShowsTheSceneTargetTheRightWayUp) {
  TForm form;
  form.ShowsScene = true;
  form.Show();
  // The game draws into the scene target: green, with a red lower-left quarter.
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_FOG);
  glColor3f(1, 0, 0);
  glBegin(GL_QUADS);
  glVertex2f(-1, -1);
  glVertex2f(0, -1);
  glVertex2f(0, 0);
  glVertex2f(-1, 0);
  glEnd();
  TBitmap scene;
  ReadScenePixels(scene);
  EXPECT_EQ(PixelRgb(scene, 100, 500), 0xFF0000u);
  SwapGameWindow();
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_EQ(PixelRgb(screen, 100, 500), 0xFF0000u);  // lower left, top row first
  EXPECT_EQ(PixelRgb(screen, 700, 100), 0x00FF00u);
  EXPECT_EQ(PixelRgb(screen, 100, 100), 0x00FF00u);
}

TEST_F(GameWindowTest, FormOnTopOfTheSceneCoversItWhereItStands) {
  TForm scene, dialog;
  scene.ShowsScene = true;
  scene.Show();
  dialog.SetBounds(234, 227, 331, 145);
  dialog.Color = 0x000000;
  dialog.Show();
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  SwapGameWindow();
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_EQ(PixelRgb(screen, 300, 300), 0x000000u);
  EXPECT_EQ(PixelRgb(screen, 233, 300), 0x0000FFu);
  EXPECT_EQ(PixelRgb(screen, 565, 300), 0x0000FFu);
}

TEST_F(GameWindowTest, ParkedAndHiddenFormsAreNotDrawn) {
  TForm menu, parked, hidden;
  menu.Color = 0x400000;
  menu.Show();
  parked.Color = 0x00FF00;
  parked.Show();
  parked.SetTop(600);
  hidden.Color = 0x0000FF;
  hidden.Show();
  hidden.Hide();
  menu.Update();
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_EQ(PixelRgb(screen, 400, 599), 0x400000u);
}

TEST_F(GameWindowTest, UpdateWithTheContextReleasedPaintsAndLeavesItReleased) {
  TForm form;
  form.Color = 0x204060;
  form.Show();
  ReleaseRenderContext();
  form.Update();
  EXPECT_EQ(SDL_GL_GetCurrentContext(), nullptr);
  ASSERT_TRUE(MakeRenderContextCurrent(Context));
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_EQ(PixelRgb(screen, 5, 5), 0x204060u);
}

TEST_F(GameWindowTest, WindowCoversTheDesktopAndTheMouseMapsThroughTheLetterbox) {
  TDisplayMode desktop = GetCurrentDisplayMode();
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  ASSERT_NE(window, nullptr);
  int w = 0, h = 0, x = -1, y = -1;
  SDL_GetWindowSize(window, &w, &h);
  SDL_GetWindowPosition(window, &x, &y);
  EXPECT_EQ(w, desktop.Width);
  EXPECT_EQ(h, desktop.Height);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_GT(GameWindowColorBits(), 0);
}

TEST_F(GameWindowTest, MessageProcessingRepaintsWhatChanged) {
  TForm form;
  form.Color = 0x000000;
  form.Show();
  form.Update();
  TLabel* label = form.Add<TLabel>();
  label->SetBounds(0, 0, 50, 20);
  label->AutoSize = false;
  label->Transparent = false;
  label->Color = 0xFF8000;
  TBitmap screen;
  for (int pass = 0; pass < 5000; pass++) {  // repaints come at most every few ms
    Application.ProcessMessages();
    ReadScreenPixels(screen);
    if (PixelRgb(screen, 10, 10) == 0xFF8000u) break;
  }
  EXPECT_EQ(PixelRgb(screen, 10, 10), 0xFF8000u);
}

TEST_F(GameWindowTest, SceneFormOnTopIsLeftToItsOwnLoop) {
  TForm menu, scene;
  menu.Color = 0x000080;
  menu.Show();
  scene.ShowsScene = true;
  scene.Show();
  glClearColor(0, 1, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  SwapGameWindow();
  // Below the race nothing is composed by message processing, however much changes.
  menu.Color = 0x800000;
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  for (int pass = 0; pass < 2000; pass++) Application.ProcessMessages();
  TBitmap screen;
  ReadScreenPixels(screen);
  EXPECT_EQ(PixelRgb(screen, 400, 300), 0x00FF00u);
  SwapGameWindow();
  ReadScreenPixels(screen);
  EXPECT_EQ(PixelRgb(screen, 400, 300), 0xFFFFFFu);
}
