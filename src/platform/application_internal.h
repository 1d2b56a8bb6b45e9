#pragma once
// Waking the main thread from the timer thread, when it waits for window-system events.
#include <cstdint>

void WakeMainThread();
// The SDL event type of that wake-up (0 before Initialize).
uint32_t WakeEventType();
