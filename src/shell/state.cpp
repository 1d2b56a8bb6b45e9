#include "shell/state.h"

int32_t ScreenState = StateStartup;
bool LeaveLoop = false;
bool QuitGame = false;
int32_t TickCount = 0;
std::string Season;

int32_t SavedScreenWidth = 0;
int32_t SavedScreenHeight = 0;
int32_t SavedScreenDepth = 0;

void* RenderContext = nullptr;
