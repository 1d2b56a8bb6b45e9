#pragma once
// The credits' scrolling text and where it stands at a given tick.
#include <string>
#include <vector>

// The 39 lines, in order; a blank line is a single space.
const std::vector<std::string>& CreditsLines();

inline constexpr int CreditsStartTop = 600;  // below the panel until the first tick
inline constexpr int CreditsScrollTicks = 3360;
// The label's top after a tick: rising one pixel every four ticks, standing still from
// tick 3360 on (then `currentTop` is kept).
int CreditsLabelTop(int tick, int currentTop);
