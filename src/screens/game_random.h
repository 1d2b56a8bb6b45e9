#pragma once
// The screens' random numbers: a small generator reseeded from the clock where the menu
// asks for it. Tests can set GameRandomSeed to get a fixed sequence.
#include <cstdint>

extern uint32_t GameRandomSeed;
void ReseedFromClock();   // milliseconds of the day
int GameRandom(int range); // 0 .. range-1
