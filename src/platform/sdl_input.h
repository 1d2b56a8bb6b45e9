#pragma once
// Window-system events into the game's input events.
#include <vector>

#include "platform/input_events.h"

union SDL_Event;

// SDL key code to a Windows virtual-key code; 0 for keys the game has no code for.
int VirtualKeyFromSdl(int sdlKey);
// Appends what `event` means to the forms (nothing for events they do not see).
void TranslateSdlEvent(const SDL_Event& event, std::vector<TInputEvent>& out);
