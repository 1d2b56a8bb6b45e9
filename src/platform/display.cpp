// The game window, its display mode and OpenGL context, and presenting the composed
// 800 x 600 picture: the scene target the game draws into, the screen target the forms
// are composed into, and the scaled copy to the window.
#include "platform/display.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <SDL.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include "platform/compositor.h"
#include "platform/cursor.h"
#include "platform/dialog_internal.h"
#include "platform/display_internal.h"
#include "platform/gl_state_guard.h"
#include "platform/input_events.h"
#include "platform/state_hash.h"

namespace {

const int GameWidth = 800, GameHeight = 600;

SDL_Window* GameWindow = nullptr;
SDL_GLContext GameContext = nullptr;
TRenderSurface GameSurface;
GLuint SceneFbo = 0, SceneColor = 0, SceneDepth = 0;
GLuint ScreenFbo = 0, ScreenColor = 0;
uint64_t PresentedSignature = 0;
bool PresentedOnce = false;
std::chrono::steady_clock::time_point LastCheck;

// Makes the game's context current for a while and puts back what was current before.
struct TGameContextScope {
  SDL_Window* previousWindow = SDL_GL_GetCurrentWindow();
  SDL_GLContext previousContext = SDL_GL_GetCurrentContext();
  bool switched = false;
  TGameContextScope() {
    if (previousContext != GameContext) {
      SDL_GL_MakeCurrent(GameWindow, GameContext);
      switched = true;
    }
  }
  ~TGameContextScope() {
    if (switched) SDL_GL_MakeCurrent(previousContext ? previousWindow : nullptr, previousContext);
  }
};

GLuint MakeColorTexture() {
  GLuint texture;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, GameWidth, GameHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE,
               nullptr);
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

bool MakeTargets() {
  SceneColor = MakeColorTexture();
  glGenFramebuffers(1, &SceneFbo);
  glBindFramebuffer(GL_FRAMEBUFFER, SceneFbo);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, SceneColor, 0);
  glGenRenderbuffers(1, &SceneDepth);
  glBindRenderbuffer(GL_RENDERBUFFER, SceneDepth);
  bool complete = false;
  // The deepest depth buffer the driver takes.
  for (GLenum format : {GL_DEPTH_COMPONENT32, GL_DEPTH_COMPONENT24, GL_DEPTH_COMPONENT16}) {
    glRenderbufferStorage(GL_RENDERBUFFER, format, GameWidth, GameHeight);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, SceneDepth);
    if (glGetError() == GL_NO_ERROR &&
        glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE) {
      complete = true;
      break;
    }
  }
  glBindRenderbuffer(GL_RENDERBUFFER, 0);

  ScreenColor = MakeColorTexture();
  glGenFramebuffers(1, &ScreenFbo);
  glBindFramebuffer(GL_FRAMEBUFFER, ScreenFbo);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, ScreenColor, 0);
  complete = complete && glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glBindFramebuffer(GL_FRAMEBUFFER, SceneFbo);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  return complete;
}

void DeleteTargets() {
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  if (SceneFbo) glDeleteFramebuffers(1, &SceneFbo);
  if (ScreenFbo) glDeleteFramebuffers(1, &ScreenFbo);
  if (SceneDepth) glDeleteRenderbuffers(1, &SceneDepth);
  if (SceneColor) glDeleteTextures(1, &SceneColor);
  if (ScreenColor) glDeleteTextures(1, &ScreenColor);
  SceneFbo = ScreenFbo = SceneDepth = SceneColor = ScreenColor = 0;
}

bool HasFramebufferObjects() {
  int major = 0;
  glGetIntegerv(GL_MAJOR_VERSION, &major);
  return major >= 3 || SDL_GL_ExtensionSupported("GL_ARB_framebuffer_object");
}

