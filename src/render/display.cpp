#include "render/display.h"

#include <GL/gl.h>

#include "platform/application.h"
#include "platform/cursor.h"
#include "platform/display.h"
#include "render/fixed_state.h"
#include "shell/errors.h"
#include "shell/state.h"

void DisplaySetup() {
  TDisplayMode found = GetCurrentDisplayMode();
  SavedScreenWidth = found.Width;
  SavedScreenHeight = found.Height;
  SavedScreenDepth = found.BitsPerPixel;

  // Whatever mode the system grants, the game goes on; only a missing window or context
  // stops it, since nothing could be drawn at all.
  TDisplayMode wanted;
  wanted.Width = 800;
  wanted.Height = 600;
  wanted.BitsPerPixel = 16;
  wanted.RefreshRate = 75;
  if (!OpenGameWindow(wanted, Application.Title()))
    throw GameError("The game window could not be opened.");
  RenderContext = CreateRenderContext();
  if (!RenderContext || !MakeRenderContextCurrent(RenderContext))
    throw GameError("The graphics card gave no OpenGL drawing context for the game window.");

  ShowCursor(false);
  SetFixedGLState();
}

void ReleaseContext() { ReleaseRenderContext(); }

void MakeContextCurrent() {
  if (RenderContext) MakeRenderContextCurrent(RenderContext);
}

void DeleteContext() {
  if (!RenderContext) return;
  DeleteRenderContext(RenderContext);
  RenderContext = nullptr;
}

void SwapGameBuffers() {
  SwapGameWindow();
}
