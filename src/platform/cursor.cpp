// The cursor's show/hide counter and the choice between the system arrow and the game's
// own cursor. The counter is kept whether or not a window exists yet; the window system
// follows it once video is up.
#include "platform/cursor.h"

#include <SDL.h>

#include "platform/cursor_image.h"
#include "platform/input_events.h"

namespace {

int Counter = 0;
int Active = crDefault;
SDL_Cursor* GameCursor = nullptr;
SDL_Cursor* ArrowCursor = nullptr;
std::vector<uint8_t> GameCursorRgba;  // the surface borrows these pixels

bool VideoUp() { return SDL_WasInit(SDL_INIT_VIDEO) != 0; }

void Apply() {
  if (!VideoUp()) return;
  SDL_ShowCursor(Counter >= 0 ? SDL_ENABLE : SDL_DISABLE);
  if (Active == crGame) {
    if (!GameCursor) {
      GameCursorRgba = GameCursorPixels();
      SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
          GameCursorRgba.data(), GameCursorSize, GameCursorSize, 32, GameCursorSize * 4,
          SDL_PIXELFORMAT_RGBA32);
      if (surface) {
        GameCursor = SDL_CreateColorCursor(surface, 0, 0);
        SDL_FreeSurface(surface);
      }
    }
    if (GameCursor) SDL_SetCursor(GameCursor);
  } else {
    if (!ArrowCursor) ArrowCursor = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (ArrowCursor) SDL_SetCursor(ArrowCursor);
  }
}

}  // namespace

int ShowCursor(bool show) {
  Counter += show ? 1 : -1;
  Apply();
  return Counter;
}

int CursorCounter() { return Counter; }

void SetActiveCursor(int cursor) {
  if (cursor == Active && (cursor != crGame || GameCursor || !VideoUp())) return;
  Active = cursor;
  Apply();
}

void ApplyCursorState() { Apply(); }

void GetCursorPos(int& x, int& y) { LastMousePosition(x, y); }