void ReadTarget(GLuint fbo, TBitmap& out) {
  out.SetSize(GameWidth, GameHeight);
  if (!GameWindow || !GameContext || !fbo) return;
  TGameContextScope scope;
  TGlStateGuard guard;
  glBindFramebuffer(GL_READ_FRAMEBUFFER, fbo);
  std::vector<uint8_t> rows((size_t)GameWidth * GameHeight * 3);
  glReadPixels(0, 0, GameWidth, GameHeight, GL_RGB, GL_UNSIGNED_BYTE, rows.data());
  for (int y = 0; y < GameHeight; y++)  // OpenGL reads bottom row first
    std::copy_n(&rows[(size_t)(GameHeight - 1 - y) * GameWidth * 3], GameWidth * 3,
                out.PixelAt(0, y));
}

// A form showing the scene that covers the whole screen on top is presented by its own
// loop's SwapGameWindow; message processing leaves it alone then.
bool SceneOnTopCoversScreen() {
  TForm* top = TForm::ActiveForm();
  return top && top->ShowsScene && top->Left() <= 0 && top->Top() <= 0 &&
         top->Left() + top->Width() >= GameWidth && top->Top() + top->Height() >= GameHeight;
}

// The forms from the topmost one that covers the whole screen up: what lies below it
// cannot be seen.
std::vector<TForm*> SeenForms() {
  const std::vector<TForm*>& all = TForm::ZOrder();
  size_t first = 0;
  for (size_t i = 0; i < all.size(); i++) {
    TForm* f = all[i];
    if (f->Visible() && f->Left() <= 0 && f->Top() <= 0 && f->Left() + f->Width() >= GameWidth &&
        f->Top() + f->Height() >= GameHeight)
      first = i;
  }
  return std::vector<TForm*>(all.begin() + first, all.end());
}

void Present() {
  if (!GameWindow || !GameContext || !ScreenFbo) return;
  TGameContextScope scope;
  {
    TGlStateGuard guard;
    std::vector<TForm*> seen = SeenForms();
    if (seen.size() == 1 && seen[0]->ShowsScene) {
      // Only the 3D picture shows (the intro and the race): copy it, nothing to compose.
      glBindFramebuffer(GL_READ_FRAMEBUFFER, SceneFbo);
      glBindFramebuffer(GL_DRAW_FRAMEBUFFER, ScreenFbo);
      glBlitFramebuffer(0, 0, GameWidth, GameHeight, 0, 0, GameWidth, GameHeight,
                        GL_COLOR_BUFFER_BIT, GL_NEAREST);
    } else {
      glBindFramebuffer(GL_FRAMEBUFFER, ScreenFbo);
      ComposeForms(GameSurface, seen, 0, 0, GameWidth, GameHeight, SceneColor);
    }
    int dw = 0, dh = 0;
    SDL_GL_GetDrawableSize(GameWindow, &dw, &dh);
    TLetterbox box = ComputeLetterbox(dw, dh);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, ScreenFbo);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, dw, dh);
    bool scaled = box.Width != GameWidth || box.Height != GameHeight;
    if (box.Width != dw || box.Height != dh) {  // black bars beside the picture
      glClearColor(0, 0, 0, 1);
      glClear(GL_COLOR_BUFFER_BIT);
    }
    glBlitFramebuffer(0, 0, GameWidth, GameHeight, box.X, dh - box.Y - box.Height,
                      box.X + box.Width, dh - box.Y, GL_COLOR_BUFFER_BIT,
                      scaled ? GL_LINEAR : GL_NEAREST);
  }
  SDL_GL_SwapWindow(GameWindow);
  PresentedSignature = ScreenSignature();
  PresentedOnce = true;
}

}  // namespace

// --- letterbox ---

TLetterbox ComputeLetterbox(int windowWidth, int windowHeight) {
  TLetterbox box;
  if (windowWidth <= 0 || windowHeight <= 0) return box;
  double scale = std::min((double)windowWidth / GameWidth, (double)windowHeight / GameHeight);
  box.Width = (int)std::lround(GameWidth * scale);
  box.Height = (int)std::lround(GameHeight * scale);
  box.X = (windowWidth - box.Width) / 2;
  box.Y = (windowHeight - box.Height) / 2;
  return box;
}

