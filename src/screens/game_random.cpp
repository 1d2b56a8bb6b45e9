#include "screens/game_random.h"

#include <chrono>

uint32_t GameRandomSeed = 1;

void ReseedFromClock() {
  using namespace std::chrono;
  auto now = system_clock::now().time_since_epoch();
  GameRandomSeed = (uint32_t)(duration_cast<milliseconds>(now).count() % 86400000);
}

int GameRandom(int range) {
  if (range <= 0) return 0;
  GameRandomSeed = GameRandomSeed * 0x08088405u + 1u;
  return (int)(((uint64_t)GameRandomSeed * (uint64_t)range) >> 32);
}
