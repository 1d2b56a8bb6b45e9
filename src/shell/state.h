#pragma once
// Program-wide state of the game's spine: which screen is live, the loop flags, the tick
// counter and the display mode found at start.
#include <cstdint>
#include <string>

enum ScreenStates : int32_t {
  StateStartup = 0,
  StateIntro = 1,
  StateMenu = 2,
  StateOptions = 3,
  StateCredits = 4,
  StateLevelMap = 5,
  StateRace = 6,
  StateResult = 7,
  StateClosing = 255,
};

extern int32_t ScreenState;   // live screen, one of ScreenStates
extern bool LeaveLoop;        // leave the inner loop the main routine runs
extern bool QuitGame;         // leave the main loop; never cleared
extern int32_t TickCount;     // 30 ms ticks since the last reset
extern std::string Season;    // "normal" or "winter"

extern int32_t SavedScreenWidth;
extern int32_t SavedScreenHeight;
extern int32_t SavedScreenDepth;

// The one OpenGL rendering context (an SDL_GLContext).
extern void* RenderContext;
