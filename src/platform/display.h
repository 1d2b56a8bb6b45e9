#pragma once
// The one game window, the display mode and the OpenGL context. The game draws into an
// 800 x 600 framebuffer object; SwapGameWindow composes the visible forms over it (the
// scene form showing that picture) and presents it scaled to the window, aspect kept.
#include <string>

#include "platform/bitmap.h"

struct TDisplayMode {
  int Width = 0, Height = 0, BitsPerPixel = 0, RefreshRate = 0;
};

// The desktop's mode as found now.
TDisplayMode GetCurrentDisplayMode();
// Opens the game window full screen asking for `wanted`; where the mode is refused, full
// screen at the desktop's size. Returns false when no window could be made at all.
bool OpenGameWindow(const TDisplayMode& wanted, const std::string& title);
// Restores `mode` (the one found at start) and leaves full screen.
void RestoreDisplayMode(const TDisplayMode& mode);
void CloseGameWindow();
// Colour bits of the window's pixel format, after the mode switch.
int GameWindowColorBits();

// Context: created once on the game window (compatibility profile, double buffered,
// deepest depth offered), with the 800 x 600 drawing target bound while current.
void* CreateRenderContext();
void ReleaseRenderContext();               // no context current
bool MakeRenderContextCurrent(void* context);
void DeleteRenderContext(void* context);
// Ends a 3D frame: compose and present; the drawing target is bound again afterwards.
void SwapGameWindow();
// Reads back the last composed 800 x 600 picture (RGB, top row first); for tests.
void ReadScreenPixels(TBitmap& out);
// Reads back the 3D drawing target (RGB, top row first); for tests.
void ReadScenePixels(TBitmap& out);
