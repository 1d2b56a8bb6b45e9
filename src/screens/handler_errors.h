#pragma once
// A failure inside an event handler stops that handler and shows its text in the error
// box; the game goes on.
#include <exception>
#include <functional>

#include "platform/message_box.h"

// Runs `step`; returns false when it failed (the error box has been shown).
inline bool RunShowingErrors(const std::function<void()>& step) {
  try {
    step();
    return true;
  } catch (const std::exception& e) {
    ShowErrorBox(e.what());
    return false;
  }
}
