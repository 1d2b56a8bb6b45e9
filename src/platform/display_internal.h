#pragma once
// What the platform's own files share about the windows: the letterbox, presenting the
// composed picture, and the window a message box belongs to.
#include <cstdint>

struct SDL_Window;

// Where the 800 x 600 picture lies in a window of the given size: scaled to fit with its
// aspect kept, centred, black bars around.
struct TLetterbox {
  int X = 0, Y = 0, Width = 800, Height = 600;
};
TLetterbox ComputeLetterbox(int windowWidth, int windowHeight);
// Window pixels to game pixels (clamped to the picture); false outside the picture.
bool WindowToGame(const TLetterbox& box, int wx, int wy, int& gx, int& gy);

bool GameWindowOpen();
SDL_Window* GameWindowHandle();
// The window a message box should stand over (the dialog's or the game's), or none.
SDL_Window* CurrentTopWindow();
// Composes the visible forms and presents them now (game window or running dialog).
void PaintFormsNow();
// Presents when the look of the visible forms changed since the last time.
void PaintFormsIfChanged(bool force);
// Signature of everything visible; equal signatures give equal pictures.
uint64_t ScreenSignature();
