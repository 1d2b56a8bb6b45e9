#pragma once
// The game's own mouse cursor, drawn in code: a 32 x 32 arrow, hot spot top-left.
#include <cstdint>
#include <vector>

inline constexpr int GameCursorSize = 32;
// RGBA pixels, rows top first.
std::vector<uint8_t> GameCursorPixels();