bool WindowToGame(const TLetterbox& box, int wx, int wy, int& gx, int& gy) {
  bool inside = wx >= box.X && wy >= box.Y && wx < box.X + box.Width && wy < box.Y + box.Height;
  int w = std::max(1, box.Width), h = std::max(1, box.Height);
  gx = std::clamp((int)std::floor((wx - box.X) * (double)GameWidth / w), 0, GameWidth - 1);
  gy = std::clamp((int)std::floor((wy - box.Y) * (double)GameHeight / h), 0, GameHeight - 1);
  return inside;
}

// --- window and mode ---

TDisplayMode GetCurrentDisplayMode() {
  TDisplayMode mode;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return mode;
  SDL_DisplayMode m;
  if (SDL_GetDesktopDisplayMode(0, &m) != 0) return mode;
  mode.Width = m.w;
  mode.Height = m.h;
  mode.BitsPerPixel = SDL_BITSPERPIXEL(m.format);
  mode.RefreshRate = m.refresh_rate;
  return mode;
}

// A program that ends without the orderly shut-down (Abort in a warning box, an exit from
// a dialog) still gives the display its mode back.
static void LeaveFullScreenAtExit() {
  if (GameWindow) SDL_SetWindowFullscreen(GameWindow, 0);
}

bool OpenGameWindow(const TDisplayMode& wanted, const std::string& title) {
  if (GameWindow) return true;
  static bool exitHandlerSet = false;
  if (!exitHandlerSet) {
    std::atexit(LeaveFullScreenAtExit);
    exitHandlerSet = true;
  }
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "No window can be opened: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  for (int depth : {32, 24, 16, 0}) {  // the deepest depth buffer offered
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth);
    GameWindow = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  wanted.Width > 0 ? wanted.Width : GameWidth,
                                  wanted.Height > 0 ? wanted.Height : GameHeight,
                                  SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (GameWindow) break;
  }
  if (!GameWindow) {
    std::fprintf(stderr, "No window can be opened: %s\n", SDL_GetError());
    return false;
  }
  SDL_DisplayMode want = {}, closest = {};
  want.format = wanted.BitsPerPixel == 16 ? SDL_PIXELFORMAT_RGB565 : 0;
  want.w = wanted.Width;
  want.h = wanted.Height;
  want.refresh_rate = wanted.RefreshRate;
  // The window is shown first: X11 sizes a window for full screen only once it is mapped.
  SDL_ShowWindow(GameWindow);
  bool switched = false;
  if (SDL_GetClosestDisplayMode(0, &want, &closest) && closest.w == wanted.Width &&
      closest.h == wanted.Height && SDL_SetWindowDisplayMode(GameWindow, &closest) == 0 &&
      SDL_SetWindowFullscreen(GameWindow, SDL_WINDOW_FULLSCREEN) == 0)
    switched = true;
  // Refused: full screen at the desktop's size, the picture scaled to fit. The window is
  // first given the desktop's place and size itself, since without a window manager
  // nobody else would.
  if (!switched) {
    SDL_DisplayMode desktop;
    if (SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
      SDL_SetWindowSize(GameWindow, desktop.w, desktop.h);
      SDL_SetWindowPosition(GameWindow, 0, 0);
    }
    SDL_SetWindowFullscreen(GameWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
  }
  SDL_RaiseWindow(GameWindow);
  ApplyCursorState();
  return true;
}

void RestoreDisplayMode(const TDisplayMode& mode) {
  if (!GameWindow) return;
  // Leaving full screen gives the display back its desktop mode, which is the mode found
  // at start (`mode`): SDL keeps that one from its start and switches back to it here.
  (void)mode;
  SDL_SetWindowFullscreen(GameWindow, 0);
  SDL_HideWindow(GameWindow);
}

void CloseGameWindow() {
  if (GameContext) DeleteRenderContext(GameContext);
  if (GameWindow) SDL_DestroyWindow(GameWindow);
  GameWindow = nullptr;
}

int GameWindowColorBits() {
  if (!GameWindow) return 0;
  SDL_DisplayMode m;
  if (SDL_GetWindowDisplayMode(GameWindow, &m) != 0) return 0;
  if ((SDL_GetWindowFlags(GameWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP) ==
      SDL_WINDOW_FULLSCREEN_DESKTOP)
    SDL_GetDesktopDisplayMode(0, &m);
  return SDL_BITSPERPIXEL(m.format);
}

// --- context ---

void* CreateRenderContext() {
  if (!GameWindow) return nullptr;
  if (GameContext) return GameContext;
  SDL_GLContext context = SDL_GL_CreateContext(GameWindow);
  if (!context) {
    std::fprintf(stderr, "No OpenGL context: %s\n", SDL_GetError());
    return nullptr;
  }
  SDL_GL_MakeCurrent(GameWindow, context);
  if (!HasFramebufferObjects()) {
    std::fprintf(stderr, "The OpenGL driver offers no framebuffer objects.\n");
    SDL_GL_DeleteContext(context);
    return nullptr;
  }
  SDL_GL_SetSwapInterval(1);  // vertical sync where offered; the swap paces the frames
  GameContext = context;
  MakeTargets();
  CreateSurfaceGui(GameSurface);
  glBindFramebuffer(GL_FRAMEBUFFER, SceneFbo);
  glViewport(0, 0, GameWidth, GameHeight);
  return context;
}

void ReleaseRenderContext() {
  if (GameWindow) SDL_GL_MakeCurrent(GameWindow, nullptr);
}

bool MakeRenderContextCurrent(void* context) {
  if (!GameWindow || !context) return false;
  if (SDL_GL_MakeCurrent(GameWindow, (SDL_GLContext)context) != 0) return false;
  if (context == GameContext) glBindFramebuffer(GL_FRAMEBUFFER, SceneFbo);
  return true;
}

void DeleteRenderContext(void* context) {
  if (!context) return;
  if (context == GameContext && GameWindow) {
    SDL_GL_MakeCurrent(GameWindow, GameContext);
    DestroySurfaceGui(GameSurface);
    DeleteTargets();
    SDL_GL_MakeCurrent(GameWindow, nullptr);
    GameContext = nullptr;
    PresentedOnce = false;
  }
  SDL_GL_DeleteContext((SDL_GLContext)context);
}

void SwapGameWindow() { Present(); }

void ReadScreenPixels(TBitmap& out) { ReadTarget(ScreenFbo, out); }
void ReadScenePixels(TBitmap& out) { ReadTarget(SceneFbo, out); }

// --- repainting ---

bool GameWindowOpen() { return GameWindow && GameContext; }
SDL_Window* GameWindowHandle() { return GameWindow; }

SDL_Window* CurrentTopWindow() {
  if (SDL_Window* dialog = RunningDialogWindow()) return dialog;
  return GameWindow;
}

uint64_t ScreenSignature() {
  THasher h;
  for (TForm* form : TForm::ZOrder()) h.Add(form->StateHash());
  return h.Value;
}

void PaintFormsNow() {
  if (RunningDialog()) {
    PaintDialog(false);
    return;
  }
  Present();
}

void PaintFormsIfChanged(bool force) {
  if (!GameWindowOpen()) return;
  auto now = std::chrono::steady_clock::now();
  if (!force && now - LastCheck < std::chrono::milliseconds(10)) return;
  LastCheck = now;
  RefreshCursorUnderMouse();
  if (SceneOnTopCoversScreen()) return;
  if (!force && PresentedOnce && ScreenSignature() == PresentedSignature) return;
  Present();
}
